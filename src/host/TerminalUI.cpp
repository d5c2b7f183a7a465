#include "host/TerminalUI.h"

#include <unistd.h>

#include <cctype>
#include <string>

namespace velloway::host {
namespace {
const char* IconName(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information:
      return "Information";
    case MsgIcon::Exclamation:
      return "Exclamation";
    case MsgIcon::Critical:
      return "Critical";
    case MsgIcon::None:
      break;
  }
  return nullptr;
}
}  // namespace

std::string MessageBlock(const std::string& text, MsgIcon icon, const std::string& title) {
  std::string block;
  if (const char* name = IconName(icon)) block += std::string("[") + name + "] ";
  if (!title.empty()) block += title + ": ";
  return block + text;
}

TerminalUI::TerminalUI(std::FILE* out, std::FILE* in, std::optional<bool> fixedAnswer)
    : out_(out), in_(in), fixedAnswer_(fixedAnswer) {}

MsgAnswer TerminalUI::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                 const std::string& title) {
  if (icon == MsgIcon::Critical) ++criticalCount_;
  std::fprintf(out_, "%s\n", MessageBlock(text, icon, title).c_str());
  if (buttons == MsgButtons::OK) {
    std::fflush(out_);
    return MsgAnswer::OK;
  }
  bool yes = false;
  if (fixedAnswer_) {
    yes = *fixedAnswer_;
  } else if (in_ != nullptr && isatty(fileno(in_)) != 0) {
    yes = AskOnTerminal();
  }
  std::fprintf(out_, "Answer: %s\n", yes ? "Yes" : "No");
  std::fflush(out_);
  return yes ? MsgAnswer::Yes : MsgAnswer::No;
}

bool TerminalUI::AskOnTerminal() {
  std::fprintf(out_, "Yes or No? [y/N] ");
  std::fflush(out_);
  char line[64] = {};
  if (std::fgets(line, sizeof line, in_) == nullptr) return false;
  return std::tolower(static_cast<unsigned char>(line[0])) == 'y';
}

}  // namespace velloway::host
