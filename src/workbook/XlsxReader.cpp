#include "workbook/XlsxReader.h"

#include <algorithm>

#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsxParts.h"
#include "workbook/XlsxSharedStrings.h"
#include "workbook/XlsxSheet.h"
#include "workbook/XlsxStyles.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

const Relationship* FindOfType(const std::vector<Relationship>& relationships,
                               std::string_view kind) {
  const auto it = std::find_if(relationships.begin(), relationships.end(),
                               [&](const Relationship& r) { return IsOfType(r, kind); });
  return it == relationships.end() || it->part.empty() ? nullptr : &*it;
}

std::string WorkbookPartName(ZipPackage& package) {
  const auto root = ReadRelationships(package, "");
  const Relationship* main = FindOfType(root, "officeDocument");
  if (main == nullptr) throw NotAWorkbook("the package names no main document");
  const std::string& name = main->part;
  if (name.size() > 4 && name.substr(name.size() - 4) == ".bin") {
    throw NotAWorkbook("a binary workbook, which this reader does not read");
  }
  return name;
}

}  // namespace

void ReadXlsx(ZipPackage& package, Workbook& workbook) {
  const std::string workbookPart = WorkbookPartName(package);
  const WorkbookPart part = ReadWorkbookPart(package, workbookPart);
  const auto relationships = ReadRelationships(package, workbookPart);

  StringPool& pool = workbook.MutableStrings();
  std::size_t sharedCount = 0;
  if (const Relationship* shared = FindOfType(relationships, "sharedStrings")) {
    sharedCount = ReadSharedStrings(package, shared->part, pool);
  }
  std::vector<bool> dateStyles;
  if (const Relationship* styles = FindOfType(relationships, "styles")) {
    dateStyles = ReadDateStyles(package, styles->part);
  }
  const SheetContext context{pool, sharedCount, dateStyles, part.dates};

  for (const SheetEntry& entry : part.sheets) {
    const auto it =
        std::find_if(relationships.begin(), relationships.end(),
                     [&](const Relationship& r) { return r.id == entry.relationshipId; });
    if (it == relationships.end() || it->part.empty()) {
      throw Damaged("the part of sheet '" + entry.name + "' is not named");
    }
    // Chart sheets and dialog sheets are no worksheets and have no cells to read.
    if (!IsOfType(*it, "worksheet")) continue;
    ReadSheet(package, it->part, context, workbook.AddSheet(entry.name));
  }
  pool.Shrink();
}

}  // namespace velloway::workbook
