#include "FuzzPackage.h"

#include "support/PackageBuilder.h"
#include "workbook/CellText.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"

namespace velloway::fuzz {

std::vector<std::string> SplitInput(std::string_view input, std::size_t count) {
  std::vector<std::string> parts;
  while (parts.size() + 1 < count) {
    const std::size_t end = input.find("\n--\n");
    if (end == std::string_view::npos) break;
    parts.emplace_back(input.substr(0, end));
    input.remove_prefix(end + 4);
  }
  parts.emplace_back(input);
  parts.resize(count);
  return parts;
}

std::vector<unsigned char> WorkbookPackage(const std::string& extension,
                                           const std::vector<std::string>& parts) {
  return test::Zip(
      {{"_rels/.rels", test::RelationshipsPart(test::Relationship("rId1", "officeDocument",
                                                                  "xl/workbook." + extension))},
       {"xl/_rels/workbook." + extension + ".rels",
        test::RelationshipsPart(test::Relationship("rId1", "worksheet", "s." + extension) +
                                test::Relationship("rId2", "sharedStrings", "t." + extension) +
                                test::Relationship("rId3", "styles", "u." + extension))},
       {"xl/workbook." + extension, parts.at(3)},
       {"xl/s." + extension, parts.at(0)},
       {"xl/t." + extension, parts.at(1)},
       {"xl/u." + extension, parts.at(2)}},
      true);
}

std::string OneSheetWorkbookPart(const std::string& sheetName) {
  return "<workbook xmlns:r=\"" + test::Transitional().relationships + "\"><sheets><sheet name=\"" +
         sheetName + "\" r:id=\"rId1\"/></sheets></workbook>";
}

void ReadEveryCell(const std::function<std::unique_ptr<workbook::Workbook>()>& open) {
  try {
    const auto book = open();
    std::size_t total = 0;
    for (const auto& sheet : book->Sheets()) {
      for (const auto& cell : sheet.Cells()) {
        total += workbook::CellText(sheet.ValueOf(cell), book->Format()).size();
      }
    }
    if (total == static_cast<std::size_t>(-1)) __builtin_trap();
  } catch (const workbook::WorkbookError&) {
  }
}

void ReadEveryCell(std::span<const unsigned char> bytes) {
  ReadEveryCell([bytes] { return workbook::OpenWorkbookBytes(bytes); });
}

void ReadPackageInput(std::span<const unsigned char> input, const std::string& extension,
                      const std::string& defaultWorkbook) {
  const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
  if (text.substr(0, 2) == "PK") {
    ReadEveryCell(input);
    return;
  }
  auto parts = SplitInput(text, 4);
  if (parts[3].empty()) parts[3] = defaultWorkbook;
  ReadEveryCell(WorkbookPackage(extension, parts));
}

}  // namespace velloway::fuzz
