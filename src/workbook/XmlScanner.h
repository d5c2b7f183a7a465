// A streaming tokenizer for the XML of worksheets and shared strings, the bulk of every
// workbook. That XML is small (elements, attributes, text, the five predefined entities,
// character references, CDATA, comments and processing instructions), so a tokenizer for it
// alone runs several times faster than a general parser. It is as strict as libxml2 about what
// it accepts: UTF-8 and XML characters, names, matching tags, declared prefixes, unique
// attributes, references, nesting depth. A document type declaration is damage, as on the
// general path, so no entity is ever declared. A part that starts in a way only a general
// parser should judge (another encoding, an unusual declaration) goes to libxml2 whole, before
// any of it reaches the handler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "workbook/XmlChars.h"
#include "workbook/XmlStream.h"

namespace velloway::workbook {

class ZipPackage;

// Parses the named part into the handler as ParseXmlPart does, with the same failures.
void ScanXmlPart(ZipPackage& package, const std::string& partName, XmlHandler& handler);

// Thrown before any event when the part must go to the general parser instead.
struct NeedsGeneralParser {};

class XmlScanner {
 public:
  XmlScanner(const std::string& partName, XmlHandler& handler)
      : partName_(partName), handler_(handler) {}
  // Throws WorkbookError for damage, NeedsGeneralParser (first piece only), or what the
  // handler throws.
  void Feed(std::string_view piece);
  void Finish();

 private:
  enum class Step { Done, NeedMore };
  struct Attribute {
    std::size_t name = 0, nameEnd = 0, value = 0, valueEnd = 0;
    std::size_t local = 0;      // where the name after its prefix starts
    const char* uri = nullptr;  // the prefix's namespace; null without prefix
  };
  struct Binding {
    std::size_t depth;  // of the element that declared it
    std::string uri;
  };

  void Parse(bool last);
  void CheckCharacters(std::size_t from);
  Step Prolog(bool last);
  Step Markup();
  Step Text(bool last);
  Step StartTag();
  Step EndTag();
  Step Special();
  Step Comment();
  Step Instruction();
  Step Cdata();
  Step Bounded(std::string_view terminator, std::size_t from, std::size_t& at);

  void OpenElement(std::size_t name, std::size_t nameEnd, std::size_t end, bool empty);
  void Bind(const Attribute& attribute);
  const char* Resolve(std::size_t name, std::size_t colon) const;
  void CloseElement(const char* localName);
  void EmitText(std::size_t begin, std::size_t end, bool references);
  std::size_t DecodeInPlace(std::size_t begin, std::size_t end, bool attribute);
  void CheckUnique();
  std::size_t Reference(std::size_t at, std::size_t end, std::string& out) const;
  std::size_t NameEnd(std::size_t at) const;
  std::size_t SkipSpace(std::size_t at) const;
  std::size_t Colon(std::size_t name, std::size_t nameEnd) const;
  char At(std::size_t at) const { return buffer_[at]; }
  std::string_view Slice(std::size_t begin, std::size_t end) const {
    return std::string_view(buffer_).substr(begin, end - begin);
  }
  [[noreturn]] void Fail(std::size_t at, const std::string& what) const;

  const std::string& partName_;
  XmlHandler& handler_;
  std::string buffer_;
  std::size_t pos_ = 0;          // first byte not yet consumed
  std::size_t searchedTo_ = 0;   // an unfinished token was searched up to here
  std::size_t linesBefore_ = 1;  // line number of buffer_[0]
  Utf8Check utf8_;
  bool prologDone_ = false;
  bool rootDone_ = false;
  std::string openNames_;                // the qualified names of the open elements, end to end
  std::vector<std::size_t> openStarts_;  // where each open element's name starts in openNames_
  // Each prefix's declarations in scope, innermost last, and the prefixes in the order they were
  // declared, so that closing an element ends its own; looked up by hash, so that no number of
  // declarations makes a name slow to resolve.
  std::unordered_map<std::string, std::vector<Binding>> scopes_;
  std::vector<std::pair<std::size_t, std::string>> declared_;
  std::vector<Attribute> attributes_;
  std::vector<const unsigned char*> fields_;
  std::vector<std::pair<std::pair<std::string_view, std::string_view>, std::size_t>> sortedNames_;
  std::string scratch_;
};

}  // namespace velloway::workbook
