// Which documents bind the "ksrr" prefix for their queries: the register document does, scratch
// documents loaded from the workbook's fragments do not.
#pragma once

#include <libxml/tree.h>

namespace velloway::modXMLToolbox {

void BindRegisterPrefix(xmlDocPtr doc);
bool BindsRegisterPrefix(xmlDocPtr doc);

}  // namespace velloway::modXMLToolbox
