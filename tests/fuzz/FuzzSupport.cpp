#include "FuzzSupport.h"

#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "control/modSubMain.h"
#include "core/LibraryState.h"
#include "host/MemoryRegistry.h"
#include "velloway/platform.h"

namespace velloway::fuzz {
namespace {
const char* const kRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

}  // namespace

std::vector<std::string> Split(std::string_view input) {
  std::vector<std::string> parts;
  while (parts.size() < 3) {
    const std::size_t end = input.find("\n--\n");
    if (end == std::string_view::npos) break;
    parts.emplace_back(input.substr(0, end));
    input.remove_prefix(end + 4);
  }
  parts.emplace_back(input);
  parts.resize(4);
  if (parts[3].empty()) {
    parts[3] = std::string("<workbook xmlns:r=\"") + kRels +
               "\"><sheets><sheet name=\"S\" r:id=\"rId1\"/></sheets></workbook>";
  }
  return parts;
}

std::vector<unsigned char> Package(const std::vector<std::string>& parts) {
  const std::string root = std::string("<Relationships><Relationship Id=\"rId1\" Type=\"") + kRels +
                           "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  const std::string rels = std::string("<Relationships><Relationship Id=\"rId1\" Type=\"") + kRels +
                           "/worksheet\" Target=\"s.xml\"/><Relationship Id=\"rId2\" Type=\"" +
                           kRels +
                           "/sharedStrings\" Target=\"t.xml\"/><Relationship Id=\"rId3\" Type=\"" +
                           kRels + "/styles\" Target=\"u.xml\"/></Relationships>";
  const std::pair<const char*, const std::string*> entries[] = {
      {"_rels/.rels", &root},         {"xl/_rels/workbook.xml.rels", &rels},
      {"xl/workbook.xml", &parts[3]}, {"xl/s.xml", &parts[0]},
      {"xl/t.xml", &parts[1]},        {"xl/u.xml", &parts[2]}};
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_source_keep(buffer);
  for (const auto& [name, text] : entries) {
    zip_source_t* source = zip_source_buffer(archive, text->data(), text->size(), 0);
    const zip_int64_t index = zip_file_add(archive, name, source, 0);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  zip_close(archive);
  zip_source_open(buffer);
  zip_source_seek(buffer, 0, SEEK_END);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(zip_source_tell(buffer)));
  zip_source_seek(buffer, 0, SEEK_SET);
  zip_source_read(buffer, bytes.data(), bytes.size());
  zip_source_close(buffer);
  zip_source_free(buffer);
  return bytes;
}

namespace {

class MemoryPlan : public Plan {
 public:
  std::string PlanFileName() override { return "/fuzz/plan"; }
  void SavePlan() override {}
  void WriteAppValue(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
    writes += static_cast<int>(key.empty() + value.empty()) + 1;
  }
  void WriteAppData(const std::string&, const std::string& text) override {
    writes += static_cast<int>(text.empty()) + 1;
  }
  int writes = 0;
};

class MemoryHost : public HostApplication {
 public:
  explicit MemoryHost(std::string folder) : folder_(std::move(folder)) {}
  std::shared_ptr<Plan> ActivePlan() override { return plan; }
  void SetFormActive(bool) override {}
  std::string InstallFolder() override { return folder_; }
  std::int32_t MainWindowHandle() override { return 1; }
  std::shared_ptr<MemoryPlan> plan = std::make_shared<MemoryPlan>();

 private:
  std::string folder_;
};

class NoUI : public UserInterface {
 public:
  MsgAnswer MessageBox(const std::string&, MsgIcon, MsgButtons buttons,
                       const std::string&) override {
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
  }
};

class NoViewer : public LogViewer {
 public:
  void Open(const std::string&) override {}
};

class FixedClock : public Clock {
 public:
  CivilTime Now() override { return {2026, 6, 15, 12, 0, 0}; }
};

// The host's installation folder: the working key, validation on and the shipped schema.
const std::string& InstallFolder() {
  static const std::string folder = [] {
    const auto path =
        std::filesystem::temp_directory_path() / ("velloway-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path / "RiskRegister");
    std::ofstream(path / "Kestrion.ini")
        << "[RegPath]\nWorkingKey=Fuzz\n[XML]\nSchemaValidationOn=TRUE\n";
    std::filesystem::copy_file(VELLOWAY_SOURCE_SHARE "/RiskRegister/RiskRegister.xsd",
                               path / "RiskRegister" / "RiskRegister.xsd",
                               std::filesystem::copy_options::overwrite_existing);
    return path.string();
  }();
  return folder;
}

}  // namespace

std::string WriteScratch(const std::uint8_t* data, std::size_t size, const std::string& extension) {
  const std::string path = InstallFolder() + "/input" + extension;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

int ImportWorkbook(const std::string& path, const std::string& decimalSeparator) {
  auto host = std::make_shared<MemoryHost>(InstallFolder());
  auto registry = std::make_shared<host::MemoryRegistry>();
  registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal",
                        decimalSeparator);
  registry->WriteString(RegistryHive::CurrentUser,
                        "SOFTWARE\\Kestrion Software\\Fuzz\\RiskRegister", "ExcelImportPath", path);
  Platform platform;
  platform.createHostApplication = [host] { return host; };
  platform.registry = registry;
  platform.ui = std::make_shared<NoUI>();
  platform.logViewer = std::make_shared<NoViewer>();
  platform.clock = std::make_shared<FixedClock>();
  platform.tempFolder = InstallFolder();
  LibraryState state(std::move(platform));
  modSubMain::Main(state);
  return host->plan->writes;
}

}  // namespace velloway::fuzz
