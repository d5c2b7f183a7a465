// Fuzzes a whole import of one workbook (the input, as a file) into a plan in memory: the
// launch sequence, the reader the first bytes pick, and the road its template version picks.
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velloway::fuzz::ImportWorkbook(velloway::fuzz::WriteScratch(data, size, VELLOWAY_FUZZ_EXTENSION));
  return 0;
}
