// Loading text into a document and writing a document out as text.
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlsave.h>

#include <climits>
#include <new>

#include "registerxml/XmlErrorCapture.h"
#include "registerxml/XmlTreeWriter.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modXMLToolbox {
namespace {

struct ParserCtxtDeleter {
  void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};

struct ParseGuard {
  XmlErrorCapture capture;
  bool refusedDtd = false;
};

ParseGuard& GuardOf(void* ctxt) {
  return *static_cast<ParseGuard*>(static_cast<xmlParserCtxtPtr>(ctxt)->_private);
}

// A document type declaration may declare entities (external ones, or a billion laughs): the
// parse stops at it, before any declaration inside is read.
void RefuseDoctype(void* ctxt, const xmlChar* /*name*/, const xmlChar* /*externalId*/,
                   const xmlChar* /*systemId*/) {
  GuardOf(ctxt).refusedDtd = true;
  xmlStopParser(static_cast<xmlParserCtxtPtr>(ctxt));
}

void RecordParserError(void* ctxt, xmlErrorPtr error) {
  if (error != nullptr) GuardOf(ctxt).capture.Record(*error);
}

XmlParseError Refusal(std::int32_t code, const std::string& reason) {
  XmlParseError error;
  error.errorCode = code;
  error.reason = reason + "\r\n";
  return error;
}

// Strings arrive as UTF-8 whatever their declaration says, as a string loaded into a DOM does;
// blank text between elements is dropped.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_IGNORE_ENC;

}  // namespace

XmlDocument LoadXml(const std::string& text, XmlParseError* error) {
  RefuseExternalResources();
  if (text.empty() || text.size() > INT_MAX) {
    if (error != nullptr) *error = Refusal(XML_ERR_DOCUMENT_EMPTY, "Document is empty");
    return nullptr;
  }
  std::unique_ptr<xmlParserCtxt, ParserCtxtDeleter> ctxt(
      xmlCreateMemoryParserCtxt(text.data(), static_cast<int>(text.size())));
  if (!ctxt) return nullptr;
  ParseGuard guard;
  guard.capture.text = &text;
  ctxt->_private = &guard;
  ctxt->sax->internalSubset = RefuseDoctype;
  ctxt->sax->externalSubset = RefuseDoctype;
  ctxt->sax->serror = RecordParserError;
  xmlCtxtUseOptions(ctxt.get(), kParseOptions);

  xmlParseDocument(ctxt.get());
  XmlDocument doc(ctxt->myDoc);
  ctxt->myDoc = nullptr;
  const bool loaded = ctxt->wellFormed != 0 && !guard.refusedDtd && doc != nullptr;
  if (loaded) return doc;
  if (error != nullptr) {
    if (guard.refusedDtd) {
      *error = Refusal(XML_ERR_USER_STOP, "A document type declaration is not allowed");
    } else {
      *error = guard.capture.first.value_or(Refusal(XML_ERR_INTERNAL_ERROR, "Unknown error"));
    }
  }
  return nullptr;
}

XmlTextBlocks WriteXmlBlocks(xmlDocPtr doc, bool indented) {
  XmlTextBlocks blocks;
  if (doc == nullptr) return blocks;
  // The register is stored unindented, and that text the tree writer makes; libxml2 writes the
  // indented text of an error message and the documents the tree writer leaves to it.
  try {
    if (!indented && WriteTreeText(doc, blocks)) return blocks;
  } catch (const std::bad_alloc&) {
    return {};
  }
  auto append = [](void* context, const char* piece, int size) {
    static_cast<XmlTextBlocks*>(context)->Append(piece, static_cast<std::size_t>(size));
    return size;
  };
  xmlSaveCtxtPtr save =
      xmlSaveToIO(append, nullptr, &blocks, "UTF-8", indented ? XML_SAVE_FORMAT : 0);
  if (save == nullptr) return {};
  const bool written = xmlSaveDoc(save, doc) >= 0;
  if (xmlSaveClose(save) < 0 || !written) return {};
  return blocks;
}

std::string XmlText(xmlDocPtr doc, bool indented) { return WriteXmlBlocks(doc, indented).Join(); }

}  // namespace velloway::modXMLToolbox
