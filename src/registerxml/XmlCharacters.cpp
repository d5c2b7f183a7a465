#include "registerxml/XmlCharacters.h"

#include <cstdint>
#include <cstdio>

namespace velloway::registerxml {
namespace {

constexpr std::uint32_t kNoUtf8 = 0xFFFFFFFF;

bool IsXmlCharacter(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Decodes the sequence at p and moves past it; kNoUtf8 for a malformed or overlong one.
std::uint32_t NextCharacter(const xmlChar*& p) {
  const xmlChar lead = *p++;
  if (lead < 0x80) return lead;
  int follow = 0;
  std::uint32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    follow = 1;
    c = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    follow = 2;
    c = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    follow = 3;
    c = lead & 0x07u;
  } else {
    return kNoUtf8;
  }
  for (int i = 0; i < follow; ++i, ++p) {
    if ((*p & 0xC0) != 0x80) return kNoUtf8;
    c = c << 6 | (*p & 0x3Fu);
  }
  constexpr std::uint32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
  return c < kShortest[follow] ? kNoUtf8 : c;
}

std::optional<std::uint32_t> FirstUnwritable(const xmlChar* text) {
  if (text == nullptr) return std::nullopt;
  for (const xmlChar* p = text; *p != 0;) {
    if (*p >= 0x20 && *p < 0x80) {  // the usual case, one byte at a time
      ++p;
      continue;
    }
    const std::uint32_t c = NextCharacter(p);
    if (!IsXmlCharacter(c)) return c;
  }
  return std::nullopt;
}

std::string Describe(xmlNodePtr holder, std::uint32_t c) {
  char character[32];
  if (c == kNoUtf8) {
    std::snprintf(character, sizeof character, "bytes that are no UTF-8");
  } else {
    std::snprintf(character, sizeof character, "U+%04X", static_cast<unsigned>(c));
  }
  xmlChar* path = xmlGetNodePath(holder);
  std::string where = path != nullptr ? reinterpret_cast<const char*>(path) : "a node";
  xmlFree(path);
  return where + " holds " + character;
}

// Text, CDATA, comments and processing instructions carry their characters in content; an
// attribute's value is the text node below it.
bool HasContent(xmlNodePtr node) {
  return node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE ||
         node->type == XML_COMMENT_NODE || node->type == XML_PI_NODE;
}

std::optional<std::string> Check(xmlNodePtr node) {
  for (; node != nullptr; node = node->next) {
    if (HasContent(node)) {
      if (const auto c = FirstUnwritable(node->content)) {
        xmlNodePtr holder = node->parent != nullptr ? node->parent : node;
        return Describe(holder, *c);
      }
      continue;
    }
    if (node->type != XML_ELEMENT_NODE) continue;
    for (xmlAttrPtr attr = node->properties; attr != nullptr; attr = attr->next) {
      if (auto found = Check(attr->children)) return found;
    }
    if (auto found = Check(node->children)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindUnwritableCharacter(xmlDocPtr doc) {
  return doc != nullptr ? Check(doc->children) : std::nullopt;
}

}  // namespace velloway::registerxml
