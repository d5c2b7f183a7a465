// What a document keeps for its queries: whether it binds the "ksrr" prefix (the register
// document does, scratch documents loaded from the workbook's fragments do not), and one XPath
// context made on the first query and reused, since making a context costs more than most
// queries. Both hang on the document's private pointer and go with the document.
#pragma once

#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <string_view>

namespace velloway::modXMLToolbox {

void BindRegisterPrefix(xmlDocPtr doc);
bool BindsRegisterPrefix(xmlDocPtr doc);
// The document's query context, made when first asked for; null when it cannot be made.
xmlXPathContextPtr QueryContextOf(xmlDocPtr doc);
// The name as the document's dictionary holds it, for nodes that take their name from there;
// null for a document without a dictionary. A register makes hundreds of thousands of elements
// of a few dozen names: each is looked up in the large dictionary once.
const xmlChar* SharedName(xmlDocPtr doc, std::string_view name);
// Frees what the document keeps for its queries and names; called as the document is freed.
void ReleaseQueryState(xmlDocPtr doc);

}  // namespace velloway::modXMLToolbox
