// Fuzzes the XML fragments of an older template's Options sheet as the register XML road loads
// them: the input, split at "\n--\n", fills cells A1 (options), A3 (user field definitions), A4
// (the probability-impact definition), A5 (source project) and A6 (plan data) of a workbook of
// template "2.1", which is then imported whole, the document checked against the schema.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzPackage.h"
#include "FuzzSupport.h"

namespace {

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    out += c == '<' ? "&lt;" : c == '&' ? "&amp;" : c == '>' ? "&gt;" : std::string(1, c);
  }
  return out;
}

std::string Cell(const std::string& ref, std::string_view text) {
  return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" + Escaped(text) +
         "</t></is></c>";
}

std::string OptionsSheet(std::string_view input) {
  const std::vector<std::string> parts = velloway::fuzz::SplitInput(input, 5);
  const char* const rows[] = {"1", "3", "4", "5", "6"};
  std::string sheet =
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
  for (std::size_t i = 0; i < 5; ++i) {
    sheet +=
        "<row r=\"" + std::string(rows[i]) + "\">" + Cell(std::string("A") + rows[i], parts[i]);
    if (i == 2) sheet += Cell("B4", "2.1");
    sheet += "</row>";
  }
  // The template version again and the column layout of the record sheets.
  sheet += "<row r=\"14\">" + Cell("A14", "2.1") + "</row>";
  const int layout[] = {4, 7, 11, 14, 13, 16, 28, 29};
  for (int i = 0; i < 8; ++i) {
    const std::string row = std::to_string(16 + i);
    sheet += "<row r=\"" + row + "\"><c r=\"B" + row + "\"><v>" + std::to_string(layout[i]) +
             "</v></c></row>";
  }
  return sheet + "</sheetData></worksheet>";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<unsigned char> package = velloway::fuzz::WorkbookPackage(
      "xml", {OptionsSheet(input), "", "", velloway::fuzz::OneSheetWorkbookPart("Options")});
  const std::string path = velloway::fuzz::WriteScratch(package.data(), package.size(), ".xlsx");
  velloway::fuzz::ImportWorkbook(path);
  return 0;
}
