#include "workbook/XlsxReader.h"

#include <algorithm>
#include <exception>

#include "workbook/PartJobs.h"
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

void ReadXlsx(ZipPackage& package, Workbook& workbook, std::uint64_t parallelFrom) {
  const std::string workbookPart = WorkbookPartName(package);
  if (IsBinary(workbookPart)) {
    ReadXlsb(package, workbookPart, workbook);
    return;
  }
  const WorkbookPart part = ReadWorkbookPart(package, workbookPart);
  const auto relationships = ReadRelationships(package, workbookPart);
  const Relationship* shared = FindOfType(relationships, "sharedStrings");
  // The number formats are small and every sheet needs them, so they come first; a failure
  // waits until the shared strings, read before them in order, are known to be sound.
  std::vector<NumberKind> numberStyles;
  std::exception_ptr stylesFailure;
  if (const Relationship* styles = FindOfType(relationships, "styles")) {
    try {
      numberStyles = ReadNumberStyles(package, styles->part);
    } catch (...) {
      stylesFailure = std::current_exception();
    }
  }
  const SheetContext context{numberStyles, part.dates};

  StringPool& pool = workbook.MutableStrings();
  std::size_t sharedCount = 0;
  std::vector<PartJob> jobs;
  if (shared != nullptr) {
    jobs.push_back({package.StatedSize(shared->part), [&](ZipPackage& own) {
                      sharedCount = ReadSharedStrings(own, shared->part, pool);
                    }});
  }
  std::vector<const Relationship*> sheetParts;
  if (!stylesFailure) {
    for (const SheetEntry& entry : part.sheets) {
      if (const Relationship* sheet = WorksheetOf(entry, relationships)) {
        workbook.AddSheet(entry.name);
        sheetParts.push_back(sheet);
      }
    }
  }
  const std::span<Worksheet> sheets = workbook.MutableSheets();
  std::vector<SheetTexts> texts(sheetParts.size());
  for (std::size_t i = 0; i < sheetParts.size(); ++i) {
    jobs.push_back({package.StatedSize(sheetParts[i]->part), [&, i](ZipPackage& own) {
                      ReadSheet(own, sheetParts[i]->part, context, sheets[i], texts[i]);
                    }});
  }

  const auto failures = RunPartJobs(package, jobs, parallelFrom);
  const std::size_t firstSheet = shared != nullptr ? 1 : 0;
  if (shared != nullptr && failures[0]) std::rethrow_exception(failures[0]);
  if (stylesFailure) std::rethrow_exception(stylesFailure);
  for (std::size_t i = firstSheet; i < failures.size(); ++i) {
    if (failures[i]) std::rethrow_exception(failures[i]);
  }
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    SettleSheetTexts(sheets[i], texts[i], pool, sharedCount);
  }
  pool.Shrink();
}

}  // namespace velloway::workbook
