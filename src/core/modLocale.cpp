#include "core/modLocale.h"

#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "core/LibraryState.h"

namespace velloway::modLocale {
namespace {

const char* const kInternationalKey = "Control Panel\\International";

const char* ValueName(std::int32_t informationType) {
  switch (informationType) {
    case LOCALE_SDECIMAL:
      return "sDecimal";
    case LOCALE_STHOUSAND:
      return "sThousand";
    case LOCALE_SSHORTDATE:
      return "sShortDate";
    case LOCALE_STIMEFORMAT:
      return "sTimeFormat";
    default:
      return nullptr;
  }
}

// The POSIX locale the environment names for a category, as an ICU locale ("de_DE.UTF-8@euro"
// becomes "de_DE"). The C and POSIX locales read as United States English.
icu::Locale EnvironmentLocale(const char* category) {
  const char* name = nullptr;
  for (const char* variable : {"LC_ALL", category, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      name = value;
      break;
    }
  }
  std::string posix = name == nullptr ? "" : name;
  posix = posix.substr(0, posix.find_first_of(".@"));
  if (posix.empty() || posix == "C" || posix == "POSIX") posix = "en_US";
  return icu::Locale::createFromName(posix.c_str());
}

std::string Utf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

// An ICU date or time pattern in the platform's letters. Years always get four digits, so that
// a date written as text reads back as the same date.
std::string PlatformPattern(const icu::UnicodeString& icuPattern) {
  // Newer locale data puts no-break spaces before the day-half marker; users type blanks.
  icu::UnicodeString blanks(icuPattern);
  blanks.findAndReplace(icu::UnicodeString(static_cast<UChar32>(0x202F)), " ");
  blanks.findAndReplace(icu::UnicodeString(static_cast<UChar32>(0x00A0)), " ");
  const std::string pattern = Utf8(blanks);
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '\'') {
      const std::size_t end = pattern.find('\'', i + 1);
      const std::size_t stop = end == std::string::npos ? pattern.size() : end + 1;
      out += pattern.substr(i, stop - i);
      i = stop;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    switch (c) {
      case 'y':
        out += "yyyy";
        break;
      case 'L':
        out += std::string(run, 'M');
        break;
      case 'E':
        out += run >= 4 ? "dddd" : "ddd";
        break;
      case 'a':
        out += "tt";
        break;
      case 'k':
        out += std::string(run, 'H');
        break;
      case 'K':
        out += std::string(run, 'h');
        break;
      default:
        out += pattern.substr(i, run);
        break;
    }
    i += run;
  }
  return out;
}

// The default of one setting for the environment's locale, from ICU's locale data.
std::optional<std::string> EnvironmentDefault(std::int32_t informationType) {
  UErrorCode status = U_ZERO_ERROR;
  if (informationType == LOCALE_SDECIMAL || informationType == LOCALE_STHOUSAND) {
    const icu::DecimalFormatSymbols symbols(EnvironmentLocale("LC_NUMERIC"), status);
    if (U_FAILURE(status)) return std::nullopt;
    return Utf8(symbols.getSymbol(informationType == LOCALE_SDECIMAL
                                      ? icu::DecimalFormatSymbols::kDecimalSeparatorSymbol
                                      : icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
  }
  const icu::Locale locale = EnvironmentLocale("LC_TIME");
  std::unique_ptr<icu::DateFormat> format(
      informationType == LOCALE_SSHORTDATE
          ? icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale)
          : icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
  auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format.get());
  if (simple == nullptr) return std::nullopt;
  icu::UnicodeString pattern;
  simple->toPattern(pattern);
  return PlatformPattern(pattern);
}

}  // namespace

std::string GetLocaleValue(LibraryState& state, std::int32_t informationType) {
  const char* name = ValueName(informationType);
  if (name == nullptr || !state.platform.registry) return {};
  try {
    auto& registry = *state.platform.registry;
    if (auto stored = registry.ReadString(RegistryHive::CurrentUser, kInternationalKey, name)) {
      return *stored;
    }
    // First use: the user's settings start as the environment's locale says.
    auto seeded = EnvironmentDefault(informationType);
    if (!seeded) return {};
    registry.WriteString(RegistryHive::CurrentUser, kInternationalKey, name, *seeded);
    return *seeded;
  } catch (const std::exception&) {
    return {};
  }
}

void SetLocaleValue(LibraryState& state, std::int32_t informationType, const std::string& value) {
  const char* name = ValueName(informationType);
  if (name == nullptr || !state.platform.registry) return;
  state.textSettings.reset();
  try {
    state.platform.registry->WriteString(RegistryHive::CurrentUser, kInternationalKey, name, value);
  } catch (const std::exception&) {
    // The outcome of a settings write is not ours to report.
  }
}

std::string DefaultDecimalSeparator() {
  auto value = EnvironmentDefault(LOCALE_SDECIMAL);
  return value && !value->empty() ? *value : ".";
}

const TextSettings& CurrentTextSettings(LibraryState& state) {
  if (state.textSettings) return *state.textSettings;
  TextSettings settings;
  auto take = [&](std::int32_t type, std::string& field) {
    std::string value = GetLocaleValue(state, type);
    if (!value.empty()) field = std::move(value);
  };
  take(LOCALE_SDECIMAL, settings.decimalSeparator);
  take(LOCALE_STHOUSAND, settings.thousandSeparator);
  take(LOCALE_SSHORTDATE, settings.dates.shortDate);
  take(LOCALE_STIMEFORMAT, settings.dates.timeFormat);
  state.textSettings = std::move(settings);
  return *state.textSettings;
}

}  // namespace velloway::modLocale
