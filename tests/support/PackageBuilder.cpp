#include "support/PackageBuilder.h"

#include <zip.h>

#include <stdexcept>

namespace velloway::test {

std::string RelationshipsPart(const std::string& items) {
  return "<?xml version=\"1.0\"?><Relationships "
         "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
         items + "</Relationships>";
}

std::string Relationship(const std::string& id, const std::string& type, const std::string& target,
                         const std::string& ns) {
  return "<Relationship Id=\"" + id + "\" Type=\"" + ns + "/" + type + "\" Target=\"" + target +
         "\"/>";
}

std::vector<unsigned char> Zip(const Parts& parts, bool stored) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot build a zip");
  zip_source_keep(buffer);
  for (const auto& [name, content] : parts) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    if (index < 0) throw std::runtime_error("cannot add " + name);
    if (stored)
      zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot close the zip");
  zip_source_open(buffer);
  zip_source_seek(buffer, 0, SEEK_END);
  const zip_int64_t size = zip_source_tell(buffer);
  zip_source_seek(buffer, 0, SEEK_SET);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  zip_source_read(buffer, bytes.data(), bytes.size());
  zip_source_close(buffer);
  zip_source_free(buffer);
  return bytes;
}

Namespaces Transitional() {
  return {"http://schemas.openxmlformats.org/spreadsheetml/2006/main",
          "http://schemas.openxmlformats.org/officeDocument/2006/relationships"};
}

Namespaces Strict() {
  return {"http://purl.oclc.org/ooxml/spreadsheetml/main",
          "http://purl.oclc.org/ooxml/officeDocument/relationships"};
}

Parts PackageOf(const std::string& mainDocument, const std::string& ns) {
  // The reader finds the parts through the relationships; the content types are not read.
  return {
      {"[Content_Types].xml",
       "<?xml version=\"1.0\"?><Types "
       "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
      {"_rels/.rels", RelationshipsPart(Relationship("rId1", "officeDocument", mainDocument, ns))}};
}

Parts MinimalWorkbook::Build() const {
  Parts parts = PackageOf("xl/workbook.xml", ns.relationships);
  std::string sheetList;
  std::string rels;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    sheetList +=
        "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
    rels += Relationship("rId" + n, "worksheet", "worksheets/sheet" + n + ".xml", ns.relationships);
    parts["xl/worksheets/sheet" + n + ".xml"] = "<?xml version=\"1.0\"?><worksheet xmlns=\"" +
                                                ns.main + "\"><sheetData>" + sheets[i].second +
                                                "</sheetData></worksheet>";
  }
  if (!sharedStrings.empty()) {
    std::string items;
    for (const std::string& item : sharedStrings) items += item;
    parts["xl/sharedStrings.xml"] =
        "<?xml version=\"1.0\"?><sst xmlns=\"" + ns.main + "\">" + items + "</sst>";
    rels += Relationship("rIdS", "sharedStrings", "sharedStrings.xml", ns.relationships);
  }
  if (!styles.empty()) {
    parts["xl/styles.xml"] = styles;
    rels += Relationship("rIdT", "styles", "styles.xml", ns.relationships);
  }
  parts["xl/workbook.xml"] = "<?xml version=\"1.0\"?><workbook xmlns=\"" + ns.main +
                             "\" xmlns:r=\"" + ns.relationships + "\"><sheets>" + sheetList +
                             "</sheets></workbook>";
  parts["xl/_rels/workbook.xml.rels"] = RelationshipsPart(rels);
  return parts;
}

Parts OdsPackage(const std::string& tables) {
  return {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
          {"content.xml",
           "<?xml version=\"1.0\"?><office:document-content "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\">"
           "<office:body><office:spreadsheet>" +
               tables + "</office:spreadsheet></office:body></office:document-content>"}};
}

std::string StylesPart(const std::vector<int>& cellFormatIds,
                       const std::map<int, std::string>& customCodes) {
  std::string xml =
      "<?xml version=\"1.0\"?><styleSheet xmlns=\"" + Transitional().main + "\"><numFmts>";
  for (const auto& [id, code] : customCodes) {
    xml += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"" + code + "\"/>";
  }
  xml += "</numFmts><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs>";
  for (const int id : cellFormatIds) xml += "<xf numFmtId=\"" + std::to_string(id) + "\"/>";
  return xml + "</cellXfs></styleSheet>";
}

}  // namespace velloway::test
