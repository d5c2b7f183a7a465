// The .xlsx / .xlsm reader: parts found through the package's relationships, never by
// assumed names.
#pragma once

#include <cstdint>

namespace velloway::workbook {

class Workbook;
class ZipPackage;

// Parts that together inflate to this many bytes are worth reading on several threads.
inline constexpr std::uint64_t kParallelReadFrom = std::uint64_t{4} << 20;

// Reads every worksheet of the package into the workbook. Throws WorkbookError.
void ReadXlsx(ZipPackage& package, Workbook& workbook,
              std::uint64_t parallelFrom = kParallelReadFrom);

}  // namespace velloway::workbook
