#include "app/CellsCommand.h"

#include <memory>

#include "app/Commands.h"
#include "host/FileRegistry.h"
#include "velloway/workbook_cells.h"

namespace velloway::app {

int RunCellsCommand(const std::string& workbookPath, const std::optional<std::string>& sheetName,
                    std::FILE* out, std::FILE* err) {
  auto registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  std::string reason;
  if (ListWorkbookCells(workbookPath, sheetName, registry, out, reason) !=
      CellListingResult::Listed) {
    std::fprintf(err, "velloway: %s\n", reason.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace velloway::app
