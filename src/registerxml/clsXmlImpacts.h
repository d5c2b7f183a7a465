// The impacts of a risk plan or an action, in the order added.
#pragma once

#include "core/OrderedCollection.h"
#include "registerxml/clsXmlImpact.h"

namespace velloway {

// Add stores a copy of the record it is given, so one scratch record may be added per row.
using clsXmlImpacts = OrderedCollection<clsXmlImpact>;

namespace registerxml {
// Appends "Impacts" with one "Impact" per entry, in collection order.
void AddImpactsChild(xmlNodePtr parent, const clsXmlImpacts& impacts);
}  // namespace registerxml

}  // namespace velloway
