#include "core/ForcedSeparator.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/LibraryState.h"
#include "core/modLocale.h"

namespace velloway::modLocale {
namespace {

// Beside the user's settings: the value to give back and the processes forcing ".".
const char* const kRecordKey = "Software\\Velloway\\Forced Settings";
const char* const kUserValue = "sDecimal";
const char* const kForcers = "Forced By";

// A process as "PID/START": the start time (clock ticks after boot) tells a reused id apart.
std::string ProcessStartTime(const std::string& pid) {
  std::ifstream in("/proc/" + pid + "/stat");
  std::string stat;
  std::getline(in, stat);
  const std::size_t paren = stat.rfind(')');
  if (paren == std::string::npos) return {};
  // After the command's closing parenthesis: state (field 3) ... start time (field 22).
  std::istringstream fields(stat.substr(paren + 1));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
    if (number == 3 && field == "Z") return {};  // killed, only waiting to be reaped
    if (number == 22) return field;
  }
  return {};
}

std::string ThisProcess() {
  const std::string pid = std::to_string(::getpid());
  return pid + "/" + ProcessStartTime(pid);
}

bool IsAlive(const std::string& forcer) {
  const std::size_t slash = forcer.find('/');
  if (slash == std::string::npos || slash == 0) return false;
  const std::string start = ProcessStartTime(forcer.substr(0, slash));
  return !start.empty() && start == forcer.substr(slash + 1);
}

struct Record {
  std::optional<std::string> userValue;
  std::vector<std::string> forcers;  // live ones only
};

Record ReadRecord(Registry& registry) {
  Record record;
  record.userValue = registry.ReadString(RegistryHive::CurrentUser, kRecordKey, kUserValue);
  std::istringstream list(
      registry.ReadString(RegistryHive::CurrentUser, kRecordKey, kForcers).value_or(""));
  for (std::string forcer; list >> forcer;) {
    if (IsAlive(forcer)) record.forcers.push_back(forcer);
  }
  return record;
}

void WriteForcers(Registry& registry, const std::vector<std::string>& forcers) {
  std::string list;
  for (const std::string& forcer : forcers) list += (list.empty() ? "" : " ") + forcer;
  registry.WriteString(RegistryHive::CurrentUser, kRecordKey, kForcers, list);
}

// Writes the user's value back and drops the record. A value that is no longer "." was set by
// the user after the forcer died, and is kept.
std::string GiveBack(LibraryState& state, const Record& record, const std::string& fallback) {
  std::string value = record.userValue.value_or(fallback);
  if (value.empty()) value = DefaultDecimalSeparator();
  const std::string now = GetLocaleValue(state, LOCALE_SDECIMAL);
  if (!record.userValue || now == "." || now.empty())
    SetLocaleValue(state, LOCALE_SDECIMAL, value);
  else
    value = now;
  state.platform.registry->DeleteKey(RegistryHive::CurrentUser, kRecordKey);
  return value;
}

}  // namespace

std::string ForceDecimalSeparator(LibraryState& state) {
  std::string userValue;
  if (!state.platform.registry) return userValue;
  Registry& registry = *state.platform.registry;
  registry.Exclusive([&] {
    Record record = ReadRecord(registry);
    if (record.userValue && record.forcers.empty()) {
      GiveBack(state, record, "");  // left by an import that died
      record = {};
    }
    // Without a record nobody forces: the setting in the store is the user's own. The record is
    // written (and synced) before "." so that a kill at any moment leaves the value findable.
    userValue = record.userValue ? *record.userValue : GetLocaleValue(state, LOCALE_SDECIMAL);
    if (!record.userValue) {
      registry.WriteString(RegistryHive::CurrentUser, kRecordKey, kUserValue, userValue);
    }
    record.forcers.push_back(ThisProcess());
    WriteForcers(registry, record.forcers);
    SetLocaleValue(state, LOCALE_SDECIMAL, ".");
  });
  return userValue;
}

void RestoreDecimalSeparator(LibraryState& state, const std::string& fallback) noexcept {
  if (!state.platform.registry) return;
  try {
    Registry& registry = *state.platform.registry;
    registry.Exclusive([&] {
      Record record = ReadRecord(registry);
      std::erase(record.forcers, ThisProcess());
      if (record.forcers.empty()) {
        GiveBack(state, record, fallback);
      } else {
        WriteForcers(registry, record.forcers);
      }
    });
  } catch (...) {
    // The next start of the library repairs what could not be written now.
  }
}

std::optional<std::string> RepairDecimalSeparator(LibraryState& state) noexcept {
  if (!state.platform.registry) return std::nullopt;
  std::optional<std::string> restored;
  try {
    Registry& registry = *state.platform.registry;
    registry.Exclusive([&] {
      const Record record = ReadRecord(registry);
      if (record.userValue && record.forcers.empty()) restored = GiveBack(state, record, "");
    });
  } catch (...) {
  }
  return restored;
}

}  // namespace velloway::modLocale
