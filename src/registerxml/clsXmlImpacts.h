// The impacts of a risk plan or an action, in the order added.
#pragma once

#include "registerxml/OrderedCollection.h"
#include "registerxml/clsXmlImpact.h"

namespace velloway {

using clsXmlImpacts = registerxml::OrderedCollection<clsXmlImpact>;

namespace registerxml {
// Appends "Impacts" with one "Impact" per entry, in collection order.
void AddImpactsChild(xmlNodePtr parent, const clsXmlImpacts& impacts);
}  // namespace registerxml

}  // namespace velloway
