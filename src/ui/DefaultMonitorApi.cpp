#include "ui/DefaultMonitorApi.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "ui/MonitorLayout.h"
#include "ui/X11MonitorLayout.h"
#include "velloway/monitor_api.h"

namespace velloway {
namespace {
std::string FirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// A mode line reads "1920x1080", sometimes with a suffix such as "i" for interlaced.
std::optional<PixelSize> ParseMode(const std::string& line) {
  int width = 0;
  int height = 0;
  if (std::sscanf(line.c_str(), "%dx%d", &width, &height) != 2) return std::nullopt;
  if (width <= 0 || height <= 0) return std::nullopt;
  return PixelSize{width, height};
}
}  // namespace

std::optional<PixelSize> FirstConnectedDisplayMode(const std::filesystem::path& drmFolder) {
  std::error_code ec;
  std::vector<std::filesystem::path> connectors;
  for (const auto& entry : std::filesystem::directory_iterator(drmFolder, ec)) {
    connectors.push_back(entry.path());
  }
  std::sort(connectors.begin(), connectors.end());
  for (const auto& connector : connectors) {
    if (FirstLine(connector / "status") != "connected") continue;
    if (auto mode = ParseMode(FirstLine(connector / "modes"))) return mode;
  }
  return std::nullopt;
}

std::shared_ptr<MonitorApi> MakeDefaultMonitorApi() {
  if (auto layout = X11MonitorLayout()) return std::make_shared<MonitorLayoutApi>(*layout);
  const PixelSize size = FirstConnectedDisplayMode("/sys/class/drm").value_or(kFallbackMonitorSize);
  return std::make_shared<MonitorLayoutApi>(SingleMonitorLayout(size.width, size.height));
}

}  // namespace velloway
