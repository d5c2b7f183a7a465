// The user field values of a risk, in the order added.
#pragma once

#include <cstddef>

#include "core/OrderedCollection.h"
#include "registerxml/clsXmlUserfield.h"

namespace velloway {

// Add stores a copy of the record it is given, so one scratch record may be added per row.
class clsXMLUserfields : public OrderedCollection<clsXmlUserfield> {
 public:
  using OrderedCollection::Add;
  // Given no record, adds nothing and hands back a new empty one.
  clsXmlUserfield Add(std::nullptr_t /*obj*/, const std::string& /*sKey*/ = {}) { return {}; }
};

}  // namespace velloway
