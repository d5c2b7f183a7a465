// The user field values of a risk, in the order added.
#pragma once

#include <cstddef>

#include "registerxml/OrderedCollection.h"
#include "registerxml/clsXmlUserfield.h"

namespace velloway {

class clsXMLUserfields : public registerxml::OrderedCollection<clsXmlUserfield> {
 public:
  using OrderedCollection::Add;
  // Given no record, adds nothing and hands back a new empty one.
  clsXmlUserfield Add(std::nullptr_t /*obj*/, const std::string& /*sKey*/ = {}) { return {}; }
};

}  // namespace velloway
