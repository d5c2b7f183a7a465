// The reference host application: one plan (a SQLite file, or none), its installation folder,
// and a record of the progress form's activity.
#pragma once

#include <memory>
#include <string>

#include "host/SqlitePlan.h"
#include "velloway/host_application.h"

namespace velloway::host {

class ReferenceHost : public HostApplication {
 public:
  ReferenceHost(std::shared_ptr<SqlitePlan> plan, std::string installFolder)
      : plan_(std::move(plan)), installFolder_(std::move(installFolder)) {}

  std::shared_ptr<Plan> ActivePlan() override { return plan_; }
  void SetFormActive(bool active) override { formActive_ = active; }
  std::string InstallFolder() override { return installFolder_; }
  std::int32_t MainWindowHandle() override { return mainWindow_; }

  // The library keeps the application object it created first while it is loaded; a host that
  // imports more than once opens each plan in it, and names the window the form is centred by
  // (a desktop host's X window).
  void Open(std::shared_ptr<SqlitePlan> plan, std::string installFolder, std::int32_t mainWindow) {
    plan_ = std::move(plan);
    installFolder_ = std::move(installFolder);
    mainWindow_ = mainWindow;
  }

  bool formActive() const { return formActive_; }

 private:
  std::shared_ptr<SqlitePlan> plan_;
  std::string installFolder_;
  std::int32_t mainWindow_ = 1;
  bool formActive_ = false;
};

}  // namespace velloway::host
