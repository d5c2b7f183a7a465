#include "workbook/XlsxReader.h"

#include <algorithm>

#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsbReader.h"
#include "workbook/XlsxParts.h"
#include "workbook/XlsxSharedStrings.h"
#include "workbook/XlsxSheet.h"
#include "workbook/XlsxStyles.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

std::string WorkbookPartName(ZipPackage& package) {
  const auto root = ReadRelationships(package, "");
  const Relationship* main = FindOfType(root, "officeDocument");
  if (main == nullptr) throw NotAWorkbook("the package names no main document");
  return main->part;
}

bool IsBinary(const std::string& partName) {
  return partName.size() > 4 && partName.compare(partName.size() - 4, 4, ".bin") == 0;
}

}  // namespace

void ReadXlsx(ZipPackage& package, Workbook& workbook) {
  const std::string workbookPart = WorkbookPartName(package);
  if (IsBinary(workbookPart)) {
    ReadXlsb(package, workbookPart, workbook);
    return;
  }
  const WorkbookPart part = ReadWorkbookPart(package, workbookPart);
  const auto relationships = ReadRelationships(package, workbookPart);

  StringPool& pool = workbook.MutableStrings();
  std::size_t sharedCount = 0;
  if (const Relationship* shared = FindOfType(relationships, "sharedStrings")) {
    sharedCount = ReadSharedStrings(package, shared->part, pool);
  }
  std::vector<NumberKind> numberStyles;
  if (const Relationship* styles = FindOfType(relationships, "styles")) {
    numberStyles = ReadNumberStyles(package, styles->part);
  }
  const SheetContext context{pool, sharedCount, numberStyles, part.dates};

  for (const SheetEntry& entry : part.sheets) {
    if (const Relationship* sheet = WorksheetOf(entry, relationships)) {
      ReadSheet(package, sheet->part, context, workbook.AddSheet(entry.name));
    }
  }
  pool.Shrink();
}

}  // namespace velloway::workbook
