// Fuzzes the sheet tokenizer against libxml2: whatever one accepts the other must accept with
// the same events, and whatever one refuses the other must refuse. The first byte of the input
// sets the size of the pieces the tokenizer is fed, so that every token is also cut in two.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/PackageBuilder.h"
#include "support/XmlEventLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string xml(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t pieceSize = 1 + data[0] % 64;
  const std::string scanned = velloway::test::ThroughScanner(xml, pieceSize);
  if (scanned.empty()) return 0;  // handed to libxml2 whole
  const std::string general =
      velloway::test::ThroughLibxml2(velloway::test::Zip({{"x.xml", xml}}, true));
  if (scanned != general) {
    std::fprintf(stderr, "tokenizer: %s\nlibxml2:   %s\n", scanned.c_str(), general.c_str());
    std::abort();
  }
  return 0;
}
