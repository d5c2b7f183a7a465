// Where a form sits: its outer rectangle in twips, the unit of the form system.
#pragma once

namespace velloway {

struct FormRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
};

}  // namespace velloway
