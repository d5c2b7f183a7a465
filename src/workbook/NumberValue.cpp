#include "workbook/NumberValue.h"

#include <cmath>

namespace velloway::workbook {
namespace {

// The largest amount a currency value holds, in ten-thousandths.
constexpr double kCurrencyLimit = 9.2233720368547758e18;

}  // namespace

StoredCell NumberValueCell(std::uint32_t row, std::uint16_t column, double value, NumberKind kind,
                           DateSystem system) {
  if (!std::isfinite(value)) return FlagCell(row, column, CellKind::Error, false);
  if (kind == NumberKind::DateTime) {
    if (const auto date = ToAutomationDate(value, system)) {
      return NumberCell(row, column, *date, CellKind::DateTime);
    }
  } else if (kind == NumberKind::Currency && std::fabs(value) * 10000 < kCurrencyLimit) {
    // Rounded half to even, as the conversion to a currency amount rounds.
    StoredCell cell =
        NumberCell(row, column, std::nearbyint(value * 10000) / 10000, CellKind::Number);
    cell.boolean = true;
    return cell;
  }
  return NumberCell(row, column, value, CellKind::Number);
}

}  // namespace velloway::workbook
