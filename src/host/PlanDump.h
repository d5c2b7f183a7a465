// The plan's application data as JSON, or one tag's whole-tag text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/SqlitePlan.h"

namespace velloway::host {

// {"TAG": {"data": TEXT-or-null, "sections": {"SECTION": [["key", "value"], ...]}}, ...}
std::string PlanJson(const std::vector<TagContents>& contents);
// A JSON string of text, UTF-8 kept as it is.
std::string JsonString(const std::string& text);

}  // namespace velloway::host
