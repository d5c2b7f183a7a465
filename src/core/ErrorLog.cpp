#include "core/ErrorLog.h"

#include "core/ImportError.h"
#include "core/LibraryState.h"
#include "core/Messages.h"
#include "core/clsFile.h"
#include "core/modCSIDL.h"

namespace velloway {

void ClearErrorLog(LibraryState& state) { state.errorLog = ErrorLog{}; }

void AddErrorHeading(LibraryState& state, const std::string& title) {
  static const std::string rule(50, '-');
  state.errorLog.text += rule + "\r\n" + title + "\r\n" + rule + "\r\n";
}

void AddError(LibraryState& state, const std::string& message) {
  state.errorLog.text += message + "\r\n";
  state.errorLog.hasErrors = true;
}

void OfferErrorLog(LibraryState& state) {
  if (!state.errorLog.hasErrors) return;
  if (state.platform.ui->MessageBox(msg::kViewErrors, MsgIcon::Information, MsgButtons::YesNo,
                                    "") != MsgAnswer::Yes) {
    return;
  }
  const std::string path =
      modCSIDL::GetSpecialFolder(state, modCSIDL::kTemporaryFolder) + "/" + kErrorLogFileName;
  {
    clsFile file;
    file.My_Initialize(path);
    file.WriteMess(state.errorLog.text);
  }
  if (!state.platform.logViewer) throw ImportError("no viewer for the error log", path);
  state.platform.logViewer->Open(path);
}

}  // namespace velloway
