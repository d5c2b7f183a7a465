// The styles part, read only for what the cell reader needs: which cell formats show numbers
// as dates or times.
#pragma once

#include <string>
#include <vector>

namespace velloway::workbook {

class ZipPackage;

// For each cell format (the "s" index of a cell), whether its number format is a date or
// time. A package without a styles part has none, and every number reads as a number.
std::vector<bool> ReadDateStyles(ZipPackage& package, const std::string& partName);

}  // namespace velloway::workbook
