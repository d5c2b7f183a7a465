#include "workbook/CodePage.h"

#include <unicode/ucnv.h>

#include "workbook/WorkbookError.h"

namespace velloway::workbook {
namespace {

std::string ConverterName(std::uint16_t id) {
  switch (id) {
    case 367:
      return "US-ASCII";
    case 10000:
    case 32768:
      return "macintosh";
    case 32769:  // the flag some writers use for Windows-1252
      return "windows-1252";
    default:
      break;
  }
  if (id == 874 || (id >= 932 && id <= 950) || (id >= 1250 && id <= 1258)) {
    return "windows-" + std::to_string(id);
  }
  return "cp" + std::to_string(id);
}

UConverter* Open(const std::string& name) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(name.c_str(), &status);
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

}  // namespace

void CodePage::Closer::operator()(UConverter* converter) const noexcept { ucnv_close(converter); }

CodePage::CodePage(std::uint16_t id) : converter_(Open(ConverterName(id))) {
  if (!converter_) converter_.reset(Open("windows-1252"));
  if (!converter_) throw WorkbookError("no converter for the workbook's code page");
}

std::string CodePage::ToUtf8(std::span<const std::uint8_t> bytes) const {
  if (bytes.empty()) return {};
  // A byte becomes at most one character: four bytes of UTF-8 at the very most.
  std::string out(bytes.size() * 4 + 1, '\0');
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetToUnicode(converter_.get());
  const std::int32_t length = ucnv_toAlgorithmic(UCNV_UTF8, converter_.get(), out.data(),
                                                 static_cast<std::int32_t>(out.size()),
                                                 reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) throw Damaged("a text of the workbook stream cannot be converted");
  out.resize(static_cast<std::size_t>(length));
  return out;
}

}  // namespace velloway::workbook
