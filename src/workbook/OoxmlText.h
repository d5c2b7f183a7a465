// Small text rules of the package format: escaped characters in strings, cell references,
// and part names reached through relationships.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velloway::workbook {

// Appends text to out with every "_xHHHH_" escape turned into its character ("_x000D_" is a
// carriage return, "_x005F_" a literal underscore).
void AppendUnescaped(std::string_view text, std::string& out);

// Reads "AB12" into a 1-based row and column; false when it is not a reference inside the
// largest sheet.
bool ParseCellReference(std::string_view reference, std::uint32_t& row, std::uint16_t& column);

// The column letters of a 1-based column ("A", "XFD").
std::string ColumnLetters(std::uint32_t column);

// The part a relationship target names, seen from the part that holds the relationship
// ("xl/workbook.xml" + "worksheets/sheet1.xml" gives "xl/worksheets/sheet1.xml"; an absolute
// target starts from the package root).
std::string ResolvePartName(std::string_view sourcePart, std::string_view target);

// The relationships part of a part ("xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; the
// package itself, named "", -> "_rels/.rels").
std::string RelationshipsPartOf(std::string_view part);

// Appends a code point in UTF-8.
void AppendUtf8(std::uint32_t codePoint, std::string& out);

// UTF-16 code units to UTF-8; only lone surrogates become U+FFFD.
std::string Utf8FromUtf16(std::span<const std::uint16_t> units);

}  // namespace velloway::workbook
