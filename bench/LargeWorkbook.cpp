#include "LargeWorkbook.h"

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace velloway::bench {
namespace {

const char* const kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Column(int index) { return std::string(1, static_cast<char>('A' + index)); }

// The sheet is written to a scratch file first, so the generator never holds it in memory.
std::string WriteSheet(const std::string& scratch, std::uint32_t rows, std::uint32_t unique) {
  std::FILE* file = std::fopen(scratch.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + scratch);
  std::mt19937_64 random(42);
  std::uniform_int_distribution<std::uint32_t> pick(0, unique - 1);
  std::uniform_real_distribution<double> number(0, 1e6);
  std::fprintf(file,
               "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<worksheet xmlns=\"%s\" xmlns:r=\"%s\"><sheetData>",
               kMain, kRel);
  for (std::uint32_t r = 1; r <= rows; ++r) {
    std::fprintf(file, "<row r=\"%u\" spans=\"1:10\">", r);
    for (int c = 0; c < 5; ++c) {
      std::fprintf(file, "<c r=\"%s%u\" t=\"s\"><v>%u</v></c>", Column(c).c_str(), r, pick(random));
    }
    for (int c = 5; c < 10; ++c) {
      std::fprintf(file, "<c r=\"%s%u\"><v>%.15g</v></c>", Column(c).c_str(), r, number(random));
    }
    std::fputs("</row>", file);
  }
  std::fputs("</sheetData></worksheet>", file);
  std::fclose(file);
  return scratch;
}

std::string SharedStrings(std::uint32_t unique) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<sst xmlns=\"";
  xml += kMain;
  xml += "\" uniqueCount=\"" + std::to_string(unique) + "\">";
  for (std::uint32_t i = 0; i < unique; ++i) {
    xml += "<si><t>Risk item " + std::to_string(i) + " of the register</t></si>";
  }
  return xml + "</sst>";
}

void AddText(zip_t* archive, const char* name, const std::string& text) {
  // The archive copies nothing until it is closed, so the text is handed over as a copy it frees.
  char* copy = static_cast<char*>(std::malloc(text.size()));
  std::copy(text.begin(), text.end(), copy);
  zip_source_t* source = zip_source_buffer(archive, copy, text.size(), 1);
  if (source == nullptr || zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) < 0) {
    throw std::runtime_error(std::string("cannot add ") + name);
  }
}

}  // namespace

void WriteLargeWorkbook(const std::string& path, std::uint32_t rows, std::uint32_t uniqueStrings) {
  const std::string sheet = WriteSheet(path + ".sheet.xml", rows, uniqueStrings);
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create " + path);
  const std::string rels = "http://schemas.openxmlformats.org/package/2006/relationships";
  AddText(archive, "[Content_Types].xml",
          "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
          "content-types\"><Default Extension=\"rels\" ContentType=\"application/"
          "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
          "ContentType=\"application/xml\"/></Types>");
  AddText(archive, "_rels/.rels",
          "<?xml version=\"1.0\"?><Relationships xmlns=\"" + rels +
              "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
              "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
  AddText(archive, "xl/workbook.xml",
          std::string("<?xml version=\"1.0\"?><workbook xmlns=\"") + kMain + "\" xmlns:r=\"" +
              kRel +
              "\"><sheets><sheet name=\"Large\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
  AddText(archive, "xl/_rels/workbook.xml.rels",
          "<?xml version=\"1.0\"?><Relationships xmlns=\"" + rels +
              "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
              "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
              kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
  AddText(archive, "xl/sharedStrings.xml", SharedStrings(uniqueStrings));
  zip_source_t* source = zip_source_file(archive, sheet.c_str(), 0, -1);
  if (source == nullptr || zip_file_add(archive, "xl/worksheets/sheet1.xml", source, 0) < 0) {
    throw std::runtime_error("cannot add the sheet");
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
  std::remove(sheet.c_str());
}

}  // namespace velloway::bench
