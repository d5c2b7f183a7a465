// The import progress form as a GTK window: the caption, the step label and bar, the item label
// and bar, placed on the monitor the form was centred on. It runs on the import's thread: every
// yield lets GTK handle what is pending, so the window repaints and can be closed.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "gtk/HostMonitors.h"
#include "velloway/progress_renderer.h"

namespace velloway::gtk {

class ProgressWindow : public ProgressRenderer {
 public:
  explicit ProgressWindow(std::shared_ptr<HostMonitors> monitors);
  ~ProgressWindow() override;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void Show(const ProgressView& view) override;
  void Yield(const ProgressView& view) override;
  void Hide(const ProgressView& view) override;

  // True once the user closed the window during an import; it stays away from then on, and the
  // host drops what the import wrote.
  bool ClosedByUser() const { return closedByUser_; }
  // The window while it is on screen, else null: the parent of message boxes.
  GtkWindow* OnScreen() const;

  // What the window shows, for those who check it.
  std::string StepText() const;
  std::string ItemText() const;
  double StepFraction() const;

 private:
  void Build();
  void Draw(const ProgressView& view);
  static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);

  std::shared_ptr<HostMonitors> monitors_;
  GtkWidget* window_ = nullptr;
  GtkWidget* stepLabel_ = nullptr;
  GtkWidget* stepBar_ = nullptr;
  GtkWidget* itemLabel_ = nullptr;
  GtkWidget* itemBar_ = nullptr;
  bool closedByUser_ = false;
};

}  // namespace velloway::gtk
