// Hand-built packages for what libxlsxwriter cannot write: the strict namespaces, style tables,
// hostile XML, deflate bombs, OpenDocument and binary workbook packages.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace velloway::test {

// The parts of a package by name; Zip() writes them with libzip, compressed unless stored
// (stored parts let mutations of a fuzzer reach the part readers past the checksums).
using Parts = std::map<std::string, std::string>;
std::vector<unsigned char> Zip(const Parts& parts, bool stored = false);

// The namespaces of the two variants of the format.
struct Namespaces {
  std::string main;           // spreadsheet elements
  std::string relationships;  // r:id and relationship types
};
Namespaces Transitional();
Namespaces Strict();

// A relationships part of these items, and one item, its type ("worksheet", ...) named in the
// relationships namespace given.
std::string RelationshipsPart(const std::string& items);
std::string Relationship(const std::string& id, const std::string& type, const std::string& target,
                         const std::string& ns = Transitional().relationships);

// A package whose main document is at that name: its content types and root relationships.
Parts PackageOf(const std::string& mainDocument,
                const std::string& ns = Transitional().relationships);

// A workbook of one sheet per entry (name -> sheetData content), with an optional
// shared-string table (the <si> items) and styles part (the whole part).
struct MinimalWorkbook {
  std::vector<std::pair<std::string, std::string>> sheets;
  std::vector<std::string> sharedStrings;
  std::string styles;
  Namespaces ns = Transitional();
  Parts Build() const;
};

// An OpenDocument spreadsheet package whose office:spreadsheet element holds `tables` (the
// office, table, text and calcext prefixes are declared).
Parts OdsPackage(const std::string& tables);

// A styles part whose cell formats 0.. have these number format ids, with these custom codes.
std::string StylesPart(const std::vector<int>& cellFormatIds,
                       const std::map<int, std::string>& customCodes = {});

}  // namespace velloway::test
