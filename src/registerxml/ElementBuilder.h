// Small steps shared by the node builders: a child element appended with its text, number,
// boolean or date, in the order the builder calls them.
#pragma once

#include <libxml/tree.h>

#include <string>

namespace velloway {
struct LibraryState;
}

namespace velloway::registerxml {

// Appends an element with the text (none for an empty text) and returns it.
xmlNodePtr AddTextChild(xmlNodePtr parent, const std::string& name, const std::string& text = {});
// The text, or the default when the text is empty.
xmlNodePtr AddTextChildOr(xmlNodePtr parent, const std::string& name, const std::string& text,
                          const char* defaultText);
xmlNodePtr AddNumberChild(xmlNodePtr parent, const std::string& name, double value);
xmlNodePtr AddBooleanChild(xmlNodePtr parent, const std::string& name, bool value);
// A date child whose empty or unreadable field gives today's date.
xmlNodePtr AddDateChild(LibraryState& state, xmlNodePtr parent, const std::string& name,
                        const std::string& field);
// A date child left out altogether when its field is empty or unreadable.
void AddOptionalDateChild(LibraryState& state, xmlNodePtr parent, const std::string& name,
                          const std::string& field);

}  // namespace velloway::registerxml
