// The styles part, read only for what the cell reader needs: which cell formats show numbers
// as dates, times or currency amounts.
#pragma once

#include <string>
#include <vector>

#include "workbook/NumberFormat.h"

namespace velloway::workbook {

class ZipPackage;

// For each cell format (the "s" index of a cell), the kind of its number format. A package
// without a styles part has none, and every number reads as a number.
std::vector<NumberKind> ReadNumberStyles(ZipPackage& package, const std::string& partName);

}  // namespace velloway::workbook
