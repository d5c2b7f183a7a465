#include "gtk/MessageDialogs.h"

#include <string>

namespace velloway::gtk {
namespace {

GtkMessageType TypeOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information:
      return GTK_MESSAGE_INFO;
    case MsgIcon::Exclamation:
      return GTK_MESSAGE_WARNING;
    case MsgIcon::Critical:
      return GTK_MESSAGE_ERROR;
    case MsgIcon::None:
      break;
  }
  return GTK_MESSAGE_OTHER;
}

// GTK 3 message dialogs show no icon of their own; the box's icon goes left of its text.
void AddIcon(GtkWidget* dialog, MsgIcon icon) {
  const char* name = icon == MsgIcon::Information   ? "dialog-information-symbolic"
                     : icon == MsgIcon::Exclamation ? "dialog-warning-symbolic"
                     : icon == MsgIcon::Critical    ? "dialog-error-symbolic"
                                                    : nullptr;
  if (name == nullptr) return;
  GtkWidget* image = gtk_image_new_from_icon_name(name, GTK_ICON_SIZE_DIALOG);
  gtk_widget_set_valign(image, GTK_ALIGN_START);
  GtkWidget* row =
      gtk_widget_get_parent(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(dialog)));
  gtk_box_pack_start(GTK_BOX(row), image, FALSE, FALSE, 0);
  gtk_box_reorder_child(GTK_BOX(row), image, 0);
  gtk_widget_show(image);
}

MsgAnswer AnswerOf(gint response, MsgButtons buttons) {
  if (buttons == MsgButtons::OK) return MsgAnswer::OK;
  return response == GTK_RESPONSE_YES ? MsgAnswer::Yes : MsgAnswer::No;
}

// The library's texts break lines with CR LF; GTK would show the CR.
std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

MsgAnswer MessageDialogs::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                     const std::string& title) {
  if (icon == MsgIcon::Critical) ++criticalCount_;
  const bool question = buttons == MsgButtons::YesNo;
  if (question && fixedAnswer_) return *fixedAnswer_ ? MsgAnswer::Yes : MsgAnswer::No;
  // After the user closed the progress window the import's results are dropped: nothing more
  // is asked, and a question is answered No.
  if (progress_ && progress_->ClosedByUser()) return question ? MsgAnswer::No : MsgAnswer::OK;

  GtkWindow* parent = progress_ ? progress_->OnScreen() : nullptr;
  if (parent == nullptr) parent = hostWindow_;
  GtkWidget* dialog = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, TypeOf(icon),
                                             question ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s",
                                             WithoutCarriageReturns(text).c_str());
  AddIcon(dialog, icon);
  gtk_window_set_title(GTK_WINDOW(dialog), title.empty() ? kUntitledBoxTitle : title.c_str());
  gtk_window_set_position(GTK_WINDOW(dialog),
                          parent != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
  // The first button is the default one, so Enter answers OK or Yes.
  gtk_dialog_set_default_response(GTK_DIALOG(dialog),
                                  question ? GTK_RESPONSE_YES : GTK_RESPONSE_OK);
  const gint response = gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  return AnswerOf(response, buttons);
}

}  // namespace velloway::gtk
