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
  std::int32_t MainWindowHandle() override { return 1; }

  bool formActive() const { return formActive_; }

 private:
  std::shared_ptr<SqlitePlan> plan_;
  std::string installFolder_;
  bool formActive_ = false;
};

}  // namespace velloway::host
