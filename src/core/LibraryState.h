// The state of one loaded library: the platform it was handed, the run-wide values of the
// launch sequence (they survive from one import to the next), the workbook references and the
// error log, and a slot for the per-run state of the road that is running. It knows neither
// road. Tests make their own.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/ErrorLog.h"
#include "core/WorkbookRefs.h"
#include "core/modLocale.h"
#include "velloway/platform.h"

namespace velloway {

// What an import road keeps for one run. Each road derives its own; the road's entry creates it
// and it is dropped when the road ends, so nothing of one run reaches the next.
struct RoadState {
  RoadState() = default;
  RoadState(const RoadState&) = delete;
  RoadState& operator=(const RoadState&) = delete;
  virtual ~RoadState() = default;
};

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

  // The separators and patterns in force, read once and kept until a setting is written:
  // conversions run per cell and must not go back to the settings store each time.
  std::optional<modLocale::TextSettings> textSettings;

  // The running road's state; empty between runs.
  std::unique_ptr<RoadState> road;
};

}  // namespace velloway
