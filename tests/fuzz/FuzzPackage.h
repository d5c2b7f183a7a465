// What the package fuzz targets share: packing fuzzed parts into an uncompressed zip, so that
// mutations reach the part readers instead of dying at the zip checksums, and reading a whole
// workbook as the cell listing would.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velloway::fuzz {

// The input cut at "\n--\n" into at most `count` pieces, missing ones empty.
std::vector<std::string> SplitInput(std::string_view input, std::size_t count);

// A zip of these entries, stored without compression.
std::vector<unsigned char> StoredZip(
    const std::vector<std::pair<std::string, const std::string*>>& entries);

// A workbook package of the given extension ("xml" or "bin") around four fuzzed parts: a
// sheet, the shared strings, the styles and the workbook, joined by fixed relationships.
std::vector<unsigned char> WorkbookPackage(const std::string& extension,
                                           const std::vector<std::string>& parts);

// Opens the bytes as a workbook and converts every cell to text; a refused workbook is fine.
void ReadEveryCell(std::span<const unsigned char> bytes);

}  // namespace velloway::fuzz
