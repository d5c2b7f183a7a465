// The host's automation surface: the application object and the plan open in it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "velloway/export.h"

namespace velloway {

// The plan open in the host. Every operation may throw; the library's callers trap it.
class VELLOWAY_API Plan {
 public:
  virtual ~Plan() = default;
  // The plan's file path; empty when the plan was never saved.
  virtual std::string PlanFileName() = 0;
  // Asks the host to save the plan (it may prompt on its own).
  virtual void SavePlan() = 0;
  // Stores one value under tag, section and key.
  virtual void WriteAppValue(const std::string& tag, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
  // Stores the whole-tag text; an empty text removes everything the tag holds.
  virtual void WriteAppData(const std::string& tag, const std::string& text) = 0;
};

// The host application. Created once per loaded library, on first use.
class VELLOWAY_API HostApplication {
 public:
  virtual ~HostApplication() = default;
  // The open plan, or null when no plan is loaded. Fetched afresh for every plan operation.
  virtual std::shared_ptr<Plan> ActivePlan() = 0;
  // Told true when the progress form is created and false when it unloads.
  virtual void SetFormActive(bool active) = 0;
  // The host's installation folder, without a trailing separator.
  virtual std::string InstallFolder() = 0;
  // Handle of the host's main window, used to place the progress form.
  virtual std::int32_t MainWindowHandle() = 0;
};

}  // namespace velloway
