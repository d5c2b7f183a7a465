#include "registerxml/XmlTreeWriter.h"

#include <libxml/parserInternals.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlsave.h>

#include <array>
#include <cstring>
#include <new>
#include <string_view>

namespace velloway::modXMLToolbox {
namespace {

// The characters escaped, with their replacements; a character without one is copied as it is
// (bytes above 127 included, the text being UTF-8). The terminating NUL ends the text.
using EscapeTable = std::array<std::string_view, 256>;

// In text: "<", ">", "&", and the carriage return, which a parser would turn into a line feed.
constexpr EscapeTable TextEscapes() {
  EscapeTable table{};
  table[0] = "";  // not null: the end of the text
  table['<'] = "&lt;";
  table['>'] = "&gt;";
  table['&'] = "&amp;";
  table['\r'] = "&#13;";
  return table;
}

// In an attribute value also the quote, and the line feed and tab a parser would turn into
// spaces.
constexpr EscapeTable AttributeEscapes() {
  EscapeTable table = TextEscapes();
  table['"'] = "&quot;";
  table['\n'] = "&#10;";
  table['\t'] = "&#9;";
  return table;
}

constexpr EscapeTable kTextEscapes = TextEscapes();
constexpr EscapeTable kAttributeEscapes = AttributeEscapes();

const char* Chars(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

void AppendRaw(XmlTextBlocks& out, const xmlChar* text) {
  if (text != nullptr) out.Append(Chars(text), std::strlen(Chars(text)));
}

void AppendEscaped(XmlTextBlocks& out, const xmlChar* text, const EscapeTable& escapes) {
  if (text == nullptr) return;
  const char* run = Chars(text);
  for (const char* p = run;; ++p) {
    const std::string_view escape = escapes[static_cast<unsigned char>(*p)];
    if (escape.data() == nullptr) continue;
    out.Append(run, static_cast<std::size_t>(p - run));
    if (*p == '\0') return;
    out.Append(escape.data(), escape.size());
    run = p + 1;
  }
}

// A namespace URI in double quotes; in single quotes when it holds a double quote, unless it
// holds both kinds, when its double quotes are escaped.
void AppendQuoted(XmlTextBlocks& out, const xmlChar* text) {
  const char* chars = Chars(text);
  if (std::strchr(chars, '"') == nullptr || std::strchr(chars, '\'') != nullptr) {
    out.Append('"');
    for (const char* p = chars; *p != '\0'; ++p) {
      if (*p == '"') {
        out.Append("&quot;", 6);
      } else {
        out.Append(*p);
      }
    }
    out.Append('"');
    return;
  }
  out.Append('\'');
  AppendRaw(out, text);
  out.Append('\'');
}

void AppendQualifiedName(XmlTextBlocks& out, xmlNsPtr ns, const xmlChar* name) {
  if (ns != nullptr && ns->prefix != nullptr) {
    AppendRaw(out, ns->prefix);
    out.Append(':');
  }
  AppendRaw(out, name);
}

// The declarations an element makes; the "xml" prefix is bound without one.
void AppendNamespaceDeclarations(XmlTextBlocks& out, xmlNsPtr ns) {
  for (; ns != nullptr; ns = ns->next) {
    if (ns->type != XML_LOCAL_NAMESPACE || ns->href == nullptr) continue;
    if (ns->prefix != nullptr && std::strcmp(Chars(ns->prefix), "xml") == 0) continue;
    out.Append(" xmlns", 6);
    if (ns->prefix != nullptr) {
      out.Append(':');
      AppendRaw(out, ns->prefix);
    }
    out.Append('=');
    AppendQuoted(out, ns->href);
  }
}

void AppendAttribute(XmlTextBlocks& out, xmlAttrPtr attribute) {
  out.Append(' ');
  AppendQualifiedName(out, attribute->ns, attribute->name);
  out.Append("=\"", 2);
  for (xmlNodePtr part = attribute->children; part != nullptr; part = part->next) {
    if (part->type == XML_TEXT_NODE) {
      AppendEscaped(out, part->content, kAttributeEscapes);
    } else if (part->type == XML_ENTITY_REF_NODE) {
      out.Append('&');
      AppendRaw(out, part->name);
      out.Append(';');
    }
  }
  out.Append('"');
}

// "<name" with the element's declarations and attributes, not yet closed.
void AppendStartTag(XmlTextBlocks& out, xmlNodePtr element) {
  out.Append('<');
  AppendQualifiedName(out, element->ns, element->name);
  AppendNamespaceDeclarations(out, element->nsDef);
  for (xmlAttrPtr attribute = element->properties; attribute != nullptr;
       attribute = attribute->next) {
    AppendAttribute(out, attribute);
  }
}

void AppendEndTag(XmlTextBlocks& out, xmlNodePtr element) {
  out.Append("</", 2);
  AppendQualifiedName(out, element->ns, element->name);
  out.Append('>');
}

void AppendText(XmlTextBlocks& out, xmlNodePtr text) {
  if (text->name == xmlStringTextNoenc) {
    AppendRaw(out, text->content);  // marked as not to be escaped
  } else {
    AppendEscaped(out, text->content, kTextEscapes);
  }
}

int AppendPiece(void* blocks, const char* piece, int size) {
  static_cast<XmlTextBlocks*>(blocks)->Append(piece, static_cast<std::size_t>(size));
  return size;
}

// Comments, processing instructions, CDATA and entity references are rare in a register (they
// come only from the fragments of the Options sheet): libxml2 writes them.
void AppendThroughLibxml2(XmlTextBlocks& out, xmlDocPtr doc, xmlNodePtr node) {
  xmlOutputBufferPtr buffer = xmlOutputBufferCreateIO(AppendPiece, nullptr, &out, nullptr);
  if (buffer == nullptr) throw std::bad_alloc();
  xmlNodeDumpOutput(buffer, doc, node, 0, 0, "UTF-8");
  if (xmlOutputBufferClose(buffer) < 0) throw std::bad_alloc();
}

// The node and everything below it, walked without recursion: a fragment may nest deeply.
void AppendNode(XmlTextBlocks& out, xmlDocPtr doc, xmlNodePtr top) {
  xmlNodePtr node = top;
  while (true) {
    if (node->type == XML_ELEMENT_NODE) {
      AppendStartTag(out, node);
      if (node->children != nullptr) {
        out.Append('>');
        node = node->children;
        continue;
      }
      out.Append("/>", 2);
    } else if (node->type == XML_TEXT_NODE) {
      AppendText(out, node);
    } else {
      AppendThroughLibxml2(out, doc, node);
    }
    // Up to the next sibling, closing the elements that end here.
    while (node != top && node->next == nullptr) {
      node = node->parent;
      AppendEndTag(out, node);
    }
    if (node == top) return;
    node = node->next;
  }
}

// A document this writer may write: an XML document of version "1.0" without a document type
// or standalone flag, as the register is made.
bool WritableHere(xmlDocPtr doc) {
  if (doc == nullptr || doc->type != XML_DOCUMENT_NODE || doc->intSubset != nullptr) return false;
  if (doc->standalone != -1 || doc->version == nullptr) return false;
  if (std::strcmp(Chars(doc->version), "1.0") != 0) return false;
  for (xmlNodePtr child = doc->children; child != nullptr; child = child->next) {
    if (child->type == XML_DTD_NODE) return false;
  }
  return true;
}

}  // namespace

bool WriteTreeText(xmlDocPtr doc, XmlTextBlocks& blocks) {
  if (!WritableHere(doc)) return false;
  constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  blocks.Append(kDeclaration.data(), kDeclaration.size());
  for (xmlNodePtr child = doc->children; child != nullptr; child = child->next) {
    AppendNode(blocks, doc, child);
    if (child->type != XML_XINCLUDE_START && child->type != XML_XINCLUDE_END) blocks.Append('\n');
  }
  return true;
}

}  // namespace velloway::modXMLToolbox
