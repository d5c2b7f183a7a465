#include "registerxml/LayoutColumns.h"

#include <cmath>
#include <string>

#include "core/ImportError.h"
#include "core/LibraryState.h"
#include "core/modToolBox.h"
#include "registerxml/RegisterXmlAccess.h"
#include "workbook/Worksheet.h"

namespace velloway::registerxml {

std::int32_t LayoutColumn(LibraryState& state, Layout which) {
  const auto index = static_cast<std::size_t>(which);
  const std::string& text = registerxml::RegisterXmlRun(state).layoutValues.at(index);
  const std::string cell = "Options!B" + std::to_string(16 + index);
  if (text.empty()) throw ConversionError("Type mismatch: the layout value is empty", cell);
  const double column = std::nearbyint(modToolBox::TextToNumber(state, text));
  if (!(column >= 1 && column <= workbook::kMaxColumns)) {
    throw ConversionError("the layout value names no column of a sheet", cell);
  }
  return static_cast<std::int32_t>(column);
}

}  // namespace velloway::registerxml
