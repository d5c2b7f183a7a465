// Everything the library needs from the outside world, handed over by the host that loads it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "velloway/clock.h"
#include "velloway/export.h"
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
  // Draws the import progress form; null draws nothing.
  std::shared_ptr<ProgressRenderer> progressRenderer;
  // The monitors the progress form is centred on; null means those the environment describes.
  std::shared_ptr<MonitorApi> monitors;
};

// Installs the platform for the library-wide state that objects made through the C entry
// points use. A host calls it once, before DllGetClassObject.
VELLOWAY_API void InstallPlatform(Platform platform);

}  // namespace velloway
