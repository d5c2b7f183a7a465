#include "app/desktop/DesktopWindow.h"

#include <memory>
#include <sstream>

#include "app/ImportLaunch.h"
#include "app/WindowScreens.h"
#include "app/desktop/PlanTree.h"
#include "gtk/Display.h"
#include "host/FileRegistry.h"
#include "host/ImportSummary.h"

namespace velloway::app {
namespace {

// Where the last workbook and plan are remembered.
const char* const kSettingsKey = "SOFTWARE\\Velloway\\Desktop";

std::string Remembered(const char* name) {
  try {
    host::FileRegistry settings(host::FileRegistry::DefaultPath());
    return settings.ReadString(RegistryHive::CurrentUser, kSettingsKey, name).value_or("");
  } catch (const std::exception&) {
    return "";  // a damaged store only costs the remembered choice
  }
}

void Remember(const char* name, const std::string& value) {
  host::FileRegistry settings(host::FileRegistry::DefaultPath());
  settings.WriteString(RegistryHive::CurrentUser, kSettingsKey, name, value);
}

std::string EntryText(GtkWidget* entry) { return gtk_entry_get_text(GTK_ENTRY(entry)); }

// A file chooser over the window; the chosen file goes into the entry.
void ChooseInto(GtkWindow* parent, GtkWidget* entry, const char* title,
                GtkFileChooserAction action) {
  GtkWidget* dialog =
      gtk_file_chooser_dialog_new(title, parent, action, "_Cancel", GTK_RESPONSE_CANCEL, "_Select",
                                  GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  const std::string current = EntryText(entry);
  if (!current.empty()) gtk_file_chooser_set_filename(chooser, current.c_str());
  if (action == GTK_FILE_CHOOSER_ACTION_OPEN) {
    GtkFileFilter* workbooks = gtk_file_filter_new();
    gtk_file_filter_set_name(workbooks, "Workbooks");
    for (const char* pattern : {"*.xlsx", "*.xlsm", "*.xlsb", "*.xls", "*.ods"}) {
      gtk_file_filter_add_pattern(workbooks, pattern);
    }
    gtk_file_chooser_add_filter(chooser, workbooks);
  }
  if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    gchar* file = gtk_file_chooser_get_filename(chooser);
    gtk_entry_set_text(GTK_ENTRY(entry), file);
    g_free(file);
  }
  gtk_widget_destroy(dialog);
}

GtkWidget* TreeView(GtkTreeStore* store) {
  GtkWidget* view = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
  struct Column {
    const char* title;
    int width;
  };
  int column = 0;
  for (const Column c : {Column{"Tag", 80}, {"Section", 130}, {"Key", 170}, {"Value", 250}}) {
    GtkCellRenderer* text = gtk_cell_renderer_text_new();
    g_object_set(text, "ellipsize", PANGO_ELLIPSIZE_END, nullptr);
    GtkTreeViewColumn* col =
        gtk_tree_view_column_new_with_attributes(c.title, text, "text", column++, nullptr);
    gtk_tree_view_column_set_resizable(col, TRUE);
    gtk_tree_view_column_set_sizing(col, GTK_TREE_VIEW_COLUMN_FIXED);
    gtk_tree_view_column_set_fixed_width(col, c.width);
    gtk_tree_view_column_set_expand(col, column == kPlanTreeColumns);
    gtk_tree_view_append_column(GTK_TREE_VIEW(view), col);
  }
  GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_widget_set_vexpand(scrolled, TRUE);
  gtk_container_add(GTK_CONTAINER(scrolled), view);
  return scrolled;
}

}  // namespace

DesktopWindow::DesktopWindow(std::string installDir, const std::string& workbook,
                             const std::string& plan)
    : installDir_(std::move(installDir)),
      logWindows_(std::make_shared<gtk::LogWindow>()),
      tree_(NewPlanTreeStore()) {
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window_), "Velloway");
  gtk_window_set_icon_name(GTK_WINDOW(window_), "velloway");
  gtk_window_set_default_size(GTK_WINDOW(window_), 900, 560);
  GtkWidget* grid = gtk_grid_new();
  gtk_grid_set_row_spacing(GTK_GRID(grid), 6);
  gtk_grid_set_column_spacing(GTK_GRID(grid), 6);
  gtk_container_set_border_width(GTK_CONTAINER(grid), 10);
  PathRow(grid, 0, "_Workbook", workbookEntry_, G_CALLBACK(OnChooseWorkbook));
  PathRow(grid, 1, "_Plan", planEntry_, G_CALLBACK(OnChoosePlan));
  gtk_entry_set_text(GTK_ENTRY(workbookEntry_),
                     workbook.empty() ? Remembered("Workbook").c_str() : workbook.c_str());
  gtk_entry_set_text(GTK_ENTRY(planEntry_),
                     plan.empty() ? Remembered("Plan").c_str() : plan.c_str());
  GtkWidget* importButton = gtk_button_new_with_mnemonic("_Import");
  gtk_widget_set_halign(importButton, GTK_ALIGN_END);
  g_signal_connect(importButton, "clicked", G_CALLBACK(OnImport), this);
  gtk_grid_attach(GTK_GRID(grid), importButton, 2, 2, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), ResultsPane(), 0, 3, 3, 1);
  gtk_container_add(GTK_CONTAINER(window_), grid);
  g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
  gtk_widget_show_all(window_);
}

DesktopWindow::~DesktopWindow() {
  gtk_widget_destroy(window_);
  g_object_unref(tree_);
}

// What the last import wrote, beside the plan's tree.
GtkWidget* DesktopWindow::ResultsPane() {
  summary_ = gtk_label_new("Choose a workbook and a plan, then Import.");
  gtk_label_set_xalign(GTK_LABEL(summary_), 0);
  gtk_label_set_yalign(GTK_LABEL(summary_), 0);
  gtk_label_set_selectable(GTK_LABEL(summary_), TRUE);
  gtk_label_set_line_wrap(GTK_LABEL(summary_), TRUE);
  GtkWidget* summary = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(summary), GTK_POLICY_NEVER,
                                 GTK_POLICY_AUTOMATIC);
  gtk_container_add(GTK_CONTAINER(summary), summary_);
  GtkWidget* tree = TreeView(tree_);
  treeView_ = gtk_bin_get_child(GTK_BIN(tree));
  GtkWidget* pane = gtk_paned_new(GTK_ORIENTATION_HORIZONTAL);
  gtk_paned_pack1(GTK_PANED(pane), summary, FALSE, FALSE);
  gtk_paned_pack2(GTK_PANED(pane), tree, TRUE, FALSE);
  gtk_paned_set_position(GTK_PANED(pane), 220);
  gtk_widget_set_vexpand(pane, TRUE);
  return pane;
}

GtkWidget* DesktopWindow::PathRow(GtkWidget* grid, int row, const char* label, GtkWidget*& entry,
                                  GCallback choose) {
  GtkWidget* caption = gtk_label_new_with_mnemonic(label);
  gtk_label_set_xalign(GTK_LABEL(caption), 0);
  entry = gtk_entry_new();
  gtk_widget_set_hexpand(entry, TRUE);
  gtk_label_set_mnemonic_widget(GTK_LABEL(caption), entry);
  GtkWidget* button = gtk_button_new_with_label("Choose…");
  g_signal_connect(button, "clicked", choose, this);
  gtk_grid_attach(GTK_GRID(grid), caption, 0, row, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), entry, 1, row, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), button, 2, row, 1, 1);
  return entry;
}

void DesktopWindow::Import() {
  const std::string workbook = EntryText(workbookEntry_);
  const std::string plan = EntryText(planEntry_);
  if (workbook.empty() || plan.empty()) {
    gtk_label_set_text(GTK_LABEL(summary_), "Choose a workbook and a plan first.");
    return;
  }
  importing_ = true;
  // The window answers no input while the import runs on its thread, only repaints.
  gtk_widget_set_sensitive(gtk_bin_get_child(GTK_BIN(window_)), FALSE);
  const gtk::FrontEnd front = gtk::MakeFrontEnd(Window(), std::nullopt);
  ImportScreens screens = WindowScreens(front, gtk::XWindowOf(window_));
  screens.logViewer = logWindows_;  // log windows outlive the import
  auto reports = std::make_shared<std::ostringstream>();
  screens.report = [reports](const std::string& line) {
    *reports << line << '\n';
    std::fprintf(stderr, "velloway: %s\n", line.c_str());
  };
  const ImportOutcome outcome = RunLaunch({AbsolutePath(workbook), plan, installDir_}, screens);
  try {
    Remember("Workbook", AbsolutePath(workbook));
    Remember("Plan", AbsolutePath(plan));
  } catch (const std::exception& e) {
    *reports << "the choice could not be remembered: " << e.what() << '\n';
  }
  std::string summary = reports->str();
  if (outcome.committed) {
    summary += "Imported into the plan:\n" +
               host::FormatSummary(host::SummarizeImport(*outcome.plan, installDir_));
  }
  ShowPlan(plan, summary);
  importing_ = false;
  gtk_widget_set_sensitive(gtk_bin_get_child(GTK_BIN(window_)), TRUE);
  ++importsDone_;
}

void DesktopWindow::ShowPlan(const std::string& plan, const std::string& summary) {
  gtk_label_set_text(GTK_LABEL(summary_), summary.c_str());
  try {
    FillPlanTree(tree_,
                 host::SqlitePlan::Open(plan, host::SqlitePlan::Mode::OpenExisting)->Contents());
    // Each tag opened on its sections or its document's root.
    GtkTreeIter tag;
    for (gboolean more = gtk_tree_model_get_iter_first(GTK_TREE_MODEL(tree_), &tag); more;
         more = gtk_tree_model_iter_next(GTK_TREE_MODEL(tree_), &tag)) {
      GtkTreePath* path = gtk_tree_model_get_path(GTK_TREE_MODEL(tree_), &tag);
      gtk_tree_view_expand_row(GTK_TREE_VIEW(treeView_), path, FALSE);
      gtk_tree_path_free(path);
    }
    // and the first section on its values
    GtkTreePath* first = gtk_tree_path_new_from_string("0:0");
    gtk_tree_view_expand_row(GTK_TREE_VIEW(treeView_), first, FALSE);
    gtk_tree_path_free(first);
  } catch (const std::exception& e) {
    gtk_tree_store_clear(tree_);
    gtk_label_set_text(GTK_LABEL(summary_), (summary + e.what()).c_str());
  }
}

std::string DesktopWindow::SummaryText() const { return gtk_label_get_text(GTK_LABEL(summary_)); }

void DesktopWindow::OnChooseWorkbook(GtkWidget* /*button*/, gpointer self) {
  auto* me = static_cast<DesktopWindow*>(self);
  ChooseInto(me->Window(), me->workbookEntry_, "Choose the workbook", GTK_FILE_CHOOSER_ACTION_OPEN);
}

void DesktopWindow::OnChoosePlan(GtkWidget* /*button*/, gpointer self) {
  auto* me = static_cast<DesktopWindow*>(self);
  // A plan that does not exist yet is created by the import.
  ChooseInto(me->Window(), me->planEntry_, "Choose the plan", GTK_FILE_CHOOSER_ACTION_SAVE);
}

void DesktopWindow::OnImport(GtkWidget* /*button*/, gpointer self) {
  static_cast<DesktopWindow*>(self)->Import();
}

// The window stays while an import runs: the import cannot be stopped half way.
gboolean DesktopWindow::OnDelete(GtkWidget* /*window*/, GdkEvent* /*event*/, gpointer self) {
  if (static_cast<DesktopWindow*>(self)->importing_) return TRUE;
  gtk_main_quit();
  return FALSE;
}

}  // namespace velloway::app
