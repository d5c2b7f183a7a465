// Drawing the import progress form. The form keeps its own state; a renderer only draws what the
// form shows, and its Yield is where the import hands control to the host's event loop.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "velloway/export.h"
#include "velloway/user_interface.h"

namespace velloway {

// One progress bar as it is drawn: a floating range and a value inside it.
struct ProgressBarView {
  float min = 0;
  float max = 100;
  float value = 0;
};

// What the form shows at one moment. The texts point into the form and are valid only for the
// length of the call that receives them.
struct ProgressView {
  std::string_view caption;
  std::string_view stepText;  // the label above the step bar
  ProgressBarView stepBar;
  std::string_view itemText;  // the label above the item bar
  ProgressBarView itemBar;
  bool visible = false;
};

class VELLOWAY_API ProgressRenderer {
 public:
  virtual ~ProgressRenderer() = default;
  // The form appears on screen.
  virtual void Show(const ProgressView& view) = 0;
  // The import yields to the host's event loop: draw the form if it is time to. Called for every
  // step and every item, so it must be cheap when it draws nothing.
  virtual void Yield(const ProgressView& view) = 0;
  // The form leaves the screen; view is its last state.
  virtual void Hide(const ProgressView& view) = 0;
  // Someone else is about to write where the form is drawn (a message box on the same terminal):
  // take the drawing away; the next Yield draws it again.
  virtual void Interrupt() {}
};

// Draws nothing.
VELLOWAY_API std::shared_ptr<ProgressRenderer> MakeSilentRenderer();

// Draws the form in place on err, at most a few times a second, when err is a terminal;
// otherwise the silent renderer. A host that was asked to be quiet uses the silent one.
VELLOWAY_API std::shared_ptr<ProgressRenderer> MakeTerminalRenderer(std::FILE* err);

// Message boxes shown through ui that first take the progress drawing off the screen they share;
// the drawing comes back at the import's next yield.
VELLOWAY_API std::shared_ptr<UserInterface> ClearProgressBeforeBoxes(
    std::shared_ptr<UserInterface> ui, std::shared_ptr<ProgressRenderer> renderer);

}  // namespace velloway
