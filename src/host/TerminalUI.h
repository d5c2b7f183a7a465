// Message boxes on the terminal: one block on stderr per box; questions are answered by a fixed
// choice (--yes / --no), else asked on the terminal, else answered No.
#pragma once

#include <cstdio>
#include <optional>

#include "velloway/user_interface.h"

namespace velloway::host {

class TerminalUI : public UserInterface {
 public:
  // fixedAnswer answers every question; without it a terminal on stdin is asked.
  TerminalUI(std::FILE* out, std::FILE* in, std::optional<bool> fixedAnswer);
  MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                       const std::string& title) override;

  // How many boxes with the Critical icon were shown: the command's exit status needs it.
  int criticalCount() const { return criticalCount_; }

 private:
  bool AskOnTerminal();
  std::FILE* out_;
  std::FILE* in_;
  std::optional<bool> fixedAnswer_;
  int criticalCount_ = 0;
};

// The first line of a box's block: "[Icon] Title: text".
std::string MessageBlock(const std::string& text, MsgIcon icon, const std::string& title);

}  // namespace velloway::host
