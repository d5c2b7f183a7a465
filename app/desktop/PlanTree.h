// The plan's contents as a tree: tag, section, key, value; a tag's whole-tag text that is an
// XML document becomes its element tree.
#pragma once

#include <gtk/gtk.h>

#include <vector>

#include "host/SqlitePlan.h"

namespace velloway::app {

enum PlanTreeColumn { kTagColumn, kSectionColumn, kKeyColumn, kValueColumn, kPlanTreeColumns };

// A store with the four text columns.
GtkTreeStore* NewPlanTreeStore();

// Replaces what the store holds with the plan's contents.
void FillPlanTree(GtkTreeStore* store, const std::vector<host::TagContents>& contents);

}  // namespace velloway::app
