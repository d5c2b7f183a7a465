#include "host/PlanDump.h"

#include <cstdio>

namespace velloway::host {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
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
