// Reads one XML text with libxml2 and with the sheet tokenizer, fed in pieces of a given size,
// and writes what each handed its handler as one line of events, so that the two can be
// compared: the tokenizer must accept what libxml2 accepts, refuse what it refuses, and hand
// over the same names, attributes and text.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "workbook/WorkbookError.h"
#include "workbook/XmlScanner.h"
#include "workbook/XmlStream.h"
#include "workbook/ZipPackage.h"

namespace velloway::test {

class XmlEventLog : public workbook::XmlHandler {
 public:
  void StartElement(const char* name, const workbook::XmlAttributes& attributes) override {
    Flush();
    log_ += "<" + std::string(name);
    for (int i = 0; i < attributes.Count(); ++i) {
      log_ += " " + std::string(attributes.Name(i)) + "{" + std::string(attributes.Namespace(i)) +
              "}=" + std::string(attributes.Value(i));
    }
    log_ += ">";
  }
  void EndElement(const char* name) override {
    Flush();
    log_ += "</" + std::string(name) + ">";
  }
  void Characters(std::string_view text) override { text_ += text; }
  std::string Take() {
    Flush();
    return std::move(log_);
  }

 private:
  void Flush() {
    if (!text_.empty()) log_ += "[" + text_ + "]";
    text_.clear();
  }
  std::string log_;
  std::string text_;
};

// The events, or "refused" when the reader refused the text.
inline std::string ThroughLibxml2(const std::vector<unsigned char>& zipOfXml) {
  XmlEventLog log;
  try {
    auto package = workbook::ZipPackage::OpenBytes(zipOfXml);
    workbook::ParseXmlPart(package, "x.xml", log);
  } catch (const workbook::WorkbookError&) {
    return "refused";
  }
  return log.Take();
}

// The same through the tokenizer; empty when it hands the text to libxml2 instead.
inline std::string ThroughScanner(std::string_view xml, std::size_t pieceSize) {
  XmlEventLog log;
  const std::string name = "x.xml";
  try {
    workbook::XmlScanner scanner(name, log);
    for (std::size_t at = 0; at < xml.size(); at += pieceSize) {
      scanner.Feed(xml.substr(at, std::min(pieceSize, xml.size() - at)));
    }
    scanner.Finish();
  } catch (const workbook::WorkbookError&) {
    return "refused";
  } catch (const workbook::NeedsGeneralParser&) {
    return {};
  }
  return log.Take();
}

}  // namespace velloway::test
