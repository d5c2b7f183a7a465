#include "FuzzSupport.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "control/modSubMain.h"
#include "core/LibraryState.h"
#include "support/Fakes.h"

namespace velloway::fuzz {

namespace {

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

void ImportWorkbook(const std::string& path) {
  test::FakePlatform fakes;
  fakes.host->installFolder = InstallFolder();
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal",
                              ",");
  fakes.registry->WriteString(RegistryHive::CurrentUser,
                              "SOFTWARE\\Kestrion Software\\Fuzz\\RiskRegister", "ExcelImportPath",
                              path);
  fakes.platform.tempFolder = InstallFolder();
  fakes.platform.progressRenderer = nullptr;
  LibraryState state(fakes.platform);
  modSubMain::Main(state);
}

}  // namespace velloway::fuzz
