#include "velloway/progress_renderer.h"

namespace velloway {
namespace {
class SilentRenderer : public ProgressRenderer {
 public:
  void Show(const ProgressView& /*view*/) override {}
  void Yield(const ProgressView& /*view*/) override {}
  void Hide(const ProgressView& /*view*/) override {}
};
}  // namespace

std::shared_ptr<ProgressRenderer> MakeSilentRenderer() {
  return std::make_shared<SilentRenderer>();
}

}  // namespace velloway
