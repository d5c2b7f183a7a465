#include "control/ErrorLog.h"

#include "control/LibraryState.h"

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

void OfferErrorLog(LibraryState& /*state*/) {}

}  // namespace velloway
