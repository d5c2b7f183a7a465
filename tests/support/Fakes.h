// Fakes of the platform interfaces: an in-memory recording host, a scripted UI, a registry in
// memory, a fixed clock and a viewer that only records what it was asked to open.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/LibraryState.h"
#include "host/MemoryRegistry.h"
#include "ui/MonitorLayout.h"
#include "ui/RecordingRenderer.h"
#include "velloway/platform.h"

namespace velloway::test {

// One plan operation as the host received it.
struct PlanCall {
  std::string op;  // "WriteAppValue", "WriteAppData" or "SavePlan"
  std::string tag, section, key, value;
};

class RecordingPlan : public Plan {
 public:
  explicit RecordingPlan(std::string fileName) : fileName_(std::move(fileName)) {}
  std::string PlanFileName() override { return fileName_; }
  void SavePlan() override;
  void WriteAppValue(const std::string& tag, const std::string& section, const std::string& key,
                     const std::string& value) override;
  void WriteAppData(const std::string& tag, const std::string& text) override;

  std::vector<PlanCall> calls;

 private:
  std::string fileName_;
};

class RecordingHost : public HostApplication {
 public:
  std::shared_ptr<Plan> ActivePlan() override { return plan; }
  void SetFormActive(bool active) override { formActive.push_back(active); }
  std::string InstallFolder() override { return installFolder; }
  std::int32_t MainWindowHandle() override { return 1; }

  std::shared_ptr<RecordingPlan> plan;
  std::string installFolder;
  std::vector<bool> formActive;
};

struct ShownBox {
  std::string text;
  MsgIcon icon;
  MsgButtons buttons;
  std::string title;
};

// Records every box; questions take the next scripted answer, or No when none is left.
class ScriptedUI : public UserInterface {
 public:
  MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                       const std::string& title) override;
  // The texts of the boxes shown, in order.
  std::vector<std::string> Texts() const;
  std::vector<ShownBox> boxes;
  std::deque<MsgAnswer> answers;
};

// Key paths and value names compared without regard to case, as on the platform.
class MemoryRegistry : public host::MemoryRegistry {
 public:
  std::optional<std::string> ReadString(RegistryHive hive, const std::string& keyPath,
                                        const std::string& valueName) override;
  void WriteString(RegistryHive hive, const std::string& keyPath, const std::string& valueName,
                   const std::string& value) override;
  void DeleteKey(RegistryHive hive, const std::string& keyPath) override;
};

class FixedClock : public Clock {
 public:
  CivilTime Now() override { return now; }
  CivilTime now{2026, 12, 6, 9, 30, 0};
};

class RecordingViewer : public LogViewer {
 public:
  void Open(const std::string& path) override { opened.push_back(path); }
  std::vector<std::string> opened;
};

// A platform of fakes, with handles to each for the test to script and inspect.
struct FakePlatform {
  FakePlatform();
  // The user's regional setting of that name ("sDecimal", ...); "" when there is none.
  void SetInternational(const std::string& name, const std::string& value);
  std::string International(const std::string& name) const;
  // The host's installation in that folder, with a Kestrion.ini naming the working key "Main",
  // and the workbook path the host configures under that key.
  void InstallIn(const std::string& folder);
  void ConfigureWorkbook(const std::string& path);
  std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
  std::shared_ptr<ScriptedUI> ui = std::make_shared<ScriptedUI>();
  std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
  std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>();
  std::shared_ptr<RecordingViewer> viewer = std::make_shared<RecordingViewer>();
  std::shared_ptr<RecordingRenderer> progress = std::make_shared<RecordingRenderer>();
  // One monitor of 1024 by 768 pixels at 15 twips per pixel.
  std::shared_ptr<MonitorLayoutApi> monitors =
      std::make_shared<MonitorLayoutApi>(SingleMonitorLayout(1024, 768));
  int hostCreations = 0;
  std::vector<std::string> diagnostics;
  Platform platform;
};

}  // namespace velloway::test
