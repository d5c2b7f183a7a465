#include "core/modToolBox.h"

#include <glob.h>
#include <sys/stat.h>

#include "core/LibraryState.h"
#include "core/Messages.h"
#include "workbook/ValueText.h"

namespace velloway::modToolBox {
namespace {

std::string ValueText(const modLocale::TextSettings& settings, const MessageValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<double>(&value)) {
    return GeneralNumberText(*number, settings.decimalSeparator);
  }
  if (const auto* date = std::get_if<DateValue>(&value)) {
    return DateSerialText(date->serial, settings.dates);
  }
  return {};
}

bool IsNormalFile(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.front() == '.') return false;  // dot-files count as hidden
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Whether a pattern (a folder with a trailing "/" stands for everything in it) matches a
// normal file.
bool PatternMatchesNormalFile(const std::string& pattern) {
  glob_t matches{};
  const int rc = ::glob(pattern.c_str(), GLOB_NOSORT, nullptr, &matches);
  bool found = false;
  for (std::size_t i = 0; rc == 0 && i < matches.gl_pathc && !found; ++i) {
    found = IsNormalFile(matches.gl_pathv[i]);
  }
  ::globfree(&matches);
  return found;
}

bool PathFindsNormalFile(const std::string& path) {
  if (path.empty()) return false;
  if (path.back() == '/') return PatternMatchesNormalFile(path + "*");
  if (path.find_first_of("*?") != std::string::npos) return PatternMatchesNormalFile(path);
  return IsNormalFile(path);
}

}  // namespace

std::string FormatMessage(const modLocale::TextSettings& settings, std::string messageTemplate,
                          std::initializer_list<MessageValue> values) {
  for (const MessageValue& value : values) {
    const auto at = messageTemplate.find("%x");
    if (at == std::string::npos) continue;
    messageTemplate.replace(at, 2, ValueText(settings, value));
  }
  return messageTemplate;
}

std::string FormatMessage(LibraryState& state, std::string messageTemplate,
                          std::initializer_list<MessageValue> values) {
  return FormatMessage(modLocale::CurrentTextSettings(state), std::move(messageTemplate), values);
}

bool FileExists(LibraryState& state, const std::string& path, bool showMessage) {
  const bool exists = PathFindsNormalFile(path);
  if (!exists && showMessage && state.platform.ui) {
    state.platform.ui->MessageBox(FormatMessage(state, msg::kFileDoesNotExist, {path}),
                                  MsgIcon::None, MsgButtons::OK, "");
  }
  return exists;
}

double TextToNumber(LibraryState& state, const std::string& text) {
  return text.empty() ? 0 : TextToNumber(modLocale::CurrentTextSettings(state), text);
}

bool TextToFlag(LibraryState& state, const std::string& text) {
  return !text.empty() && TextToFlag(modLocale::CurrentTextSettings(state), text);
}

std::string DateToText(LibraryState& state, double serial) {
  return DateSerialText(serial, modLocale::CurrentTextSettings(state).dates);
}

double TextToDate(LibraryState& state, const std::string& text) {
  const int year = state.platform.clock ? state.platform.clock->Now().year : 2000;
  return TextToDate(modLocale::CurrentTextSettings(state), text, year);
}

}  // namespace velloway::modToolBox
