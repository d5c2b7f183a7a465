#include "velloway/progress_renderer.h"

namespace velloway {
namespace {
class ClearingUserInterface : public UserInterface {
 public:
  ClearingUserInterface(std::shared_ptr<UserInterface> ui,
                        std::shared_ptr<ProgressRenderer> renderer)
      : ui_(std::move(ui)), renderer_(std::move(renderer)) {}

  MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                       const std::string& title) override {
    renderer_->Interrupt();
    return ui_->MessageBox(text, icon, buttons, title);
  }

 private:
  std::shared_ptr<UserInterface> ui_;
  std::shared_ptr<ProgressRenderer> renderer_;
};
}  // namespace

std::shared_ptr<UserInterface> ClearProgressBeforeBoxes(
    std::shared_ptr<UserInterface> ui, std::shared_ptr<ProgressRenderer> renderer) {
  if (!renderer) return ui;
  return std::make_shared<ClearingUserInterface>(std::move(ui), std::move(renderer));
}

}  // namespace velloway
