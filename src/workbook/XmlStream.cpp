#include "workbook/XmlStream.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/WorkbookError.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

// What the C callbacks share: the handler, and the first failure, kept until the parser has
// returned, because exceptions must not unwind through libxml2.
struct ParseState {
  XmlHandler* handler = nullptr;
  const std::string* partName = nullptr;
  xmlParserCtxtPtr context = nullptr;
  std::exception_ptr failure;
  std::string xmlError;
};

void Fail(ParseState& state, std::exception_ptr failure) {
  if (!state.failure) state.failure = std::move(failure);
  xmlStopParser(state.context);
}

// libxml2, which is not asked to substitute entities, hands an ampersand in an attribute value
// over as "&#38;", however the document wrote it, for a tree builder to decode again. No other
// '&' reaches a value, so each "&#38;" is one '&'. The attributes come back with such values
// rewritten into `values`; the others stay libxml2's own.
const xmlChar** WithAmpersands(const xmlChar** attributes, int count,
                               std::vector<std::string>& values,
                               std::vector<const xmlChar*>& fields) {
  constexpr std::string_view kEscaped = "&#38;";
  const XmlAttributes given(attributes, count);
  const auto value = [&](int i) { return given.Value(i); };
  bool any = false;
  for (int i = 0; i < count && !any; ++i) any = value(i).find('&') != std::string_view::npos;
  if (!any) return attributes;
  fields.assign(attributes, attributes + static_cast<std::ptrdiff_t>(count) * 5);
  values.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::string_view raw = value(i);
    if (raw.find('&') == std::string_view::npos) continue;
    std::string& out = values[static_cast<std::size_t>(i)];
    for (std::size_t at = 0; at < raw.size();) {
      const bool escaped = raw.substr(at, kEscaped.size()) == kEscaped;
      out += raw[at];
      at += escaped ? kEscaped.size() : 1;
    }
    fields[static_cast<std::size_t>(i) * 5 + 3] = reinterpret_cast<const xmlChar*>(out.data());
    fields[static_cast<std::size_t>(i) * 5 + 4] =
        reinterpret_cast<const xmlChar*>(out.data() + out.size());
  }
  return fields.data();
}

void OnStart(void* user, const xmlChar* localName, const xmlChar* /*prefix*/,
             const xmlChar* /*uri*/, int /*namespaceCount*/, const xmlChar** /*namespaces*/,
             int attributeCount, int /*defaulted*/, const xmlChar** attributes) {
  auto& state = *static_cast<ParseState*>(user);
  if (state.failure) return;
  try {
    std::vector<std::string> values;
    std::vector<const xmlChar*> fields;
    state.handler->StartElement(
        reinterpret_cast<const char*>(localName),
        XmlAttributes(WithAmpersands(attributes, attributeCount, values, fields), attributeCount));
  } catch (...) {
    Fail(state, std::current_exception());
  }
}

void OnEnd(void* user, const xmlChar* localName, const xmlChar* /*prefix*/,
           const xmlChar* /*uri*/) {
  auto& state = *static_cast<ParseState*>(user);
  if (state.failure) return;
  try {
    state.handler->EndElement(reinterpret_cast<const char*>(localName));
  } catch (...) {
    Fail(state, std::current_exception());
  }
}

void OnCharacters(void* user, const xmlChar* text, int length) {
  auto& state = *static_cast<ParseState*>(user);
  if (state.failure) return;
  try {
    state.handler->Characters(
        std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length)));
  } catch (...) {
    Fail(state, std::current_exception());
  }
}

void OnDocumentType(void* user, const xmlChar* /*name*/, const xmlChar* /*publicId*/,
                    const xmlChar* /*systemId*/) {
  auto& state = *static_cast<ParseState*>(user);
  Fail(state,
       std::make_exception_ptr(Damaged(*state.partName + " has a document type declaration")));
}

void OnError(void* user, xmlErrorPtr error) {
  auto& state = *static_cast<ParseState*>(user);
  if (state.xmlError.empty() && error != nullptr && error->level >= XML_ERR_ERROR) {
    std::string message = error->message != nullptr ? error->message : "not well-formed";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
      message.pop_back();
    }
    state.xmlError = "line " + std::to_string(error->line) + ": " + message;
  }
}

xmlSAXHandler MakeHandler() {
  xmlSAXHandler sax{};
  sax.initialized = XML_SAX2_MAGIC;
  sax.startElementNs = OnStart;
  sax.endElementNs = OnEnd;
  sax.characters = OnCharacters;
  sax.cdataBlock = OnCharacters;
  sax.ignorableWhitespace = OnCharacters;
  sax.internalSubset = OnDocumentType;
  sax.externalSubset = OnDocumentType;
  sax.serror = OnError;
  return sax;
}

void Silent(void* /*context*/, const char* /*format*/, ...) {}

// A few of libxml2's complaints (bad encodings, for one) bypass the parser's own error
// callback and go to the generic handler, which writes to stderr; while a part is parsed
// they are silenced, and the caller's handler is put back afterwards.
class QuietGenericErrors {
 public:
  QuietGenericErrors() : function_(xmlGenericError), context_(xmlGenericErrorContext) {
    xmlSetGenericErrorFunc(nullptr, Silent);
  }
  ~QuietGenericErrors() { xmlSetGenericErrorFunc(context_, function_); }
  QuietGenericErrors(const QuietGenericErrors&) = delete;
  QuietGenericErrors& operator=(const QuietGenericErrors&) = delete;

 private:
  xmlGenericErrorFunc function_;
  void* context_;
};

struct ContextFree {
  void operator()(xmlParserCtxtPtr context) const noexcept {
    if (context->myDoc != nullptr) xmlFreeDoc(context->myDoc);
    xmlFreeParserCtxt(context);
  }
};

}  // namespace

void ParseXmlPart(ZipPackage& package, const std::string& partName, XmlHandler& handler) {
  static xmlSAXHandler sax = MakeHandler();
  const QuietGenericErrors quiet;
  ParseState state;
  state.handler = &handler;
  state.partName = &partName;
  std::unique_ptr<xmlParserCtxt, ContextFree> context(
      xmlCreatePushParserCtxt(&sax, &state, nullptr, 0, partName.c_str()));
  if (!context) throw WorkbookError("the XML parser cannot be started");
  state.context = context.get();
  // Never the network, never an external subset, never entity substitution.
  xmlCtxtUseOptions(context.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);

  auto check = [&](int code) {
    if (state.failure) std::rethrow_exception(state.failure);
    if (!state.xmlError.empty() || code != 0 || !context->wellFormed) {
      throw Damaged(partName + " " +
                    (state.xmlError.empty() ? std::string("is not well-formed") : state.xmlError));
    }
  };
  package.Read(partName, [&](std::span<const char> chunk) {
    check(xmlParseChunk(context.get(), chunk.data(), static_cast<int>(chunk.size()), 0));
  });
  check(xmlParseChunk(context.get(), nullptr, 0, 1));
}

}  // namespace velloway::workbook
