// The monitor the environment describes when the host names none.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace velloway {

struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The preferred mode of the first connected display listed under drmFolder (the kernel lists
// its displays in /sys/class/drm), taking the displays in name order; nothing when none is
// connected or readable.
std::optional<PixelSize> FirstConnectedDisplayMode(const std::filesystem::path& drmFolder);

// The size the default monitor has when the kernel names no display.
inline constexpr PixelSize kFallbackMonitorSize{1920, 1080};

}  // namespace velloway
