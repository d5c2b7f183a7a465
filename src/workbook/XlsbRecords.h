// The record layer of the binary workbook's parts: records with a variable-length type and
// size, streamed out of a package part, and a cursor over one record's data.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace velloway::workbook {

class ZipPackage;

namespace xlsb {
inline constexpr std::uint32_t kRowHeader = 0;
inline constexpr std::uint32_t kCellBlank = 1;
inline constexpr std::uint32_t kCellRk = 2;
inline constexpr std::uint32_t kCellError = 3;
inline constexpr std::uint32_t kCellBool = 4;
inline constexpr std::uint32_t kCellReal = 5;
inline constexpr std::uint32_t kCellString = 6;
inline constexpr std::uint32_t kCellSharedString = 7;
inline constexpr std::uint32_t kFormulaString = 8;
inline constexpr std::uint32_t kFormulaNumber = 9;
inline constexpr std::uint32_t kFormulaBool = 10;
inline constexpr std::uint32_t kFormulaError = 11;
inline constexpr std::uint32_t kSharedStringItem = 19;
inline constexpr std::uint32_t kFormat = 44;
inline constexpr std::uint32_t kXf = 47;
inline constexpr std::uint32_t kCellRichString = 62;
inline constexpr std::uint32_t kBeginSheetData = 145;
inline constexpr std::uint32_t kEndSheetData = 146;
inline constexpr std::uint32_t kWorkbookProperties = 153;
inline constexpr std::uint32_t kBundledSheet = 156;
inline constexpr std::uint32_t kBeginCellXfs = 617;
inline constexpr std::uint32_t kEndCellXfs = 618;
}  // namespace xlsb

// Reads little-endian fields and strings from one record; reading past its end throws
// WorkbookError naming the part.
class XlsbCursor {
 public:
  XlsbCursor(std::span<const std::uint8_t> data, const std::string& partName)
      : data_(data), partName_(partName) {}
  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  double F64();
  void Skip(std::size_t count);
  std::size_t Remaining() const { return data_.size() - at_; }
  // A string of UTF-16 characters after their 32-bit count, in UTF-8.
  std::string WideString();
  // The same, or nothing when the count is 0xFFFFFFFF.
  std::optional<std::string> NullableWideString();

 private:
  void Need(std::size_t count) const;
  std::string Characters(std::uint32_t count);
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
  const std::string& partName_;
};

using XlsbRecordSink = std::function<void(std::uint32_t type, XlsbCursor& record)>;

// Streams the part's records into sink, one at a time. Throws WorkbookError when a record runs
// past the end of the part or claims more than any record of the format holds.
void ReadXlsbPart(ZipPackage& package, const std::string& partName, const XlsbRecordSink& sink);

}  // namespace velloway::workbook
