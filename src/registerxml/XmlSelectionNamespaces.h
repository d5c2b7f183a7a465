// What a document keeps for its queries: whether it binds the "ksrr" prefix (the register
// document does, scratch documents loaded from the workbook's fragments do not), and one XPath
// context made on the first query and reused, since making a context costs more than most
// queries. Both hang on the document's private pointer and go with the document.
#pragma once

#include <libxml/tree.h>
#include <libxml/xpath.h>

namespace velloway::modXMLToolbox {

void BindRegisterPrefix(xmlDocPtr doc);
bool BindsRegisterPrefix(xmlDocPtr doc);
// The document's query context, made when first asked for; null when it cannot be made.
xmlXPathContextPtr QueryContextOf(xmlDocPtr doc);
// Frees what the document keeps for its queries; called as the document is freed.
void ReleaseQueryState(xmlDocPtr doc);

}  // namespace velloway::modXMLToolbox
