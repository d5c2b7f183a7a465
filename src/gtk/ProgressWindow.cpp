#include "gtk/ProgressWindow.h"

#include <algorithm>

#include "gtk/Display.h"

namespace velloway::gtk {
namespace {

// The form's client area and controls in pixels: 528 by 123, the twip layout at 15 per pixel.
constexpr int kClientWidth = 528;
constexpr int kClientHeight = 123;
constexpr int kMargin = 8;
constexpr int kLabelHeight = 17;
constexpr int kBarWidth = 513;
constexpr int kBarHeight = 25;

// Bars as tall as the form's: the theme's thin bars would leave the form half empty.
constexpr const char* kStyle =
    "progressbar trough, progressbar progress { min-height: 21px; }"
    "progressbar progress { background-image: none; background-color: #3a7bd5; }";

double Fraction(const ProgressBarView& bar) {
  if (bar.max <= bar.min) return 0;
  return std::clamp(static_cast<double>((bar.value - bar.min) / (bar.max - bar.min)), 0.0, 1.0);
}

GtkWidget* Place(GtkWidget* fixed, GtkWidget* widget, int top, int width, int height) {
  gtk_widget_set_size_request(widget, width, height);
  gtk_fixed_put(GTK_FIXED(fixed), widget, kMargin, top);
  return widget;
}

GtkWidget* NewLabel() {
  GtkWidget* label = gtk_label_new("");
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
  return label;
}

void SetTextIfChanged(GtkWidget* label, std::string_view text) {
  const std::string wanted(text);
  if (wanted != gtk_label_get_text(GTK_LABEL(label))) {
    gtk_label_set_text(GTK_LABEL(label), wanted.c_str());
  }
}

void SetFractionIfChanged(GtkWidget* bar, double fraction) {
  if (fraction != gtk_progress_bar_get_fraction(GTK_PROGRESS_BAR(bar))) {
    gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(bar), fraction);
  }
}

}  // namespace

ProgressWindow::ProgressWindow(std::shared_ptr<HostMonitors> monitors)
    : monitors_(std::move(monitors)) {}

ProgressWindow::~ProgressWindow() {
  if (window_ != nullptr) gtk_widget_destroy(window_);
}

void ProgressWindow::Build() {
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  gtk_window_set_type_hint(GTK_WINDOW(window_), GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_window_set_default_size(GTK_WINDOW(window_), kClientWidth, kClientHeight);
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, kStyle, -1, nullptr);
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, kClientWidth, kClientHeight);
  stepLabel_ = Place(fixed, NewLabel(), 8, kBarWidth, kLabelHeight);
  stepBar_ = Place(fixed, gtk_progress_bar_new(), 32, kBarWidth, kBarHeight);
  itemLabel_ = Place(fixed, NewLabel(), 64, 505, kLabelHeight);
  itemBar_ = Place(fixed, gtk_progress_bar_new(), 88, kBarWidth, kBarHeight);
  for (GtkWidget* bar : {stepBar_, itemBar_}) {
    gtk_style_context_add_provider(gtk_widget_get_style_context(bar), GTK_STYLE_PROVIDER(css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  }
  g_object_unref(css);
  gtk_container_add(GTK_CONTAINER(window_), fixed);
  g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
}

void ProgressWindow::Show(const ProgressView& view) {
  if (closedByUser_) return;
  if (window_ == nullptr) Build();
  Draw(view);
  gtk_widget_show_all(window_);
  int width = 0;
  int height = 0;
  gtk_window_get_size(GTK_WINDOW(window_), &width, &height);
  if (const std::optional<MonitorInfo> monitor = monitors_->FormMonitor()) {
    const WindowOrigin origin = CentredOn(*monitor, {width, height});
    gtk_window_move(GTK_WINDOW(window_), origin.x, origin.y);
  }
  gtk_window_present(GTK_WINDOW(window_));
  PumpPendingEvents();
}

void ProgressWindow::Yield(const ProgressView& view) {
  if (window_ != nullptr && !closedByUser_) Draw(view);
  PumpPendingEvents();
}

void ProgressWindow::Hide(const ProgressView& view) {
  if (window_ == nullptr) return;
  Draw(view);
  gtk_widget_hide(window_);
  PumpPendingEvents();
}

// Called for every item of an import: only what changed is handed to GTK.
void ProgressWindow::Draw(const ProgressView& view) {
  const std::string caption(view.caption);
  const char* title = gtk_window_get_title(GTK_WINDOW(window_));
  if (title == nullptr || caption != title)
    gtk_window_set_title(GTK_WINDOW(window_), caption.c_str());
  SetTextIfChanged(stepLabel_, view.stepText);
  SetTextIfChanged(itemLabel_, view.itemText);
  SetFractionIfChanged(stepBar_, Fraction(view.stepBar));
  SetFractionIfChanged(itemBar_, Fraction(view.itemBar));
}

// Closing the window cannot stop the import half way (the library runs to its end); the window
// goes away and the host drops what the import wrote.
gboolean ProgressWindow::OnDelete(GtkWidget* widget, GdkEvent* /*event*/, gpointer self) {
  static_cast<ProgressWindow*>(self)->closedByUser_ = true;
  gtk_widget_hide(widget);
  return TRUE;
}

GtkWindow* ProgressWindow::OnScreen() const {
  return window_ != nullptr && gtk_widget_get_visible(window_) != FALSE ? GTK_WINDOW(window_)
                                                                        : nullptr;
}

std::string ProgressWindow::StepText() const {
  return stepLabel_ != nullptr ? gtk_label_get_text(GTK_LABEL(stepLabel_)) : "";
}

std::string ProgressWindow::ItemText() const {
  return itemLabel_ != nullptr ? gtk_label_get_text(GTK_LABEL(itemLabel_)) : "";
}

double ProgressWindow::StepFraction() const {
  return stepBar_ != nullptr ? gtk_progress_bar_get_fraction(GTK_PROGRESS_BAR(stepBar_)) : 0;
}

}  // namespace velloway::gtk
