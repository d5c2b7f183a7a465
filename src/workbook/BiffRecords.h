// The record layer of a BIFF5 or BIFF8 workbook stream: records with the CONTINUE records that
// follow them joined on, and a cursor that reads the format's strings across those joins.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "workbook/WorkbookError.h"

namespace velloway::workbook {

namespace biff {
inline constexpr std::uint16_t kFormula = 0x0006;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kDateMode = 0x0022;
inline constexpr std::uint16_t kFilePass = 0x002F;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kRichLabel = 0x00D6;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kBof = 0x0809;
inline constexpr std::uint16_t kBiff8 = 0x0600;
inline constexpr std::uint16_t kBiff5 = 0x0500;  // Excel 5.0 and 95 (BIFF7) alike
}  // namespace biff

// The format an Excel 2.x to 4.x BOF record type stands for ("Excel 4.0 (BIFF4)"), or null:
// those formats keep no shared workbook stream of this kind and are not read.
const char* OlderFormatName(std::uint16_t bofType);
inline WorkbookError OlderFormat(const char* name) {
  return NotAWorkbook(std::string("an ") + name + " file, older than Excel 5.0");
}

// The number an RK value packs: 30 bits of an integer or of a double's high bits, optionally
// divided by 100. The binary workbook packs numbers the same way.
double RkNumber(std::uint32_t rk);

// One record's data with its CONTINUE records' data appended; `joins` are the offsets in
// `data` where each continuation starts.
struct BiffRecord {
  std::uint16_t type = 0;
  std::size_t offset = 0;  // of the record header in the stream
  std::vector<std::uint8_t> data;
  std::vector<std::size_t> joins;
};

// Walks the records of a stream from an offset. Next() returns false at the end of the
// stream; a record cut short by the end of the stream throws WorkbookError.
class BiffRecordReader {
 public:
  BiffRecordReader(std::span<const std::uint8_t> stream, std::size_t offset, std::size_t end)
      : stream_(stream), at_(offset), end_(std::min(end, stream.size())) {}
  bool Next(BiffRecord& record);

 private:
  std::span<const std::uint8_t> stream_;
  std::size_t at_;
  std::size_t end_;
};

// Reads little-endian fields and strings from one record; reading past its end throws
// WorkbookError.
class BiffCursor {
 public:
  explicit BiffCursor(const BiffRecord& record, std::size_t at = 0) : record_(record), at_(at) {}
  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  double F64();
  void Skip(std::size_t count);
  std::size_t Remaining() const { return record_.data.size() - at_; }

  // A string with a 16-bit length (XLUnicodeString and, with rich runs and phonetic data
  // skipped, the strings of the shared-string table), in UTF-8.
  std::string String16();
  // A string with an 8-bit length (ShortXLUnicodeString), in UTF-8.
  std::string String8();
  // The next bytes as they are (the 8-bit texts of older workbooks).
  std::span<const std::uint8_t> Bytes(std::size_t count);

 private:
  void Need(std::size_t count) const;
  std::string Characters(std::size_t count, bool wide, std::size_t richRuns,
                         std::uint32_t extraBytes);
  std::size_t NextJoin() const;

  const BiffRecord& record_;
  std::size_t at_;
};

}  // namespace velloway::workbook
