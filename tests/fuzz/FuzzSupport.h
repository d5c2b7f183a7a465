// What the fuzz targets share: a small package builder, so that mutations reach the XML inside
// a workbook instead of dying at the zip checksums, and a whole import on a platform kept in
// memory (settings, plan, answers), so that one input runs the launch sequence and a road.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velloway::fuzz {

// The input split at "\n--\n" into a sheet part, a shared-string part, a styles part and a
// workbook part (a workbook of one sheet "S" when that is missing).
std::vector<std::string> Split(std::string_view input);
// An uncompressed .xlsx package of those four parts around a fixed set of relationships.
std::vector<unsigned char> Package(const std::vector<std::string>& parts);

// Writes the bytes to a scratch file of the process (name ending in extension) and returns its
// path.
std::string WriteScratch(const std::uint8_t* data, std::size_t size, const std::string& extension);

// Runs one whole import of the workbook at path into a plan in memory, with the shipped
// schema, validation on, the user's separator "decimalSeparator" and every question answered
// No. Returns how many values the plan received.
int ImportWorkbook(const std::string& path, const std::string& decimalSeparator = ",");

}  // namespace velloway::fuzz
