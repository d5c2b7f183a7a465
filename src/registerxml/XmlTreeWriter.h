// The text of a document tree, written straight into blocks: the same bytes as libxml2's
// serialiser without formatting (declaration, escaping, empty elements, namespace declarations),
// at a fraction of its cost per node, since a register holds about a million nodes.
#pragma once

#include <libxml/tree.h>

#include "registerxml/XmlTextBlocks.h"

namespace velloway::modXMLToolbox {

// Appends the document's text to blocks. Elements, attributes, namespace declarations and texts
// are written here; any other node (a comment, CDATA, an entity reference) is handed to libxml2
// where it stands. False, with nothing appended, for a document this writer leaves to libxml2
// as a whole: one with a document type, another version than "1.0" or a standalone flag.
bool WriteTreeText(xmlDocPtr doc, XmlTextBlocks& blocks);

}  // namespace velloway::modXMLToolbox
