// The desktop host's main window: a workbook and a plan chosen (the last ones remembered in the
// settings store), an Import button that runs the import with the desktop front end, then what
// was imported and the plan's contents as a tree.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "gtk/LogWindow.h"

namespace velloway::app {

class DesktopWindow {
 public:
  // Empty paths take the ones remembered from the last import.
  DesktopWindow(std::string installDir, const std::string& workbook, const std::string& plan);
  ~DesktopWindow();
  DesktopWindow(const DesktopWindow&) = delete;
  DesktopWindow& operator=(const DesktopWindow&) = delete;

  GtkWindow* Window() const { return GTK_WINDOW(window_); }
  // Runs one import of the chosen workbook into the chosen plan, as the Import button does.
  void Import();

  // What the window shows, for those who check it.
  std::string SummaryText() const;
  GtkTreeModel* PlanTree() const { return GTK_TREE_MODEL(tree_); }
  const gtk::LogWindow& LogWindows() const { return *logWindows_; }
  int ImportsDone() const { return importsDone_; }

 private:
  GtkWidget* PathRow(GtkWidget* grid, int row, const char* label, GtkWidget*& entry,
                     GCallback choose);
  GtkWidget* ResultsPane();
  void ShowPlan(const std::string& plan, const std::string& summary);
  static void OnChooseWorkbook(GtkWidget* button, gpointer self);
  static void OnChoosePlan(GtkWidget* button, gpointer self);
  static void OnImport(GtkWidget* button, gpointer self);
  static gboolean OnDelete(GtkWidget* window, GdkEvent* event, gpointer self);

  std::string installDir_;
  std::shared_ptr<gtk::LogWindow> logWindows_;
  GtkWidget* window_ = nullptr;
  GtkWidget* workbookEntry_ = nullptr;
  GtkWidget* planEntry_ = nullptr;
  GtkWidget* summary_ = nullptr;
  GtkTreeStore* tree_ = nullptr;
  GtkWidget* treeView_ = nullptr;
  bool importing_ = false;
  int importsDone_ = 0;
};

}  // namespace velloway::app
