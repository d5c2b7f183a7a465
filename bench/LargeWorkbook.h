// Writes a large shared-string workbook for the reader benchmark: rows of ten cells, five
// shared strings and five numbers each, as a spreadsheet program saves them.
#pragma once

#include <cstdint>
#include <string>

namespace velloway::bench {

// Writes the package to path; rows * 10 cells, `uniqueStrings` distinct shared strings.
void WriteLargeWorkbook(const std::string& path, std::uint32_t rows, std::uint32_t uniqueStrings);

}  // namespace velloway::bench
