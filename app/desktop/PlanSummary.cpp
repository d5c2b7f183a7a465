#include "app/desktop/PlanSummary.h"

#include <sstream>

namespace velloway::app {

// How many values each section of each tag holds, and the size of a whole-tag text.
std::string PlanSummary(host::SqlitePlan& plan, const std::string& /*installDir*/) {
  std::ostringstream out;
  for (const host::TagContents& tag : plan.Contents()) {
    out << tag.tag << ':';
    if (tag.data) out << " a document of " << tag.data->size() << " characters;";
    for (const auto& [section, values] : tag.sections) {
      out << ' ' << section << ' ' << values.size()
          << (values.size() == 1 ? " value;" : " values;");
    }
    out << '\n';
  }
  return out.str();
}

}  // namespace velloway::app
