// The scanner's flow: pieces in, the declaration, text, and the kinds of markup other than
// tags (comments, processing instructions, CDATA sections).
#include "workbook/XmlScanner.h"

#include <algorithm>
#include <cstring>

#include "workbook/WorkbookError.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

// As libxml2 without its "huge" option: the longest single piece of markup (a tag, a comment,
// a CDATA section) it accepts; also what keeps an unfinished token from growing without end.
constexpr std::size_t kMaxToken = 10'000'000;
// A reference longer than this, still without its ';', is no reference.
constexpr std::size_t kMaxReference = 4096;

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return out;
}

// The pseudo-attributes of an XML declaration in their one regular form: version "1.0", then
// optionally encoding "UTF-8", then optionally standalone; anything else is for libxml2.
bool RegularDeclaration(std::string_view text) {
  static constexpr std::string_view kNames[] = {"version", "encoding", "standalone"};
  std::size_t at = 0;
  std::size_t next = 0;
  while (true) {
    const std::size_t start = at;
    while (at < text.size() && IsSpace(text[at])) ++at;
    if (at == text.size()) return next > 0;
    if (at == start && start > 0) return false;
    while (next < std::size(kNames) && !StartsWith(text.substr(at), kNames[next])) ++next;
    if (next == std::size(kNames)) return false;
    at += kNames[next].size();
    while (at < text.size() && IsSpace(text[at])) ++at;
    if (at == text.size() || text[at] != '=') return false;
    ++at;
    while (at < text.size() && IsSpace(text[at])) ++at;
    if (at == text.size() || (text[at] != '"' && text[at] != '\'')) return false;
    const std::size_t close = text.find(text[at], at + 1);
    if (close == std::string_view::npos) return false;
    const std::string value = Lower(text.substr(at + 1, close - at - 1));
    const bool fine = next == 0   ? value == "1.0"
                      : next == 1 ? value == "utf-8"
                                  : value == "yes" || value == "no";
    if (!fine || (next > 0 && start == 0)) return false;
    ++next;
    at = close + 1;
  }
}

// Sheets are mostly one long line, so a search beats looking at every byte.
std::size_t LineFeeds(std::string_view text) {
  std::size_t count = 0;
  for (auto at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace

void ScanXmlPart(ZipPackage& package, const std::string& partName, XmlHandler& handler) {
  try {
    XmlScanner scanner(partName, handler);
    package.Read(partName, [&](std::span<const char> chunk) {
      scanner.Feed(std::string_view(chunk.data(), chunk.size()));
    });
    scanner.Finish();
  } catch (const NeedsGeneralParser&) {
    ParseXmlPart(package, partName, handler);
  }
}

void XmlScanner::Fail(std::size_t at, const std::string& what) const {
  const auto line = linesBefore_ + LineFeeds(std::string_view(buffer_).substr(0, at));
  throw Damaged(partName_ + " line " + std::to_string(line) + ": " + what);
}

void XmlScanner::Feed(std::string_view piece) {
  if (pos_ > 0) {
    linesBefore_ += LineFeeds(std::string_view(buffer_).substr(0, pos_));
    buffer_.erase(0, pos_);
    searchedTo_ = searchedTo_ > pos_ ? searchedTo_ - pos_ : 0;
    pos_ = 0;
  }
  // Until the declaration is read the encoding is not known, so the characters are checked
  // once it is.
  std::size_t unchecked = prologDone_ ? buffer_.size() : 0;
  buffer_.append(piece);
  if (!prologDone_) {
    if (Prolog(false) == Step::NeedMore) return;
    unchecked = 0;
  }
  CheckCharacters(unchecked);
  Parse(false);
}

void XmlScanner::Finish() {
  if (!prologDone_) {
    Prolog(true);
    CheckCharacters(0);
  }
  Parse(true);
  if (utf8_.Midway()) Fail(buffer_.size(), "Input is not proper UTF-8");
  if (!openStarts_.empty()) {
    Fail(buffer_.size(), "Premature end of data in tag " + openNames_.substr(openStarts_.back()));
  }
  if (!rootDone_) Fail(buffer_.size(), "Document is empty");
}

void XmlScanner::CheckCharacters(std::size_t from) {
  const std::size_t bad = utf8_.FirstBad(Slice(from, buffer_.size()));
  if (bad != std::string_view::npos) {
    Fail(from + bad, "Input is not proper UTF-8, or holds a character XML does not allow");
  }
}

XmlScanner::Step XmlScanner::Prolog(bool last) {
  const std::string_view head(buffer_);
  if (head.size() < 4 && !last) return Step::NeedMore;
  // A byte order mark of UTF-16, or characters of two or four bytes: another encoding.
  if (StartsWith(head, "\xFE\xFF") || StartsWith(head, "\xFF\xFE") ||
      (head.size() >= 2 && (head[0] == '\0' || head[1] == '\0'))) {
    throw NeedsGeneralParser{};
  }
  if (StartsWith(head, "\xEF\xBB\xBF")) pos_ = 3;
  const std::string_view rest = head.substr(pos_);
  if (rest.size() < 6 && !last) return Step::NeedMore;
  if (StartsWith(rest, "<?xml") && rest.size() >= 6 && IsSpace(rest[5])) {
    const std::size_t close = rest.find("?>");
    if (close == std::string_view::npos) {
      if (!last && rest.size() < 1024) return Step::NeedMore;
      throw NeedsGeneralParser{};
    }
    if (!RegularDeclaration(rest.substr(6, close - 6))) throw NeedsGeneralParser{};
    pos_ += close + 2;
  }
  prologDone_ = true;
  return Step::Done;
}

void XmlScanner::Parse(bool last) {
  while (pos_ < buffer_.size()) {
    const Step step = At(pos_) == '<' ? Markup() : Text(last);
    if (step == Step::Done) continue;
    if (last) Fail(pos_, "Premature end of data");
    if (buffer_.size() - pos_ > kMaxToken) {
      Fail(pos_, "a piece of markup longer than " + std::to_string(kMaxToken) + " bytes");
    }
    return;
  }
}

XmlScanner::Step XmlScanner::Markup() {
  if (pos_ + 1 >= buffer_.size()) return Step::NeedMore;
  switch (At(pos_ + 1)) {
    case '/':
      return EndTag();
    case '?':
      return Instruction();
    case '!':
      return Special();
    default:
      return StartTag();
  }
}

XmlScanner::Step XmlScanner::Text(bool last) {
  const std::size_t size = buffer_.size();
  const void* found = std::memchr(buffer_.data() + pos_, '<', size - pos_);
  std::size_t end = found == nullptr ? size : static_cast<const char*>(found) - buffer_.data();
  if (openStarts_.empty()) {
    // Outside the root element only white space may stand between markup.
    for (std::size_t i = pos_; i < end; ++i) {
      if (!IsSpace(At(i))) {
        Fail(i, rootDone_ ? "Extra content at the end of the document"
                          : "Start tag expected, '<' not found");
      }
    }
    pos_ = end;
    return Step::Done;
  }
  if (found == nullptr && !last) {
    // The text goes on in the next piece: hand over what is whole, keeping back a reference
    // without its ';', a carriage return that a line feed may follow, and closing brackets.
    for (int held = 0; held < 3 && end > pos_ && (At(end - 1) == ']' || At(end - 1) == '\r');
         ++held) {
      --end;
    }
    const std::size_t amp = Slice(pos_, end).rfind('&');
    if (amp != std::string_view::npos && Slice(pos_ + amp, end).find(';') == std::string::npos) {
      end = pos_ + amp;
    }
    if (size - end > kMaxReference) Fail(end, "EntityRef: expecting ';'");
  }
  EmitText(pos_, end, true);
  pos_ = end;
  return found == nullptr ? Step::NeedMore : Step::Done;
}

XmlScanner::Step XmlScanner::Special() {
  const std::string_view rest = Slice(pos_, buffer_.size());
  for (const std::string_view opening : {"<!--", "<![CDATA[", "<!DOCTYPE"}) {
    if (rest.size() < opening.size() && StartsWith(opening, rest)) return Step::NeedMore;
  }
  if (StartsWith(rest, "<!--")) return Comment();
  if (StartsWith(rest, "<![CDATA[") && !openStarts_.empty()) return Cdata();
  if (StartsWith(rest, "<!DOCTYPE") && openStarts_.empty() && !rootDone_) {
    throw Damaged(partName_ + " has a document type declaration");
  }
  Fail(pos_, "StartTag: invalid element name");
}

XmlScanner::Step XmlScanner::Bounded(std::string_view terminator, std::size_t from,
                                     std::size_t& at) {
  const std::size_t found = std::string_view(buffer_).find(terminator, std::max(from, searchedTo_));
  if (found == std::string_view::npos) {
    searchedTo_ = std::max(from, buffer_.size() - std::min(buffer_.size(), terminator.size()));
    return Step::NeedMore;
  }
  searchedTo_ = 0;
  at = found;
  return Step::Done;
}

XmlScanner::Step XmlScanner::Comment() {
  std::size_t at = 0;
  if (Bounded("--", pos_ + 4, at) == Step::NeedMore) return Step::NeedMore;
  if (at + 2 >= buffer_.size()) {
    searchedTo_ = at;
    return Step::NeedMore;
  }
  if (At(at + 2) != '>') Fail(at, "Double hyphen within comment");
  pos_ = at + 3;
  return Step::Done;
}

XmlScanner::Step XmlScanner::Instruction() {
  const std::size_t name = pos_ + 2;
  const std::size_t nameEnd = NameEnd(name);
  if (nameEnd == std::string::npos) return Step::NeedMore;
  if (nameEnd == name) Fail(name, "xmlParsePI : no target name");
  if (Lower(Slice(name, nameEnd)) == "xml") {
    Fail(pos_, "XML declaration allowed only at the start of the document");
  }
  std::size_t at = 0;
  if (Bounded("?>", nameEnd, at) == Step::NeedMore) return Step::NeedMore;
  if (at > nameEnd && !IsSpace(At(nameEnd))) Fail(nameEnd, "ParsePI: PI target space expected");
  pos_ = at + 2;
  return Step::Done;
}

XmlScanner::Step XmlScanner::Cdata() {
  std::size_t at = 0;
  if (Bounded("]]>", pos_ + 9, at) == Step::NeedMore) return Step::NeedMore;
  EmitText(pos_ + 9, at, false);
  pos_ = at + 3;
  return Step::Done;
}

}  // namespace velloway::workbook
