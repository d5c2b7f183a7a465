// Validation of a finished document against the schema file, and the load-error message.
#include <libxml/xmlschemas.h>

#include <fstream>
#include <sstream>

#include "core/HostApp.h"
#include "core/ImportError.h"
#include "core/LibraryState.h"
#include "core/Messages.h"
#include "core/modReadIni.h"
#include "core/modToolBox.h"
#include "registerxml/XmlCharacters.h"
#include "registerxml/XmlErrorCapture.h"
#include "registerxml/modXMLToolbox.h"
#include "velloway/host_contract.h"

namespace velloway::modXMLToolbox {
namespace {

struct SchemaParserDeleter {
  void operator()(xmlSchemaParserCtxt* ctxt) const { xmlSchemaFreeParserCtxt(ctxt); }
};
struct SchemaDeleter {
  void operator()(xmlSchema* schema) const { xmlSchemaFree(schema); }
};
struct SchemaValidDeleter {
  void operator()(xmlSchemaValidCtxt* ctxt) const { xmlSchemaFreeValidCtxt(ctxt); }
};

// Only the exact text "FALSE" switches validation off; a missing key reads as "FALSE".
bool ValidationSwitchedOff(LibraryState& state) {
  const std::string ini = HostApp(state).InstallFolder() + "/" + kInstallationFileName;
  return modReadIni::ReadIniValue("XML", "SchemaValidationOn", ini, "FALSE") == "FALSE";
}

std::string ReadSchemaFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!(in && text << in.rdbuf())) throw ImportError("cannot read the schema file", path);
  return text.str();
}

// A compiled schema with the document it was read from, which must outlive it.
struct LoadedSchema {
  XmlDocument doc;
  std::unique_ptr<xmlSchema, SchemaDeleter> schema;
};

// Reads and compiles the schema file; throws ImportError when it cannot be used.
LoadedSchema LoadSchema(const std::string& schemaPath) {
  LoadedSchema loaded{LoadXml(ReadSchemaFile(schemaPath)), nullptr};
  if (!loaded.doc) throw ImportError("the schema file does not load", schemaPath);
  const auto targetNamespace =
      SelectXmlNodes(DocumentNode(loaded.doc.get()), "//*/@targetNamespace");
  if (!targetNamespace || targetNamespace->empty()) {
    throw ImportError("the schema has no target namespace", schemaPath);
  }
  XmlErrorCapture errors;
  std::unique_ptr<xmlSchemaParserCtxt, SchemaParserDeleter> parser(
      xmlSchemaNewDocParserCtxt(loaded.doc.get()));
  if (!parser) throw ImportError("cannot read the schema", schemaPath);
  xmlSchemaSetParserStructuredErrors(parser.get(), XmlErrorCapture::Handler, &errors);
  loaded.schema.reset(xmlSchemaParse(parser.get()));
  if (!loaded.schema) {
    throw ImportError(errors.first ? errors.first->reason : "the schema is not valid", schemaPath);
  }
  return loaded;
}

// Validates the document parsed from text; the result's code is 0 when it is valid.
XmlParseError Validate(xmlSchemaPtr schema, xmlDocPtr doc, const std::string& text) {
  XmlErrorCapture errors;
  errors.text = &text;
  std::unique_ptr<xmlSchemaValidCtxt, SchemaValidDeleter> validator(xmlSchemaNewValidCtxt(schema));
  if (!validator) throw ImportError("cannot validate with the schema");
  xmlSchemaSetValidStructuredErrors(validator.get(), XmlErrorCapture::Handler, &errors);
  const int rc = xmlSchemaValidateDoc(validator.get(), doc);
  if (rc < 0) throw ImportError("the validator failed");
  if (rc == 0) return {};
  if (errors.first) return *errors.first;
  XmlParseError unexplained;
  unexplained.errorCode = rc;
  unexplained.reason = "The document is not valid.\r\n";
  return unexplained;
}

}  // namespace

void ShowXmlParseError(LibraryState& state, const XmlParseError& error, const std::string& kind) {
  const std::string text = modToolBox::FormatMessage(
      state, msg::kXmlLoadFailed,
      {kind, static_cast<double>(error.errorCode), error.reason, static_cast<double>(error.line),
       static_cast<double>(error.linepos), static_cast<double>(error.filepos), error.srcText,
       error.url});
  state.platform.ui->MessageBox(text, MsgIcon::Critical, MsgButtons::OK, msg::kXmlParserTitle);
}

bool ValidateXmlWithSchema(LibraryState& state, xmlDocPtr doc, const std::string& schemaPath,
                           bool showErrors) {
  if (ValidationSwitchedOff(state)) return true;
  // Written out, a character that XML cannot hold makes text that does not parse again: that
  // ends the check as a failed parse does, without a message box. Looking for such characters
  // in the tree keeps the check from writing and parsing a valid register at all.
  if (const auto unwritable = registerxml::FindUnwritableCharacter(doc)) {
    if (state.platform.diagnostic) {
      state.platform.diagnostic("the register document does not parse once written: " +
                                *unwritable);
    }
    return false;
  }
  try {
    const LoadedSchema loaded = LoadSchema(schemaPath);
    // The tree itself is checked first: a valid register, the usual case, never needs a second
    // copy of itself in memory.
    const XmlParseError inTree = Validate(loaded.schema.get(), doc, {});
    if (inTree.errorCode == 0) return true;
    // An invalid one is checked again as indented text, so that the message can point at the
    // line and the element where it goes wrong.
    const std::string text = XmlText(doc, true);
    const XmlDocument copy = LoadXml(text);
    const XmlParseError located =
        copy ? Validate(loaded.schema.get(), copy.get(), text) : XmlParseError{};
    if (showErrors) ShowXmlParseError(state, located.errorCode != 0 ? located : inTree, "XML");
    return false;
  } catch (const std::exception& error) {
    if (state.platform.diagnostic) state.platform.diagnostic(error.what());
    state.platform.ui->MessageBox(msg::kSchemaValidationFailed, MsgIcon::Critical, MsgButtons::OK,
                                  "");
    return false;
  }
}

}  // namespace velloway::modXMLToolbox
