// Everything the library needs from the outside world, handed over by the host that loads it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "velloway/clock.h"
#include "velloway/export.h"
#include "velloway/findings.h"
#include "velloway/host_application.h"
#include "velloway/log_viewer.h"
#include "velloway/monitor_api.h"
#include "velloway/progress_renderer.h"
#include "velloway/registry.h"
#include "velloway/user_interface.h"

namespace velloway {

struct Platform {
  // Creates the host application object; called once, on first use.
  std::function<std::shared_ptr<HostApplication>()> createHostApplication;
  std::shared_ptr<Registry> registry;
  std::shared_ptr<UserInterface> ui;
  std::shared_ptr<LogViewer> logViewer;
  std::shared_ptr<Clock> clock;
  // The temporary folder without a trailing separator; empty means $TMPDIR, else /tmp.
  std::string tempFolder;
  // Receives one-line diagnostics that the import keeps from the user's message boxes (why a
  // workbook could not be opened, say); may be empty.
  std::function<void(const std::string&)> diagnostic;
  // Receives what the import finds: sheets, records and problems by place; may be empty. The
  // import goes on exactly as it would without it.
  std::function<void(const ImportFinding&)> findings;
  // Draws the import progress form; null draws nothing.
  std::shared_ptr<ProgressRenderer> progressRenderer;
  // The monitors the progress form is centred on; null means those the environment describes.
  std::shared_ptr<MonitorApi> monitors;
};

// Installs the platform for the library-wide state that objects made through the C entry
// points use. A host calls it once, before DllGetClassObject.
VELLOWAY_API void InstallPlatform(Platform platform);

// Gives the user's decimal separator back when every import that forced "." has gone without
// its cleanup (killed, crashed); returns the value written back, none when nothing needed it.
// InstallPlatform does the same with its registry each time a host installs its platform.
VELLOWAY_API std::optional<std::string> RepairUserSettings(std::shared_ptr<Registry> registry);

}  // namespace velloway
