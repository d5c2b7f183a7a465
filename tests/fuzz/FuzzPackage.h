// What the package fuzz targets share: packing fuzzed parts into an uncompressed zip, so that
// mutations reach the part readers instead of dying at the zip checksums, and reading a whole
// workbook as the cell listing would.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velloway::workbook {
class Workbook;
}

namespace velloway::fuzz {

// The input cut at "\n--\n" into at most `count` pieces, missing ones empty.
std::vector<std::string> SplitInput(std::string_view input, std::size_t count);

// A workbook package of the given extension ("xml" or "bin") around four fuzzed parts: a
// sheet, the shared strings, the styles and the workbook, joined by fixed relationships.
std::vector<unsigned char> WorkbookPackage(const std::string& extension,
                                           const std::vector<std::string>& parts);

// A workbook part of one sheet of that name, relationship "rId1".
std::string OneSheetWorkbookPart(const std::string& sheetName);

// Converts every cell of the workbook that `open` gives to text; a refused workbook is fine.
void ReadEveryCell(const std::function<std::unique_ptr<workbook::Workbook>()>& open);
// The same for the bytes opened as a workbook.
void ReadEveryCell(std::span<const unsigned char> bytes);

// What the package targets read: an input starting with "PK" is a whole package; anything else
// is a sheet, shared strings, styles and a workbook part (this default when missing) cut at
// "\n--\n", packed as a package of the given extension ("xml" or "bin").
void ReadPackageInput(std::span<const unsigned char> input, const std::string& extension,
                      const std::string& defaultWorkbook);

}  // namespace velloway::fuzz
