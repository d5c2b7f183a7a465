// What the import fuzz targets share: a whole import on the tests' platform of fakes (settings
// and plan in memory, every question answered No), so that one input runs the launch sequence
// and a road.
#pragma once

#include <cstdint>
#include <string>

namespace velloway::fuzz {

// Writes the bytes to a scratch file of the process (name ending in extension) and returns its
// path.
std::string WriteScratch(const std::uint8_t* data, std::size_t size, const std::string& extension);

// Runs one whole import of the workbook at path into a plan in memory, with the shipped
// schema, validation on, the user's separator "," and every question answered No.
void ImportWorkbook(const std::string& path);

}  // namespace velloway::fuzz
