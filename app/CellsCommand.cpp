#include "app/CellsCommand.h"

#include <memory>

#include "app/Commands.h"
#include "core/LibraryState.h"
#include "core/modLocale.h"
#include "host/FileRegistry.h"
#include "workbook/CellListing.h"
#include "workbook/Workbook.h"

namespace velloway::app {
namespace {

// The user's date and time patterns, with "." as the decimal separator, as during an import.
workbook::TextFormat ImportTextFormat() {
  Platform platform;
  platform.registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  LibraryState state(std::move(platform));
  const modLocale::TextSettings settings = modLocale::CurrentTextSettings(state);
  return workbook::TextFormat{".", settings.dates};
}

}  // namespace

int RunCellsCommand(const std::string& workbookPath, const std::optional<std::string>& sheetName,
                    std::FILE* out, std::FILE* err) {
  std::unique_ptr<workbook::Workbook> book;
  try {
    book = workbook::OpenWorkbook(workbookPath);
  } catch (const std::exception& e) {
    std::fprintf(err, "velloway: cannot open workbook '%s': %s\n", workbookPath.c_str(), e.what());
    return kExitFailed;
  }
  book->SetFormat(ImportTextFormat());
  if (!workbook::ListCells(*book, sheetName, out)) {
    std::fprintf(err, "velloway: workbook '%s' has no sheet '%s'\n", workbookPath.c_str(),
                 sheetName->c_str());
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace velloway::app
