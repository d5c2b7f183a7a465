// Characters that XML 1.0 cannot hold: a tree may carry them, but its written text then no longer
// parses, so the document check must see them without writing the tree out.
#pragma once

#include <libxml/tree.h>

#include <optional>
#include <string>

namespace velloway::registerxml {

// The first text or attribute value, in document order, that holds a C0 control other than tab,
// line feed and carriage return, U+FFFE, U+FFFF, a surrogate or bytes that are no UTF-8; it is
// named by its path and the character ("/ksrr:Kestrion/.../Risk[2]/Title holds U+000B").
// Nothing when every character can be written.
std::optional<std::string> FindUnwritableCharacter(xmlDocPtr doc);

}  // namespace velloway::registerxml
