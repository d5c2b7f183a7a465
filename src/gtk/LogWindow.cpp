#include "gtk/LogWindow.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velloway::gtk {
namespace {

std::string ReadLog(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the error log '" + path + "'");
  std::ostringstream text;
  text << in.rdbuf();
  std::string log = text.str();
  std::erase(log, '\r');  // the log breaks lines with CR LF
  // A log that is not UTF-8 is still shown, its bad bytes replaced.
  gchar* valid = g_utf8_make_valid(log.c_str(), static_cast<gssize>(log.size()));
  log = valid;
  g_free(valid);
  return log;
}

GtkWidget* TextViewOf(GtkWidget* window) {
  GtkWidget* scrolled = gtk_bin_get_child(GTK_BIN(window));
  return gtk_bin_get_child(GTK_BIN(scrolled));
}

}  // namespace

LogWindow::~LogWindow() {
  for (GtkWidget* window : std::vector<GtkWidget*>(windows_)) gtk_widget_destroy(window);
}

void LogWindow::Open(const std::string& path) {
  const std::string log = ReadLog(path);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  const std::string name = path.substr(path.find_last_of('/') + 1);
  gtk_window_set_title(GTK_WINDOW(window), (name + " - Velloway").c_str());
  gtk_window_set_default_size(GTK_WINDOW(window), 640, 400);
  GtkWidget* view = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(view), FALSE);
  gtk_text_view_set_monospace(GTK_TEXT_VIEW(view), TRUE);
  gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), log.c_str(),
                           static_cast<gint>(log.size()));
  GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_container_add(GTK_CONTAINER(scrolled), view);
  gtk_container_add(GTK_CONTAINER(window), scrolled);
  g_signal_connect(window, "destroy", G_CALLBACK(OnDestroy), this);
  windows_.push_back(window);
  gtk_widget_show_all(window);
}

void LogWindow::OnDestroy(GtkWidget* window, gpointer self) {
  auto& windows = static_cast<LogWindow*>(self)->windows_;
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void LogWindow::WaitUntilClosed() {
  while (!windows_.empty()) gtk_main_iteration_do(TRUE);
}

std::string TextOf(GtkWidget* logWindow) {
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(TextViewOf(logWindow)));
  GtkTextIter start;
  GtkTextIter end;
  gtk_text_buffer_get_bounds(buffer, &start, &end);
  gchar* text = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
  std::string result = text;
  g_free(text);
  return result;
}

}  // namespace velloway::gtk
