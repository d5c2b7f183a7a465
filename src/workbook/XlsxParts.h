// The package's map: relationships between parts, and the workbook part's list of sheets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbook/DateSystem.h"

namespace velloway::workbook {

class ZipPackage;

struct Relationship {
  std::string id;
  std::string type;  // the type URI; transitional and strict ones differ only before the last '/'
  std::string part;  // the target, resolved to a part name; empty for an external target
};

// The relationships of a part ("" for the package itself); none when it has no
// relationships part.
std::vector<Relationship> ReadRelationships(ZipPackage& package, const std::string& sourcePart);

// True when the relationship type ends in "/" + kind (e.g. "worksheet").
bool IsOfType(const Relationship& relationship, std::string_view kind);
// The first relationship of that kind to a part of the package, or null.
const Relationship* FindOfType(const std::vector<Relationship>& relationships,
                               std::string_view kind);

struct SheetEntry {
  std::string name;
  std::string relationshipId;
};

struct WorkbookPart {
  DateSystem dates = DateSystem::From1900;
  std::vector<SheetEntry> sheets;  // in workbook order, hidden ones included
};

// The worksheet part a sheet entry names, or null for a chart or dialog sheet, which has no
// cells. Throws WorkbookError when the entry names no part.
const Relationship* WorksheetOf(const SheetEntry& entry,
                                const std::vector<Relationship>& relationships);

// Reads the workbook part. Throws WorkbookError when the part is not a workbook.
WorkbookPart ReadWorkbookPart(ZipPackage& package, const std::string& partName);

}  // namespace velloway::workbook
