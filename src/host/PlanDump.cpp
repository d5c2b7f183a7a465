#include "host/PlanDump.h"

#include <nlohmann/json.hpp>

namespace velloway::host {

std::string JsonString(const std::string& text) {
  // Bytes that are no UTF-8 become U+FFFD rather than making the whole dump fail.
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string PlanJson(const std::vector<TagContents>& contents) {
  std::string out = "{";
  for (std::size_t t = 0; t < contents.size(); ++t) {
    const TagContents& tag = contents[t];
    out += (t == 0 ? "\n  " : ",\n  ") + JsonString(tag.tag) + ": {\"data\": ";
    out += tag.data ? JsonString(*tag.data) : "null";
    out += ", \"sections\": {";
    for (std::size_t s = 0; s < tag.sections.size(); ++s) {
      out += (s == 0 ? "\n    " : ",\n    ") + JsonString(tag.sections[s].first) + ": [";
      const auto& values = tag.sections[s].second;
      for (std::size_t v = 0; v < values.size(); ++v) {
        out += (v == 0 ? "\n      [" : ",\n      [") + JsonString(values[v].first) + ", " +
               JsonString(values[v].second) + "]";
      }
      out += values.empty() ? "]" : "\n    ]";
    }
    out += tag.sections.empty() ? "}}" : "\n  }}";
  }
  return out + (contents.empty() ? "}\n" : "\n}\n");
}

}  // namespace velloway::host
