// Fuzzes the .xlsx reader. An input starting with "PK" is a whole package; anything else is
// split at "\n--\n" into a sheet part, a shared-string part, a styles part and a workbook part,
// packed uncompressed around a fixed set of relationships, so that mutations reach the XML
// handlers instead of dying at the zip checksums.
#include <zip.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/CellText.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"

namespace {

const char* const kRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::vector<std::string> Split(std::string_view input) {
  std::vector<std::string> parts;
  while (parts.size() < 3) {
    const std::size_t end = input.find("\n--\n");
    if (end == std::string_view::npos) break;
    parts.emplace_back(input.substr(0, end));
    input.remove_prefix(end + 4);
  }
  parts.emplace_back(input);
  parts.resize(4);
  if (parts[3].empty()) {
    parts[3] = std::string("<workbook xmlns:r=\"") + kRels +
               "\"><sheets><sheet name=\"S\" r:id=\"rId1\"/></sheets></workbook>";
  }
  return parts;
}

std::vector<unsigned char> Package(const std::vector<std::string>& parts) {
  const std::string root = std::string("<Relationships><Relationship Id=\"rId1\" Type=\"") + kRels +
                           "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  const std::string rels = std::string("<Relationships><Relationship Id=\"rId1\" Type=\"") + kRels +
                           "/worksheet\" Target=\"s.xml\"/><Relationship Id=\"rId2\" Type=\"" +
                           kRels +
                           "/sharedStrings\" Target=\"t.xml\"/><Relationship Id=\"rId3\" Type=\"" +
                           kRels + "/styles\" Target=\"u.xml\"/></Relationships>";
  const std::pair<const char*, const std::string*> entries[] = {
      {"_rels/.rels", &root},         {"xl/_rels/workbook.xml.rels", &rels},
      {"xl/workbook.xml", &parts[3]}, {"xl/s.xml", &parts[0]},
      {"xl/t.xml", &parts[1]},        {"xl/u.xml", &parts[2]}};
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_source_keep(buffer);
  for (const auto& [name, text] : entries) {
    zip_source_t* source = zip_source_buffer(archive, text->data(), text->size(), 0);
    const zip_int64_t index = zip_file_add(archive, name, source, 0);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<unsigned char> bytes;
  if (input.substr(0, 2) == "PK") {
    bytes.assign(data, data + size);
  } else {
    bytes = Package(Split(input));
  }
  try {
    const auto book = velloway::workbook::OpenWorkbookBytes(bytes);
    std::size_t total = 0;
    for (const auto& sheet : book->Sheets()) {
      for (const auto& cell : sheet.Cells()) {
        total += velloway::workbook::CellText(sheet.ValueOf(cell), book->Format()).size();
      }
    }
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
  } catch (const velloway::workbook::WorkbookError&) {
    return 0;
  }
}
