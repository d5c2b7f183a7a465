#include "app/desktop/PlanTree.h"

#include <string>
#include <string_view>

namespace velloway::app {
namespace {

GtkTreeIter Append(GtkTreeStore* store, GtkTreeIter* parent, const std::string& tag,
                   const std::string& section, const std::string& key, const std::string& value) {
  GtkTreeIter row;
  gtk_tree_store_append(store, &row, parent);
  gtk_tree_store_set(store, &row, kTagColumn, tag.c_str(), kSectionColumn, section.c_str(),
                     kKeyColumn, key.c_str(), kValueColumn, value.c_str(), -1);
  return row;
}

// Builds element rows while GMarkup reads the document: one row per element (its name as the
// key, its own text as the value), its attributes as "@name" rows under it.
struct XmlRows {
  GtkTreeStore* store;
  std::vector<GtkTreeIter> open;  // the element rows from the root down
  GtkTreeIter top;
};

void StartElement(GMarkupParseContext* /*context*/, const gchar* name, const gchar** attributes,
                  const gchar** values, gpointer data, GError** /*error*/) {
  auto* rows = static_cast<XmlRows*>(data);
  GtkTreeIter* parent = rows->open.empty() ? &rows->top : &rows->open.back();
  rows->open.push_back(Append(rows->store, parent, "", "", name, ""));
  for (int i = 0; attributes[i] != nullptr; ++i) {
    if (std::string_view(attributes[i]).starts_with("xmlns")) continue;  // no data
    Append(rows->store, &rows->open.back(), "", "", std::string("@") + attributes[i], values[i]);
  }
}

void EndElement(GMarkupParseContext* /*context*/, const gchar* /*name*/, gpointer data,
                GError** /*error*/) {
  static_cast<XmlRows*>(data)->open.pop_back();
}

void Text(GMarkupParseContext* /*context*/, const gchar* text, gsize length, gpointer data,
          GError** /*error*/) {
  auto* rows = static_cast<XmlRows*>(data);
  const std::string value(text, length);
  if (rows->open.empty() || value.find_first_not_of(" \t\r\n") == std::string::npos) return;
  gtk_tree_store_set(rows->store, &rows->open.back(), kValueColumn, value.c_str(), -1);
}

// The document's element tree under the tag's row; the text itself when it is no XML that
// GMarkup reads (its declaration is skipped, since GMarkup knows none).
void AppendDocument(GtkTreeStore* store, GtkTreeIter* tagRow, std::string text) {
  if (text.rfind("<?xml", 0) == 0) text.erase(0, text.find("?>") + 2);
  XmlRows rows{store, {}, *tagRow};
  const GMarkupParser parser{StartElement, EndElement, Text, nullptr, nullptr};
  GMarkupParseContext* context =
      g_markup_parse_context_new(&parser, G_MARKUP_TREAT_CDATA_AS_TEXT, &rows, nullptr);
  const gboolean read = g_markup_parse_context_parse(context, text.c_str(),
                                                     static_cast<gssize>(text.size()), nullptr) &&
                        g_markup_parse_context_end_parse(context, nullptr);
  g_markup_parse_context_free(context);
  if (read == FALSE) Append(store, tagRow, "", "", "", text);
}

}  // namespace

GtkTreeStore* NewPlanTreeStore() {
  return gtk_tree_store_new(kPlanTreeColumns, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING,
                            G_TYPE_STRING);
}

void FillPlanTree(GtkTreeStore* store, const std::vector<host::TagContents>& contents) {
  gtk_tree_store_clear(store);
  for (const host::TagContents& tag : contents) {
    GtkTreeIter tagRow = Append(store, nullptr, tag.tag, "", "", "");
    if (tag.data) AppendDocument(store, &tagRow, *tag.data);
    for (const auto& [section, values] : tag.sections) {
      GtkTreeIter sectionRow = Append(store, &tagRow, "", section, "", "");
      for (const auto& [key, value] : values) Append(store, &sectionRow, "", "", key, value);
    }
  }
}

}  // namespace velloway::app
