// Message boxes as GTK message dialogs: the box's icon and buttons, its title (the program's
// name when the box has none of its own), modal over the progress window or the host's window.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <optional>

#include "gtk/ProgressWindow.h"
#include "velloway/user_interface.h"

namespace velloway::gtk {

// The title a box without one of its own shows: a window needs a title to be found by.
inline constexpr const char* kUntitledBoxTitle = "Velloway";

class MessageDialogs : public UserInterface {
 public:
  // fixedAnswer answers every question without asking; hostWindow (may be null) is the parent
  // when the progress window is not on screen.
  MessageDialogs(std::shared_ptr<ProgressWindow> progress, GtkWindow* hostWindow,
                 std::optional<bool> fixedAnswer)
      : progress_(std::move(progress)), hostWindow_(hostWindow), fixedAnswer_(fixedAnswer) {}

  MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                       const std::string& title) override;

  // How many boxes with the Critical icon the import raised: the command's exit status needs it.
  int criticalCount() const { return criticalCount_; }

 private:
  std::shared_ptr<ProgressWindow> progress_;
  GtkWindow* hostWindow_;
  std::optional<bool> fixedAnswer_;
  int criticalCount_ = 0;
};

}  // namespace velloway::gtk
