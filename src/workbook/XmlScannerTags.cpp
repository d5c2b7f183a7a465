// The scanner's tags, names, namespaces and references. A tag is read in two passes: the first
// only finds where its names and values lie (the tag may be unfinished, and then waits for the
// next piece untouched); the second, once it is whole, decodes its values and ends its names
// with a NUL in place, so the handler gets them without a copy.
#include <libxml/uri.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "workbook/OoxmlText.h"
#include "workbook/WorkbookError.h"
#include "workbook/XmlScanner.h"

namespace velloway::workbook {
namespace {

// As libxml2 without its "huge" option.
constexpr std::size_t kMaxDepth = 256;
constexpr char kXmlNamespace[] = "http://www.w3.org/XML/1998/namespace";
constexpr std::size_t npos = std::string::npos;

enum : unsigned char { kStart = 1, kName = 2 };

std::array<unsigned char, 128> AsciiNameTable() {
  std::array<unsigned char, 128> table{};
  for (unsigned c = 0; c < 128; ++c) {
    if (IsNameStart(c)) table[c] |= kStart | kName;
    if (IsNameChar(c)) table[c] |= kName;
  }
  return table;
}

const std::array<unsigned char, 128> kAscii = AsciiNameTable();

// libxml2 refuses a namespace that its own URI parser cannot read.
bool IsUri(const std::string& text) {
  xmlURIPtr uri = xmlParseURI(text.c_str());
  xmlFreeURI(uri);
  return uri != nullptr;
}

}  // namespace

// Where the name that starts at `at` ends: `at` itself when no name starts there, npos when
// the buffer ends inside it.
std::size_t XmlScanner::NameEnd(std::size_t at) const {
  const std::size_t size = buffer_.size();
  unsigned char wanted = kStart;
  while (at < size) {
    const auto c = static_cast<unsigned char>(buffer_[at]);
    if (c < 0x80) {
      if ((kAscii[c] & wanted) == 0) return at;
      ++at;
    } else {
      std::size_t length = 0;
      const std::uint32_t character = DecodeAt(buffer_, at, length);
      if (length == 0) return npos;
      if (!(wanted == kStart ? IsNameStart(character) : IsNameChar(character))) return at;
      at += length;
    }
    wanted = kName;
  }
  return npos;
}

std::size_t XmlScanner::SkipSpace(std::size_t at) const {
  while (at < buffer_.size() && IsSpace(buffer_[at])) ++at;
  return at;
}

// The colon of a prefixed name, npos for a name without prefix; a name with an empty part, a
// second colon or a local part that cannot start a name (a digit, say) is no qualified name.
std::size_t XmlScanner::Colon(std::size_t name, std::size_t nameEnd) const {
  std::size_t colon = npos;
  for (std::size_t at = name; at < nameEnd; ++at) {
    if (buffer_[at] != ':') continue;
    std::size_t length = 0;
    if (colon != npos || at == name || at + 1 == nameEnd ||
        !IsNameStart(DecodeAt(buffer_, at + 1, length))) {
      Fail(name, "Failed to parse QName '" + std::string(Slice(name, nameEnd)) + "'");
    }
    colon = at;
  }
  return colon;
}

XmlScanner::Step XmlScanner::StartTag() {
  const std::size_t size = buffer_.size();
  const std::size_t name = pos_ + 1;
  const std::size_t nameEnd = NameEnd(name);
  if (nameEnd == npos) return Step::NeedMore;
  if (nameEnd == name) Fail(name, "StartTag: invalid element name");
  attributes_.clear();
  std::size_t at = nameEnd;
  for (;;) {
    const std::size_t next = SkipSpace(at);
    if (next >= size) return Step::NeedMore;
    if (At(next) == '>' || At(next) == '/') {
      if (At(next) == '/' && next + 1 >= size) return Step::NeedMore;
      if (At(next) == '/' && At(next + 1) != '>') Fail(next, "Couldn't find end of Start Tag");
      OpenElement(name, nameEnd, At(next) == '>' ? next + 1 : next + 2, At(next) == '/');
      return Step::Done;
    }
    if (next == at) Fail(at, "attributes construct error");
    Attribute attribute;
    attribute.name = next;
    attribute.nameEnd = NameEnd(next);
    if (attribute.nameEnd == npos) return Step::NeedMore;
    if (attribute.nameEnd == next) Fail(next, "attributes construct error");
    const std::size_t equals = SkipSpace(attribute.nameEnd);
    if (equals >= size) return Step::NeedMore;
    if (At(equals) != '=') Fail(equals, "an attribute needs a value");
    const std::size_t quote = SkipSpace(equals + 1);
    if (quote >= size) return Step::NeedMore;
    if (At(quote) != '"' && At(quote) != '\'') Fail(quote, "AttValue: \" or ' expected");
    const void* close = std::memchr(buffer_.data() + quote + 1, At(quote), size - quote - 1);
    if (close == nullptr) return Step::NeedMore;
    attribute.value = quote + 1;
    attribute.valueEnd = static_cast<std::size_t>(static_cast<const char*>(close) - buffer_.data());
    attributes_.push_back(attribute);
    at = attribute.valueEnd + 1;
  }
}

void XmlScanner::OpenElement(std::size_t name, std::size_t nameEnd, std::size_t end, bool empty) {
  if (openStarts_.empty() && rootDone_) Fail(name, "Extra content at the end of the document");
  if (openStarts_.size() > kMaxDepth) {
    Fail(name, "Excessive depth in document: 256 use XML_PARSE_HUGE option");
  }
  openStarts_.push_back(openNames_.size());
  openNames_.append(Slice(name, nameEnd));
  // Declarations first: they hold for the element's own name and attributes.
  std::size_t kept = 0;
  for (const Attribute& attribute : attributes_) {
    const std::string_view qname = Slice(attribute.name, attribute.nameEnd);
    if (qname[0] == 'x' && (qname == "xmlns" || qname.substr(0, 6) == "xmlns:")) {
      Bind(attribute);
    } else {
      attributes_[kept++] = attribute;
    }
  }
  attributes_.resize(kept);
  fields_.clear();
  const auto* base = reinterpret_cast<const unsigned char*>(buffer_.data());
  for (Attribute& attribute : attributes_) {
    const std::size_t colon = Colon(attribute.name, attribute.nameEnd);
    attribute.local = colon == npos ? attribute.name : colon + 1;
    attribute.uri = colon == npos ? nullptr : Resolve(attribute.name, colon);
    const std::size_t valueEnd = DecodeInPlace(attribute.value, attribute.valueEnd, true);
    fields_.insert(fields_.end(),
                   {base + attribute.local, colon == npos ? nullptr : base + attribute.name,
                    reinterpret_cast<const unsigned char*>(attribute.uri), base + attribute.value,
                    base + valueEnd});
  }
  CheckUnique();
  const std::size_t colon = Colon(name, nameEnd);
  if (colon != npos) Resolve(name, colon);
  // The names are whole and checked: end each with a NUL where its delimiter was.
  for (const Attribute& attribute : attributes_) {
    buffer_[attribute.nameEnd] = '\0';
    if (attribute.local != attribute.name) buffer_[attribute.local - 1] = '\0';
  }
  buffer_[nameEnd] = '\0';
  const char* localName = buffer_.data() + (colon == npos ? name : colon + 1);
  pos_ = end;
  handler_.StartElement(localName, XmlAttributes(fields_.data(), static_cast<int>(kept)));
  if (empty) CloseElement(localName);
}

// Two attributes of one element may not share a name: the same unprefixed name, or the same
// local name in the same namespace.
void XmlScanner::CheckUnique() {
  const auto name = [this](const Attribute& attribute) {
    return std::make_pair(std::string_view(attribute.uri == nullptr ? "" : attribute.uri),
                          Slice(attribute.local, attribute.nameEnd));
  };
  const auto redefined = [&](const Attribute& attribute) {
    Fail(attribute.name, "Attribute " + std::string(name(attribute).second) + " redefined");
  };
  // A few attributes are compared pair by pair; many are sorted, so that no number of them
  // makes a tag slow.
  if (attributes_.size() <= 8) {
    for (std::size_t i = 1; i < attributes_.size(); ++i) {
      const std::string_view local = Slice(attributes_[i].local, attributes_[i].nameEnd);
      for (std::size_t j = 0; j < i; ++j) {
        // The local names first: they differ on nearly every tag, and cost no length count.
        if (local != Slice(attributes_[j].local, attributes_[j].nameEnd)) continue;
        if (name(attributes_[i]) == name(attributes_[j])) redefined(attributes_[i]);
      }
    }
    return;
  }
  sortedNames_.clear();
  for (std::size_t i = 0; i < attributes_.size(); ++i) {
    sortedNames_.emplace_back(name(attributes_[i]), i);
  }
  std::sort(sortedNames_.begin(), sortedNames_.end());
  for (std::size_t i = 1; i < sortedNames_.size(); ++i) {
    if (sortedNames_[i].first == sortedNames_[i - 1].first) {
      redefined(attributes_[sortedNames_[i].second]);
    }
  }
}

void XmlScanner::Bind(const Attribute& attribute) {
  const std::string_view qname = Slice(attribute.name, attribute.nameEnd);
  const std::string prefix(qname == "xmlns" ? std::string_view() : qname.substr(6));
  const std::size_t valueEnd = DecodeInPlace(attribute.value, attribute.valueEnd, true);
  const std::string uri(Slice(attribute.value, valueEnd));
  if (prefix == "xmlns" || (prefix == "xml") != (uri == kXmlNamespace) ||
      uri == "http://www.w3.org/2000/xmlns/" || (!prefix.empty() && uri.empty()) ||
      prefix.find(':') != npos || !IsUri(uri)) {
    Fail(attribute.name, "xmlns: the prefix " + prefix + " cannot be bound to '" + uri + "'");
  }
  const std::size_t depth = openStarts_.size();
  std::vector<Binding>& scope = scopes_[prefix];
  if (!scope.empty() && scope.back().depth == depth) {
    Fail(attribute.name, "Attribute " + std::string(qname) + " redefined");
  }
  scope.push_back({depth, uri});
  declared_.emplace_back(depth, prefix);
}

const char* XmlScanner::Resolve(std::size_t name, std::size_t colon) const {
  const std::string_view prefix = Slice(name, colon);
  if (prefix == "xml") return kXmlNamespace;
  const auto scope = scopes_.find(std::string(prefix));
  if (scope != scopes_.end() && !scope->second.empty()) return scope->second.back().uri.c_str();
  Fail(name, "Namespace prefix " + std::string(prefix) + " is not defined");
}

void XmlScanner::CloseElement(const char* localName) {
  handler_.EndElement(localName);
  const std::size_t depth = openStarts_.size();
  while (!declared_.empty() && declared_.back().first == depth) {
    scopes_[declared_.back().second].pop_back();
    declared_.pop_back();
  }
  openNames_.resize(openStarts_.back());
  openStarts_.pop_back();
  if (openStarts_.empty()) rootDone_ = true;
}

XmlScanner::Step XmlScanner::EndTag() {
  const std::size_t name = pos_ + 2;
  const std::size_t nameEnd = NameEnd(name);
  if (nameEnd == npos) return Step::NeedMore;
  const std::size_t close = SkipSpace(nameEnd);
  if (close >= buffer_.size()) return Step::NeedMore;
  if (nameEnd == name || At(close) != '>') Fail(name, "expected '>'");
  if (openStarts_.empty()) Fail(pos_, "Extra content at the end of the document");
  const std::string_view open = std::string_view(openNames_).substr(openStarts_.back());
  if (Slice(name, nameEnd) != open) {
    Fail(pos_, "Opening and ending tag mismatch: " + std::string(open) + " and " +
                   std::string(Slice(name, nameEnd)));
  }
  const std::size_t colon = Slice(name, nameEnd).find(':');
  buffer_[nameEnd] = '\0';
  pos_ = close + 1;
  CloseElement(buffer_.data() + (colon == npos ? name : name + colon + 1));
  return Step::Done;
}

void XmlScanner::EmitText(std::size_t begin, std::size_t end, bool references) {
  if (begin == end) return;
  // A CDATA section goes out as it stands, its line ends too: libxml2's push parser, which
  // read these parts before, keeps a carriage return there, and cells must read as they did.
  if (!references) {
    handler_.Characters(Slice(begin, end));
    return;
  }
  bool plain = true;
  for (std::size_t i = begin; i < end && plain; ++i) {
    const char c = buffer_[i];
    plain = c != '&' && c != '\r' && c != ']';
  }
  if (!plain) {
    const std::size_t brackets = Slice(begin, end).find("]]>");
    if (brackets != npos) Fail(begin + brackets, "Sequence ']]>' not allowed in content");
    end = DecodeInPlace(begin, end, false);
  }
  handler_.Characters(Slice(begin, end));
}

// Decodes references and line ends in place (a decoded text is never longer than its source)
// and returns the new end. An attribute value also turns white space into spaces and may not
// hold a '<'.
std::size_t XmlScanner::DecodeInPlace(std::size_t begin, std::size_t end, bool attribute) {
  // Most texts and values need nothing: find the first byte that may, before writing any.
  const auto untouched = [attribute](char c) {
    return c != '&' && c != '\r' && (!attribute || (c != '<' && c != '\n' && c != '\t'));
  };
  std::size_t at = begin;
  while (at < end && untouched(buffer_[at])) ++at;
  std::size_t out = at;
  while (at < end) {
    char c = buffer_[at];
    if (c == '&') {
      scratch_.clear();
      at = Reference(at, end, scratch_);
      buffer_.replace(out, scratch_.size(), scratch_);
      out += scratch_.size();
      continue;
    }
    if (c == '\r') {
      c = '\n';
      if (at + 1 < end && buffer_[at + 1] == '\n') ++at;
    }
    if (attribute && (c == '\n' || c == '\t')) c = ' ';
    if (attribute && c == '<') Fail(at, "Unescaped '<' not allowed in attributes values");
    buffer_[out++] = c;
    ++at;
  }
  return out;
}

// Appends the character a reference at `at` stands for; returns where the reference ends.
std::size_t XmlScanner::Reference(std::size_t at, std::size_t end, std::string& out) const {
  const std::size_t semicolon = Slice(at, end).find(';');
  if (semicolon == npos) Fail(at, "EntityRef: expecting ';'");
  const std::string_view name = Slice(at + 1, at + semicolon);
  static constexpr std::pair<std::string_view, char> kPredefined[] = {
      {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
  for (const auto& [entity, character] : kPredefined) {
    if (name == entity) {
      out += character;
      return at + semicolon + 1;
    }
  }
  if (name.size() < 2 || name[0] != '#') {
    Fail(at, "Entity '" + std::string(name) + "' not defined");
  }
  const bool hex = name[1] == 'x';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  std::uint32_t value = 0;
  for (const char c : digits) {
    int digit = c >= '0' && c <= '9' ? c - '0' : -1;
    if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) Fail(at, "xmlParseCharRef: invalid decimal value");
    value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit),
                                    0x110000);
  }
  if (digits.empty() || !IsXmlChar(value)) {
    Fail(at, "xmlParseCharRef: invalid xmlChar value " + std::to_string(value));
  }
  AppendUtf8(value, out);
  return at + semicolon + 1;
}

}  // namespace velloway::workbook
