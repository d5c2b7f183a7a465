// The compound file of an .xls workbook, opened with libgsf, and its workbook stream.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velloway::workbook {

// The bytes of the "Workbook" stream, or of the "Book" stream of an Excel 5.0/95 workbook, named
// in any letter case. Throws WorkbookError when the file is damaged, holds an encrypted package
// or no workbook at all.
std::vector<std::uint8_t> ReadWorkbookStreamFromFile(const std::string& path);
std::vector<std::uint8_t> ReadWorkbookStreamFromBytes(std::span<const unsigned char> bytes);

}  // namespace velloway::workbook
