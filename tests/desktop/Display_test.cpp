// The desktop front end on a real X server (a private Xvfb with two monitors): the progress
// window during an import, its placement, the message boxes, the error log window and the
// desktop host. Windows are found, measured, photographed and answered from outside with the X
// tools, as a user would see and press them; what GTK shows is read from the widgets.
#include "gtk/Display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <thread>

#include "XServer.h"
#include "app/ImportLaunch.h"
#include "app/WindowScreens.h"
#include "app/desktop/DesktopWindow.h"
#include "app/desktop/PlanTree.h"
#include "gtk/FrontEnd.h"
#include "host/FileRegistry.h"
#include "host/SqlitePlan.h"
#include "support/TempDir.h"

namespace velloway::test {
namespace {

const char* const kCaption = "Importing Risks from Microsoft Excel...";

// Lets the server and GTK catch up: windows mapped, placed and painted.
void Settle() {
  for (int i = 0; i < 5; ++i) {
    gdk_display_sync(gdk_display_get_default());
    gtk::PumpPendingEvents();
    g_usleep(20000);
  }
}

class Display : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<XServer>();
    if (server_->Running()) opened_ = gtk::OpenDisplay();
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->Running()) GTEST_SKIP() << server_->Problem();
    ASSERT_TRUE(opened_) << "GTK could not open the Xvfb display";
    ::setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1);
    ::setenv("TMPDIR", dir_.path().c_str(), 1);  // where the error log is written
  }
  void TearDown() override { ::unsetenv("TMPDIR"); }

  // A plain window standing for the host's, on the second monitor.
  GtkWidget* HostWindowOnSecondMonitor() {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Host");
    gtk_window_set_default_size(GTK_WINDOW(window), 300, 200);
    gtk_window_move(GTK_WINDOW(window), kMonitorWidth + 100, 150);
    gtk_widget_show_all(window);
    Settle();
    return window;
  }

  app::ImportOutcome Import(const std::string& workbook, const gtk::FrontEnd& front,
                            std::shared_ptr<ProgressRenderer> progress, std::int32_t host) {
    app::ImportScreens screens = app::WindowScreens(front, host);
    screens.progress = std::move(progress);
    screens.report = [this](const std::string& line) { reports_ += line + "\n"; };
    return app::RunLaunch({workbook, dir_.File("plan.db"), VELLOWAY_SOURCE_SHARE}, screens);
  }

  static inline std::unique_ptr<XServer> server_;
  static inline bool opened_ = false;
  TempDir dir_;
  std::string reports_;
};

// Draws through the progress window and records what the window shows at each yield; looks at
// the window from outside once it counts items, or closes it at a chosen yield.
class ProgressProbe : public ProgressRenderer {
 public:
  explicit ProgressProbe(std::shared_ptr<gtk::ProgressWindow> window, int closeAtYield = -1)
      : window_(std::move(window)), closeAtYield_(closeAtYield) {}

  void Show(const ProgressView& view) override {
    window_->Show(view);
    Record();
  }
  void Yield(const ProgressView& view) override {
    window_->Yield(view);
    Record();
    ++yields_;
    if (title.empty() && !window_->ItemText().empty() && window_->OnScreen() != nullptr) {
      LookFromOutside();
    }
    if (yields_ == closeAtYield_) gtk_window_close(window_->OnScreen());
  }
  void Hide(const ProgressView& view) override { window_->Hide(view); }

  std::vector<std::string> steps, items;
  std::string title;
  ScreenRect rect;

 private:
  void Record() {
    for (auto [list, text] :
         {std::pair{&steps, window_->StepText()}, {&items, window_->ItemText()}}) {
      if (!text.empty() && (list->empty() || list->back() != text)) list->push_back(text);
    }
  }
  void LookFromOutside() {
    Settle();
    const auto window = gtk::XWindowOf(GTK_WIDGET(window_->OnScreen()));
    title = WindowTitle(window);
    rect = WindowRect(window);
    Screenshot(window, "progress-window");
  }

  std::shared_ptr<gtk::ProgressWindow> window_;
  int closeAtYield_;
  int yields_ = 0;
};

TEST_F(Display, ProgressWindowShowsTheStepsAndIsCentredOnTheHostsMonitor) {
  GtkWidget* host = HostWindowOnSecondMonitor();
  const gtk::FrontEnd front = gtk::MakeFrontEnd(nullptr, false);
  auto probe = std::make_shared<ProgressProbe>(front.progress);
  const app::ImportOutcome outcome =
      Import(VELLOWAY_EXAMPLES "/register-2.1.xlsx", front, probe, gtk::XWindowOf(host));

  EXPECT_TRUE(outcome.committed) << reports_;
  EXPECT_EQ(probe->title, kCaption);
  const std::vector<std::string> steps = {"Creating of basic xml structure.",
                                          "Writing options to xml file.",
                                          "Writing pid information to xml file.",
                                          "Writing risks to xml file.",
                                          "Writing mitigation actions to xml file.",
                                          "Writing task impacts to xml file.",
                                          "Adding quantitative risk information to xml file.",
                                          "Writing risk history to xml file.",
                                          "Doing final calculations."};
  EXPECT_EQ(probe->steps, steps);
  ASSERT_FALSE(probe->items.empty());
  EXPECT_EQ(probe->items.front().rfind("Importing Risk - ", 0), 0u) << probe->items.front();
  // Centred on the second monitor, where the host's window is.
  EXPECT_EQ(probe->rect.x, kMonitorWidth + (kMonitorWidth - probe->rect.width) / 2);
  EXPECT_EQ(probe->rect.y, (kMonitorHeight - probe->rect.height) / 2);
  gtk_widget_destroy(host);
}

// What a message dialog is, seen from inside while it runs: its kind and its buttons.
struct DialogSeen {
  GtkMessageType type = GTK_MESSAGE_OTHER;
  std::string icon;
  std::string buttons;  // their labels, each followed by a blank
};

gboolean InspectDialog(gpointer data) {
  auto* seen = static_cast<DialogSeen*>(data);
  GList* toplevels = gtk_window_list_toplevels();
  bool found = false;
  for (GList* item = toplevels; item != nullptr && !found; item = item->next) {
    if (!GTK_IS_MESSAGE_DIALOG(item->data) || !gtk_widget_get_visible(GTK_WIDGET(item->data)))
      continue;
    found = true;
    g_object_get(item->data, "message-type", &seen->type, nullptr);
    GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(item->data));
    GList* row = gtk_container_get_children(GTK_CONTAINER(gtk_widget_get_parent(area)));
    if (GTK_IS_IMAGE(row->data)) {
      const gchar* name = nullptr;
      gtk_image_get_icon_name(GTK_IMAGE(row->data), &name, nullptr);
      seen->icon = name;
    }
    g_list_free(row);
    for (int response : {GTK_RESPONSE_OK, GTK_RESPONSE_YES, GTK_RESPONSE_NO}) {
      GtkWidget* button = gtk_dialog_get_widget_for_response(GTK_DIALOG(item->data), response);
      if (button != nullptr)
        seen->buttons += gtk_button_get_label(GTK_BUTTON(button)) + std::string(" ");
    }
  }
  g_list_free(toplevels);
  return found ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
}

// A user at the screen: waits for the window with this title, photographs it, presses keys.
std::thread AnswerWindow(const std::string& title, const std::string& keys,
                         const std::string& shot) {
  return std::thread([=] {
    const std::int32_t window = WaitForWindow(title);
    if (window == 0) return;
    g_usleep(300000);  // painted
    Screenshot(window, shot);
    if (!keys.empty()) PressKeys(window, keys);
  });
}

TEST_F(Display, MessageBoxesHaveTheirTitleIconAndButtons) {
  const struct {
    MsgIcon icon;
    MsgButtons buttons;
    const char* title;  // the box's own; "Velloway" is shown without one
    const char* keys;
    GtkMessageType type;
    const char* iconName;
    const char* shownButtons;
    MsgAnswer answer;
    const char* shot;
  } cases[] = {
      {MsgIcon::Exclamation, MsgButtons::OK, "", "Return", GTK_MESSAGE_WARNING,
       "dialog-warning-symbolic", "_OK ", MsgAnswer::OK, "box-exclamation"},
      {MsgIcon::Critical, MsgButtons::OK, "MSXMLParser", "Return", GTK_MESSAGE_ERROR,
       "dialog-error-symbolic", "_OK ", MsgAnswer::OK, "box-critical"},
      {MsgIcon::Information, MsgButtons::YesNo, "", "alt+n", GTK_MESSAGE_INFO,
       "dialog-information-symbolic", "_Yes _No ", MsgAnswer::No, "box-question"},
      {MsgIcon::None, MsgButtons::YesNo, "", "Return", GTK_MESSAGE_OTHER, "", "_Yes _No ",
       MsgAnswer::Yes, "box-plain"},
  };
  gtk::MessageDialogs dialogs(nullptr, nullptr, std::nullopt);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    DialogSeen seen;
    g_timeout_add(50, InspectDialog, &seen);
    std::thread user = AnswerWindow(*c.title ? c.title : "Velloway", c.keys, c.shot);
    const MsgAnswer answer = dialogs.MessageBox(
        "R1 already exists.\r\nWould you like to replace this risk?", c.icon, c.buttons, c.title);
    user.join();
    Settle();  // the box has left the screen before the next one is looked for
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(seen.type, c.type);
    EXPECT_EQ(seen.icon, c.iconName);
    EXPECT_EQ(seen.buttons, c.shownButtons);
  }
}

TEST_F(Display, AnsweringYesToTheErrorLogQuestionOpensTheLogWindow) {
  const gtk::FrontEnd front = gtk::MakeFrontEnd(nullptr, std::nullopt);
  std::thread user = AnswerWindow("Velloway", "Return", "box-error-log-question");
  const app::ImportOutcome outcome =
      Import(VELLOWAY_TEST_WORKBOOKS "/register-2.1-orphan-action.xlsx", front, front.progress, 1);
  user.join();
  EXPECT_TRUE(outcome.committed) << reports_;
  ASSERT_EQ(front.logWindows->Windows().size(), 1u);
  GtkWidget* log = front.logWindows->Windows().front();
  Settle();
  const auto window = gtk::XWindowOf(log);
  EXPECT_EQ(WindowTitle(window), "ExcelToRRErrorLog.txt - Velloway");
  Screenshot(window, "error-log-window");
  const std::string text = gtk::TextOf(log);
  EXPECT_NE(text.find("R-MISSING"), std::string::npos) << text;
  std::string expected = ReadFile(dir_.File("ExcelToRRErrorLog.txt"));
  std::erase(expected, '\r');
  EXPECT_EQ(text, expected);
}

TEST_F(Display, ClosingTheProgressWindowLeavesThePlanAndTheSettingsAsTheyWere) {
  host::FileRegistry settings(host::FileRegistry::DefaultPath());
  settings.WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal", ",");
  const gtk::FrontEnd front = gtk::MakeFrontEnd(nullptr, std::nullopt);
  auto probe = std::make_shared<ProgressProbe>(front.progress, 2);
  const app::ImportOutcome outcome =
      Import(VELLOWAY_EXAMPLES "/register-2.2.xlsx", front, probe, 1);

  EXPECT_FALSE(outcome.committed);
  EXPECT_NE(reports_.find("window was closed"), std::string::npos) << reports_;
  EXPECT_EQ(front.progress->OnScreen(), nullptr);
  EXPECT_TRUE(host::SqlitePlan::Open(dir_.File("plan.db"), host::SqlitePlan::Mode::OpenExisting)
                  ->Contents()
                  .empty());
  EXPECT_EQ(
      settings.ReadString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal"),
      ",");
}

// The text of each row in order, indented by depth: "RR2", "  |Details", "    ||Currency|£".
std::vector<std::string> Rows(GtkTreeModel* model, GtkTreeIter* parent, int depth,
                              std::size_t limit) {
  std::vector<std::string> rows;
  GtkTreeIter row;
  for (gboolean more = gtk_tree_model_iter_children(model, &row, parent);
       more && rows.size() < limit; more = gtk_tree_model_iter_next(model, &row)) {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    for (int column = 0; column < app::kPlanTreeColumns; ++column) {
      gchar* text = nullptr;
      gtk_tree_model_get(model, &row, column, &text, -1);
      line += (column > 0 ? "|" : "") + std::string(text != nullptr ? text : "");
      g_free(text);
    }
    rows.push_back(line);
    for (const std::string& child : Rows(model, &row, depth + 1, limit - rows.size()))
      rows.push_back(child);
  }
  return rows;
}

TEST_F(Display, DesktopHostImportsTheExampleAndShowsThePlanAsATree) {
  const std::string plan = dir_.File("desktop.db");
  app::DesktopWindow desktop(VELLOWAY_SOURCE_SHARE, VELLOWAY_EXAMPLES "/register-2.2.xlsx", plan);
  gtk_window_move(desktop.Window(), kMonitorWidth + 60, 40);
  Settle();
  const auto window = gtk::XWindowOf(GTK_WIDGET(desktop.Window()));
  std::thread user([window] { PressKeys(window, "alt+i"); });
  for (int i = 0; i < 400 && desktop.ImportsDone() == 0; ++i) {
    gtk::PumpPendingEvents();
    g_usleep(25000);
  }
  user.join();
  ASSERT_EQ(desktop.ImportsDone(), 1);
  Settle();
  Screenshot(window, "desktop-host");

  EXPECT_NE(desktop.SummaryText().find("\nDetails: 3\n"), std::string::npos)
      << desktop.SummaryText();
  const std::vector<std::string> rows = Rows(desktop.PlanTree(), nullptr, 0, 3);
  EXPECT_EQ(rows, (std::vector<std::string>{"RR2|||", "  |Details||", "    ||Currency|£"}));
  // The choice is remembered for the next start.
  app::DesktopWindow again(VELLOWAY_SOURCE_SHARE, "", "");
  EXPECT_EQ(gtk_entry_get_text(GTK_ENTRY(
                gtk_grid_get_child_at(GTK_GRID(gtk_bin_get_child(GTK_BIN(again.Window()))), 1, 1))),
            plan);

  // A register XML document becomes an element tree, its attributes under each element.
  GtkTreeStore* store = app::NewPlanTreeStore();
  app::FillPlanTree(store, {{"RR2-XML",
                             "<?xml version=\"1.0\"?><ksrr:Kestrion xmlns:ksrr=\"urn:k\"><Risk "
                             "ID=\"R1\"><Title>Fire</Title></Risk></ksrr:Kestrion>",
                             {}}});
  EXPECT_EQ(Rows(GTK_TREE_MODEL(store), nullptr, 0, 10),
            (std::vector<std::string>{"RR2-XML|||", "  ||ksrr:Kestrion|", "    ||Risk|",
                                      "      ||@ID|R1", "      ||Title|Fire"}));
  g_object_unref(store);
}

// Without a display the command refuses --gui; the installation's test sees that message.
TEST_F(Display, ImportCommandWithGuiPrintsTheSummaryAndCentresOnTheTerminal) {
  // The summary on stdout, as without --gui.
  const std::string shown = Shell("cd '" + dir_.path() +
                                  "' && '" VELLOWAY_CLI "' import '" VELLOWAY_EXAMPLES
                                  "/register-2.2.xlsx' --plan cli.db --gui 2>&1; echo \"exit $?\"");
  EXPECT_EQ(shown.rfind("Details: 3\n", 0), 0u) << shown;
  EXPECT_TRUE(shown.ends_with("\nexit 0")) << shown;

  GtkWidget* host = HostWindowOnSecondMonitor();
  const std::string id = std::to_string(gtk::XWindowOf(host));
  ::setenv("WINDOWID", id.c_str(), 1);
  EXPECT_EQ(gtk::TerminalWindow(), gtk::XWindowOf(host));
  ::setenv("WINDOWID", "12", 1);  // no window: the active one, and no window manager names one
  EXPECT_EQ(gtk::TerminalWindow(), 0);
  ::unsetenv("WINDOWID");
  gtk_widget_destroy(host);
}

}  // namespace
}  // namespace velloway::test
