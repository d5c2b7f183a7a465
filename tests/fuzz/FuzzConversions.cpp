// Fuzzes the conversions of cell text: to a number, a flag and a date. The first byte picks the
// user's settings (even: "." with "M/d/yyyy", odd: "," with "dd.MM.yyyy"); the rest is the text.
// Text that is no number, flag or date is refused with a conversion error, nothing else.
#include <cstdint>
#include <string>

#include "core/ImportError.h"
#include "core/modToolBox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  velloway::modLocale::TextSettings settings;
  if (data[0] % 2 == 0) {
    settings.dates.shortDate = "M/d/yyyy";
  } else {
    settings.decimalSeparator = ",";
    settings.thousandSeparator = ".";
    settings.dates.shortDate = "dd.MM.yyyy";
  }
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  using namespace velloway::modToolBox;
  const auto refusedOrConverted = [](auto convert) {
    try {
      convert();
    } catch (const velloway::ImportError&) {  // a type mismatch or an overflow: a refused text
    }
  };
  refusedOrConverted([&] { TextToNumber(settings, text); });
  refusedOrConverted([&] { TextToFlag(settings, text); });
  refusedOrConverted([&] { TextToDate(settings, text, 2026); });
  return 0;
}
