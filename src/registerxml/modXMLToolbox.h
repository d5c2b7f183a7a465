// The XML operations of the register XML road on libxml2: documents with the register's fixed
// settings, elements and attributes, deep copies, queries, node texts, the value formats of the
// register document, and validation against the schema file with the load-error message.
//
// Parsing never loads a DTD, never expands an entity and never touches the network or a file:
// a document that carries a document type declaration does not load at all.
#pragma once

#include <libxml/tree.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "registerxml/XmlHandles.h"
#include "registerxml/XmlTextBlocks.h"

namespace velloway {
struct LibraryState;
}

namespace velloway::modXMLToolbox {

// The register namespace, bound to the prefix "ksrr" for every query on the register document.
inline constexpr const char* kRegisterNamespaceUri = "http://www.kestrion.com/2006/KSRiskRegister";
inline constexpr const char* kRegisterPrefix = "ksrr";
// The root as queries address it, and the container of the sections below it.
inline constexpr const char* kRegisterRootName = "ksrr:Kestrion";
inline constexpr const char* kRiskRegisterPath = "ksrr:Kestrion/RiskRegister";

// What a failed load or validation reports, with the fields of the load-error message.
struct XmlParseError {
  std::int32_t errorCode = 0;  // 0 when nothing failed
  std::string reason;          // ends with CR LF, as the message expects
  std::int32_t line = 0;
  std::int32_t linepos = 0;
  std::int32_t filepos = 0;
  std::string srcText;
  std::string url;
};

// A new document: the XML declaration, then the root element in the namespace given. A non-empty
// URI also binds "ksrr" to the register namespace for queries on the document.
XmlDocument CreateXmlDocument(const std::string& rootName, const std::string& namespaceUri);

// A new element outside the tree. The attribute is written only when both its name and value are
// given; an empty text gives an element without children.
XmlNode CreateXmlElement(xmlDocPtr doc, const std::string& name, const std::string& text = {},
                         const std::string& attributeName = {},
                         const std::string& attributeValue = {},
                         const std::string& namespaceUri = {});

// Sets an attribute, replacing one of the same name.
void AddXmlAttribute(xmlDocPtr doc, xmlNodePtr element, const std::string& name,
                     const std::string& value);

// Append a deep copy as the last child of the document element (of parent); the node itself stays
// where it was. False when a node is missing or the copy fails.
bool AppendCloneToRoot(xmlDocPtr doc, xmlNodePtr node);
bool AppendClone(xmlNodePtr parent, xmlNodePtr child);
// Appends a node made for parent's document as parent's last child, without copying it; a node
// of another document is copied. False when a node is missing or the append fails.
bool AppendOwned(xmlNodePtr parent, XmlNode child);
// Puts a deep copy of newNode where oldNode stands and frees oldNode with everything below it.
bool ReplaceXmlNode(xmlNodePtr oldNode, xmlNodePtr newNode);

// A document as the node queries start from ("ksrr:Kestrion/..." selects from there).
inline xmlNodePtr DocumentNode(xmlDocPtr doc) { return reinterpret_cast<xmlNodePtr>(doc); }

// The nodes that xpath selects from node (a document may be passed as its node); none for an empty
// or invalid query.
std::optional<XmlNodeList> SelectXmlNodes(xmlNodePtr node, const std::string& xpath);
// The same for record queries, whose failure the calling step must hear about: throws ImportError
// when the query is not valid (an ID holding a single quote, say).
XmlNodeList SelectNodesOrThrow(xmlNodePtr node, const std::string& xpath);
// The first node of SelectNodesOrThrow, or null.
xmlNodePtr SelectSingleNode(xmlNodePtr node, const std::string& xpath);

// The text of the first node selected (an attribute gives its value); empty when none or on error.
std::string GetXmlNodeText(xmlNodePtr node, const std::string& xpath);
// Replaces the content of the first node selected by the one text; nothing when none matches.
void SetXmlNodeText(xmlNodePtr node, const std::string& xpath, const std::string& text);
// The text of a node itself.
std::string NodeText(xmlNodePtr node);

// A date text as "yyyy-mm-dd" under the user's date rules; an empty or unreadable text gives the
// empty text when blankIfNone is set, today's date otherwise.
std::string XmlDateText(LibraryState& state, const std::string& text, bool blankIfNone);
std::string XmlBooleanText(bool flag);
// The general number format with "." as the decimal point, whatever the user's settings.
// Infinity is an OverflowError, never a text.
std::string XmlNumberText(double value);

// Parses text as a whole document; null when it is not well-formed, carries a DTD or is empty.
// The error, when asked for, describes the first problem.
XmlDocument LoadXml(const std::string& text, XmlParseError* error = nullptr);
// The document's serialisation: declaration and tree, without added white space unless indented
// (then one element a line). Empty when it cannot be written.
XmlTextBlocks WriteXmlBlocks(xmlDocPtr doc, bool indented = false);
std::string XmlText(xmlDocPtr doc, bool indented = false);

// Shows the load-error message of a document of the kind given ("XML"), titled "MSXMLParser".
void ShowXmlParseError(LibraryState& state, const XmlParseError& error, const std::string& kind);

// Validates a copy of the document against the schema file. True when valid, or when the host's
// INI switch "SchemaValidationOn" is exactly "FALSE" (or missing). An unusable schema shows
// "Error in ValidateXMLDocumentWithSchema"; an invalid document shows the load-error message when
// showErrors is set.
bool ValidateXmlWithSchema(LibraryState& state, xmlDocPtr doc, const std::string& schemaPath,
                           bool showErrors);

}  // namespace velloway::modXMLToolbox
