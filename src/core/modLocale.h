// The user's locale settings that the import reads and forces: the decimal separator, the
// thousands separator and the date and time patterns. They live in the registry store under
// "Control Panel\International" and are seeded on first use from the environment's locale.
#pragma once

#include <cstdint>
#include <string>

#include "workbook/ValueText.h"

namespace velloway {
struct LibraryState;
}

namespace velloway::modLocale {

inline constexpr std::int32_t LOCALE_SDECIMAL = 14;
inline constexpr std::int32_t LOCALE_STHOUSAND = 15;
inline constexpr std::int32_t LOCALE_SSHORTDATE = 31;
inline constexpr std::int32_t LOCALE_STIMEFORMAT = 4099;

// The setting's text; empty when it cannot be read.
std::string GetLocaleValue(LibraryState& state, std::int32_t informationType);
// Writes the setting; failures are ignored.
void SetLocaleValue(LibraryState& state, std::int32_t informationType, const std::string& value);

// The environment locale's decimal separator, "." when even that cannot be had: what the
// user's setting goes back to when its value before a run could not be read.
std::string DefaultDecimalSeparator();

// The separators and patterns in force now, as value-to-text and text-to-value use them.
struct TextSettings {
  std::string decimalSeparator = ".";
  std::string thousandSeparator = ",";
  DateTimeFormats dates;
};
const TextSettings& CurrentTextSettings(LibraryState& state);

}  // namespace velloway::modLocale
