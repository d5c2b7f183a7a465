// The cell listing of include/velloway/workbook_cells.h: the workbook read under the text
// settings of an import.
#include "core/LibraryState.h"
#include "core/modLocale.h"
#include "velloway/workbook_cells.h"
#include "workbook/CellListing.h"
#include "workbook/Workbook.h"

namespace velloway {
namespace {

// The user's date and time patterns, with "." as the decimal separator, as during an import.
workbook::TextFormat ImportTextFormat(std::shared_ptr<Registry> registry) {
  Platform platform;
  platform.registry = std::move(registry);
  LibraryState state(std::move(platform));
  const modLocale::TextSettings settings = modLocale::CurrentTextSettings(state);
  return workbook::TextFormat{".", settings.dates};
}

}  // namespace

CellListingResult ListWorkbookCells(const std::string& workbookPath,
                                    const std::optional<std::string>& sheetName,
                                    std::shared_ptr<Registry> registry, std::FILE* out,
                                    std::string& reason) {
  std::unique_ptr<workbook::Workbook> book;
  try {
    book = workbook::OpenWorkbook(workbookPath);
  } catch (const std::exception& e) {
    reason = "cannot open workbook '" + workbookPath + "': " + e.what();
    return CellListingResult::CannotOpen;
  }
  book->SetFormat(ImportTextFormat(std::move(registry)));
  if (!workbook::ListCells(*book, sheetName, out)) {
    reason = "workbook '" + workbookPath + "' has no sheet '" + sheetName.value_or("") + "'";
    return CellListingResult::NoSuchSheet;
  }
  return CellListingResult::Listed;
}

}  // namespace velloway
