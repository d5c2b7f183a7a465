#include "FuzzPackage.h"

#include <zip.h>

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

std::vector<unsigned char> StoredZip(
    const std::vector<std::pair<std::string, const std::string*>>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_source_keep(buffer);
  for (const auto& [name, text] : entries) {
    zip_source_t* source = zip_source_buffer(archive, text->data(), text->size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, 0);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  zip_close(archive);
  zip_source_open(buffer);
  zip_source_seek(buffer, 0, SEEK_END);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(zip_source_tell(buffer)));
  zip_source_seek(buffer, 0, SEEK_SET);
  zip_source_read(buffer, bytes.data(), bytes.size());
  zip_source_close(buffer);
  zip_source_free(buffer);
  return bytes;
}

namespace {

const std::string kRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Relationship(const std::string& id, const std::string& type,
                         const std::string& target) {
  return "<Relationship Id=\"" + id + "\" Type=\"" + kRels + "/" + type + "\" Target=\"" + target +
         "\"/>";
}

}  // namespace

std::vector<unsigned char> WorkbookPackage(const std::string& extension,
                                           const std::vector<std::string>& parts) {
  const std::string root = "<Relationships>" +
                           Relationship("rId1", "officeDocument", "xl/workbook." + extension) +
                           "</Relationships>";
  const std::string rels = "<Relationships>" + Relationship("rId1", "worksheet", "s." + extension) +
                           Relationship("rId2", "sharedStrings", "t." + extension) +
                           Relationship("rId3", "styles", "u." + extension) + "</Relationships>";
  return StoredZip({{"_rels/.rels", &root},
                    {"xl/_rels/workbook." + extension + ".rels", &rels},
                    {"xl/workbook." + extension, &parts.at(3)},
                    {"xl/s." + extension, &parts.at(0)},
                    {"xl/t." + extension, &parts.at(1)},
                    {"xl/u." + extension, &parts.at(2)}});
}

void ReadEveryCell(std::span<const unsigned char> bytes) {
  try {
    const auto book = workbook::OpenWorkbookBytes(bytes);
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

}  // namespace velloway::fuzz
