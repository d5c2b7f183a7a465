#include "registerxml/XmlErrorCapture.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <mutex>

namespace velloway::modXMLToolbox {
namespace {

xmlParserInputPtr RefuseEverything(const char* /*url*/, const char* /*id*/,
                                   xmlParserCtxtPtr /*ctxt*/) {
  return nullptr;
}

std::string WithCrLf(std::string reason) {
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason + "\r\n";
}

// Fills the source line, its start in the text and, when the report has no column, the column of
// its first non-blank character.
void LocateInText(const std::string& text, XmlParseError& error) {
  std::size_t start = 0;
  for (std::int32_t line = 1; line < error.line && start != std::string::npos; ++line) {
    start = text.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (start == std::string::npos || start > text.size()) return;
  std::size_t end = text.find('\n', start);
  if (end == std::string::npos) end = text.size();
  std::string line = text.substr(start, end - start);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const std::size_t indent = line.find_first_not_of(" \t");
  if (error.linepos <= 0)
    error.linepos = static_cast<std::int32_t>(indent == line.npos ? 1 : indent + 1);
  error.filepos = static_cast<std::int32_t>(start) + error.linepos - 1;
  error.srcText = indent == line.npos ? std::string() : line.substr(indent);
}

}  // namespace

void XmlErrorCapture::Handler(void* capture, xmlErrorPtr error) {
  if (capture != nullptr && error != nullptr)
    static_cast<XmlErrorCapture*>(capture)->Record(*error);
}

void XmlErrorCapture::Record(const xmlError& error) {
  if (first || error.level == XML_ERR_WARNING) return;
  XmlParseError parsed;
  parsed.errorCode = error.code;
  parsed.reason = WithCrLf(error.message != nullptr ? error.message : "unknown error");
  parsed.line = error.line;
  parsed.linepos = error.int2;
  parsed.url = error.file != nullptr ? error.file : "";
  if (text != nullptr && parsed.line > 0) LocateInText(*text, parsed);
  first = std::move(parsed);
}

void RefuseExternalResources() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(RefuseEverything);
  });
}

}  // namespace velloway::modXMLToolbox
