// What the register XML road keeps for one run: the document being built, the progress form, and
// the values the options step reads for later steps. Made by the road's entry, dropped at its end.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/LibraryState.h"

namespace velloway {

class frmImportProgress;

namespace registerxml {
class RegisterXmlDocument;
}

struct RegisterXmlState : RoadState {
  // The one document of the import; made anew by the skeleton step, freed by the store step
  // once its text is written.
  std::shared_ptr<registerxml::RegisterXmlDocument> document;
  // The progress form of the import in progress.
  std::shared_ptr<frmImportProgress> progress;
  // Options!A14, the options version text; kept as the cell gives it.
  std::string optionsVersion;
  // Options!B16 to B23, the column layout of the record sheets; kept as the cells give them.
  std::array<std::string, 8> layoutValues;
};

}  // namespace velloway
