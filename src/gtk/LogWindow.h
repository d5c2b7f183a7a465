// The error log in a read-only text window. The import does not wait for it; a host that ends
// after the import keeps running until the user has closed every log window.
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "velloway/log_viewer.h"

namespace velloway::gtk {

class LogWindow : public LogViewer {
 public:
  LogWindow() = default;
  ~LogWindow() override;
  LogWindow(const LogWindow&) = delete;
  LogWindow& operator=(const LogWindow&) = delete;

  // Throws when the file cannot be read.
  void Open(const std::string& path) override;

  // The windows still open, newest last.
  const std::vector<GtkWidget*>& Windows() const { return windows_; }
  // Runs GTK until the user has closed every log window.
  void WaitUntilClosed();

 private:
  static void OnDestroy(GtkWidget* window, gpointer self);
  std::vector<GtkWidget*> windows_;
};

// The text a log window shows.
std::string TextOf(GtkWidget* logWindow);

}  // namespace velloway::gtk
