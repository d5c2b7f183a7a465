// The state of one loaded library: the platform it was handed, the run-wide values of the
// launch sequence (they survive from one import to the next), the workbook references and the
// error log. Tests make their own.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "control/WorkbookConnection.h"
#include "core/ErrorLog.h"
#include "core/modLocale.h"
#include "register/RegisterModel.h"
#include "registerxml/RegisterXmlState.h"
#include "velloway/platform.h"

namespace velloway {

struct LibraryState {
  explicit LibraryState(Platform p) : platform(std::move(p)) {}

  Platform platform;

  // Created on first use through the platform and kept while the library is loaded.
  std::shared_ptr<HostApplication> hostApplication;

  // Run-wide values of the launch sequence.
  std::string RegistryBase;
  std::string SavedDecimalSeparator;
  // Whether this run has forced "." yet: cleanup restores the separator only then.
  bool separatorForced = false;
  std::string ConfiguredWorkbookPath;
  std::string WorkbookPath;
  std::string SchemaPath;
  std::string TemplateVersion;

  WorkbookRefs sheets;
  ErrorLog errorLog;
  // The current-template road's model and progress form, kept from its load to its write.
  RegisterRoadState registerRoad;

  // The separators and patterns in force, read once and kept until a setting is written:
  // conversions run per cell and must not go back to the settings store each time.
  std::optional<modLocale::TextSettings> textSettings;

  RegisterXmlState registerXml;
};

}  // namespace velloway
