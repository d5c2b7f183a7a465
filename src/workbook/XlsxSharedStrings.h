// The shared-strings part: every string item, rich-text runs joined and phonetic runs left
// out, appended to the workbook's pool in order, so an item's index is its pool index.
#pragma once

#include <cstddef>
#include <string>

namespace velloway::workbook {

class StringPool;
class ZipPackage;

// Returns the number of items read.
std::size_t ReadSharedStrings(ZipPackage& package, const std::string& partName, StringPool& pool);

}  // namespace velloway::workbook
