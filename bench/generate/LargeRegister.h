// Large generated registers of both templates, for the import benchmarks and for the tests
// that import many risks (memory, killed imports, failed writes).
#pragma once

#include <xlsxwriter.h>

#include <string>

namespace velloway::bench {

// Template "2.2": options, risks with two actions and a history entry each, quantitative risks
// in ten scenarios and two task impacts per quantitative risk. Any other version: an older
// template ("2.1") with the same kinds of rows, for the register XML road. Throws when the
// file cannot be written.
void WriteLargeRegister(const std::string& path, const std::string& templateVersion, int risks);

}  // namespace velloway::bench
