// The .xls (BIFF5/BIFF7 and BIFF8) reader: the compound file through libgsf, the workbook stream's
// records read here.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velloway::workbook {

class Workbook;

// Read every worksheet of the workbook. Throw WorkbookError.
void ReadXlsFile(const std::string& path, Workbook& workbook);
void ReadXlsBytes(std::span<const unsigned char> bytes, Workbook& workbook);
// Reads a bare workbook stream, as tests build them.
void ReadBiffStream(std::span<const std::uint8_t> stream, Workbook& workbook);

}  // namespace velloway::workbook
