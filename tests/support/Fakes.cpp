#include "support/Fakes.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace velloway::test {
namespace {
std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}
}  // namespace

void RecordingPlan::SavePlan() { calls.push_back({"SavePlan", "", "", "", ""}); }

void RecordingPlan::WriteAppValue(const std::string& tag, const std::string& section,
                                  const std::string& key, const std::string& value) {
  calls.push_back({"WriteAppValue", tag, section, key, value});
}

void RecordingPlan::WriteAppData(const std::string& tag, const std::string& text) {
  calls.push_back({"WriteAppData", tag, "", "", text});
}

MsgAnswer ScriptedUI::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                 const std::string& title) {
  boxes.push_back({text, icon, buttons, title});
  if (buttons == MsgButtons::OK) return MsgAnswer::OK;
  if (answers.empty()) return MsgAnswer::No;
  const MsgAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> ScriptedUI::Texts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : boxes) texts.push_back(box.text);
  return texts;
}

std::optional<std::string> MemoryRegistry::ReadString(RegistryHive hive, const std::string& keyPath,
                                                      const std::string& valueName) {
  return host::MemoryRegistry::ReadString(hive, Upper(keyPath), Upper(valueName));
}

void MemoryRegistry::WriteString(RegistryHive hive, const std::string& keyPath,
                                 const std::string& valueName, const std::string& value) {
  host::MemoryRegistry::WriteString(hive, Upper(keyPath), Upper(valueName), value);
}

void MemoryRegistry::DeleteKey(RegistryHive hive, const std::string& keyPath) {
  host::MemoryRegistry::DeleteKey(hive, Upper(keyPath));
}

FakePlatform::FakePlatform() {
  host->plan = std::make_shared<RecordingPlan>("/plans/project.db");
  host->installFolder = "/opt/kestrion";
  platform.createHostApplication = [this]() -> std::shared_ptr<HostApplication> {
    ++hostCreations;
    return host;
  };
  platform.registry = registry;
  platform.ui = ui;
  platform.logViewer = viewer;
  platform.clock = clock;
  platform.tempFolder = "/tmp";
  platform.diagnostic = [this](const std::string& line) { diagnostics.push_back(line); };
  platform.progressRenderer = progress;
  platform.monitors = monitors;
}

namespace {
const char* const kInternational = "Control Panel\\International";
}  // namespace

void FakePlatform::SetInternational(const std::string& name, const std::string& value) {
  registry->WriteString(RegistryHive::CurrentUser, kInternational, name, value);
}

std::string FakePlatform::International(const std::string& name) const {
  return registry->ReadString(RegistryHive::CurrentUser, kInternational, name).value_or("");
}

void FakePlatform::InstallIn(const std::string& folder) {
  host->installFolder = folder;
  std::ofstream(folder + "/Kestrion.ini") << "[RegPath]\nWorkingKey=Main\n";
}

void FakePlatform::ConfigureWorkbook(const std::string& path) {
  registry->WriteString(RegistryHive::CurrentUser,
                        "SOFTWARE\\Kestrion Software\\Main\\RiskRegister", "ExcelImportPath", path);
}

}  // namespace velloway::test
