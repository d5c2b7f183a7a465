// The yardsticks the reader is measured against: inflating the parts alone, and a bare pass
// with libzip and libxml2's SAX2 interface that keeps every value as a string.
#pragma once

#include <cstddef>
#include <string>

namespace velloway::bench {

// Inflates every part of the package; returns the bytes inflated.
std::size_t InflateOnly(const std::string& path);

// Parses the shared strings and every sheet with SAX2, keeping each string and each cell's
// value text; returns the number of values kept.
std::size_t BareSax2Pass(const std::string& path);

}  // namespace velloway::bench
