// Keeps libxml2's reports away from stderr and turns the first one into the fields of the
// load-error message.
#pragma once

#include <libxml/xmlerror.h>

#include <optional>
#include <string>

#include "registerxml/modXMLToolbox.h"

namespace velloway::modXMLToolbox {

// Collects the first error reported to it; later ones are dropped, as the message shows one.
struct XmlErrorCapture {
  std::optional<XmlParseError> first;
  // The text being parsed, when there is one, to find the source line and file position.
  const std::string* text = nullptr;

  // A structured error handler whose user data is an XmlErrorCapture.
  static void Handler(void* capture, xmlErrorPtr error);
  void Record(const xmlError& error);
};

// Installs, once per process, an external entity loader that refuses every resource: no file,
// no URL, no DTD is ever read on behalf of a document or schema.
void RefuseExternalResources();

}  // namespace velloway::modXMLToolbox
