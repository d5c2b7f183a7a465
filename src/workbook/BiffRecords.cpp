#include "workbook/BiffRecords.h"

#include <algorithm>
#include <bit>

#include "workbook/OoxmlText.h"
#include "workbook/WorkbookError.h"

namespace velloway::workbook {
namespace {

std::uint16_t Read16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

const char* OlderFormatName(std::uint16_t bofType) {
  switch (bofType) {
    case 0x0009:
      return "Excel 2.x (BIFF2)";
    case 0x0209:
      return "Excel 3.0 (BIFF3)";
    case 0x0409:
      return "Excel 4.0 (BIFF4)";
    default:
      return nullptr;
  }
}

double RkNumber(std::uint32_t rk) {
  double value = 0;
  if ((rk & 0x02) != 0) {
    value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
  }
  return (rk & 0x01) != 0 ? value / 100 : value;
}

bool BiffRecordReader::Next(BiffRecord& record) {
  if (at_ + 4 > end_) return false;
  record.type = Read16(stream_.data() + at_);
  record.offset = at_;
  record.data.clear();
  record.joins.clear();
  bool first = true;
  while (at_ + 4 <= end_) {
    const std::uint16_t type = Read16(stream_.data() + at_);
    if (!first && type != biff::kContinue) break;
    const std::size_t length = Read16(stream_.data() + at_ + 2);
    if (at_ + 4 + length > end_) throw Damaged("a record runs past the end of the workbook stream");
    if (!first) record.joins.push_back(record.data.size());
    const std::uint8_t* body = stream_.data() + at_ + 4;
    record.data.insert(record.data.end(), body, body + length);
    at_ += 4 + length;
    first = false;
  }
  return true;
}

void BiffCursor::Need(std::size_t count) const {
  if (count > Remaining()) throw Damaged("a record of the workbook stream is cut short");
}

std::uint8_t BiffCursor::U8() {
  Need(1);
  return record_.data[at_++];
}

std::uint16_t BiffCursor::U16() {
  Need(2);
  const std::uint16_t value = Read16(record_.data.data() + at_);
  at_ += 2;
  return value;
}

std::uint32_t BiffCursor::U32() {
  const std::uint32_t low = U16();
  return low | (static_cast<std::uint32_t>(U16()) << 16);
}

double BiffCursor::F64() {
  Need(8);
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | record_.data[at_ + static_cast<std::size_t>(i)];
  at_ += 8;
  return std::bit_cast<double>(bits);
}

std::span<const std::uint8_t> BiffCursor::Bytes(std::size_t count) {
  Need(count);
  const std::span<const std::uint8_t> bytes(record_.data.data() + at_, count);
  at_ += count;
  return bytes;
}

void BiffCursor::Skip(std::size_t count) {
  Need(count);
  at_ += count;
}

std::size_t BiffCursor::NextJoin() const {
  const auto it = std::upper_bound(record_.joins.begin(), record_.joins.end(), at_);
  return it == record_.joins.end() ? record_.data.size() : *it;
}

std::string BiffCursor::Characters(std::size_t count, bool wide, std::size_t richRuns,
                                   std::uint32_t extraBytes) {
  std::vector<std::uint16_t> units;
  units.reserve(std::min<std::size_t>(count, Remaining()));
  while (units.size() < count) {
    // A continuation that starts inside the characters repeats the wide-or-narrow flag.
    if (std::binary_search(record_.joins.begin(), record_.joins.end(), at_)) {
      wide = (U8() & 0x01) != 0;
    }
    const std::size_t width = wide ? 2 : 1;
    const std::size_t take = std::min(count - units.size(), (NextJoin() - at_) / width);
    if (take == 0) throw Damaged("a string of the workbook stream is cut short");
    for (std::size_t i = 0; i < take; ++i) {
      const std::uint8_t* p = record_.data.data() + at_ + i * width;
      units.push_back(wide ? Read16(p) : p[0]);
    }
    at_ += take * width;
  }
  Skip(richRuns * 4);
  Skip(extraBytes);
  return Utf8FromUtf16(units);
}

std::string BiffCursor::String16() {
  const std::size_t count = U16();
  const std::uint8_t flags = U8();
  const std::size_t richRuns = (flags & 0x08) != 0 ? U16() : 0;
  const std::uint32_t extraBytes = (flags & 0x04) != 0 ? U32() : 0;
  return Characters(count, (flags & 0x01) != 0, richRuns, extraBytes);
}

std::string BiffCursor::String8() {
  const std::size_t count = U8();
  const std::uint8_t flags = U8();
  return Characters(count, (flags & 0x01) != 0, 0, 0);
}

}  // namespace velloway::workbook
