#include "workbook/XlsbRecords.h"

#include <bit>
#include <vector>

#include "workbook/OoxmlText.h"
#include "workbook/WorkbookError.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

// The largest record accepted: a cell's text holds at most 32,767 characters, and a shared
// string with its rich runs and phonetic data stays well below this.
constexpr std::size_t kMaxRecord = std::size_t{4} << 20;

// A variable-length number of up to `bytes` bytes, seven bits each, low bits first; false when
// the buffer ends inside it.
bool ReadVarint(std::span<const std::uint8_t> buffer, std::size_t& at, int bytes,
                std::uint32_t& out) {
  out = 0;
  for (int i = 0; i < bytes; ++i) {
    if (at >= buffer.size()) return false;
    const std::uint8_t byte = buffer[at++];
    out |= static_cast<std::uint32_t>(byte & 0x7F) << (7 * i);
    if ((byte & 0x80) == 0) return true;
  }
  return true;
}

}  // namespace

void XlsbCursor::Need(std::size_t count) const {
  if (count > Remaining()) throw Damaged(partName_ + ": a record is cut short");
}

std::uint8_t XlsbCursor::U8() {
  Need(1);
  return data_[at_++];
}

std::uint16_t XlsbCursor::U16() {
  Need(2);
  const auto value = static_cast<std::uint16_t>(data_[at_] | (data_[at_ + 1] << 8));
  at_ += 2;
  return value;
}

std::uint32_t XlsbCursor::U32() {
  const std::uint32_t low = U16();
  return low | (static_cast<std::uint32_t>(U16()) << 16);
}

double XlsbCursor::F64() {
  const std::uint64_t low = U32();
  return std::bit_cast<double>(low | (static_cast<std::uint64_t>(U32()) << 32));
}

void XlsbCursor::Skip(std::size_t count) {
  Need(count);
  at_ += count;
}

std::string XlsbCursor::WideString() { return Characters(U32()); }

std::optional<std::string> XlsbCursor::NullableWideString() {
  const std::uint32_t count = U32();
  if (count == 0xFFFFFFFF) return std::nullopt;
  return Characters(count);
}

std::string XlsbCursor::Characters(std::uint32_t count) {
  if (count > Remaining() / 2) throw Damaged(partName_ + ": a string is cut short");
  std::vector<std::uint16_t> units(count);
  for (std::uint16_t& unit : units) unit = U16();
  return Utf8FromUtf16(units);
}

void ReadXlsbPart(ZipPackage& package, const std::string& partName, const XlsbRecordSink& sink) {
  std::vector<std::uint8_t> pending;
  auto consume = [&](bool last) {
    std::size_t at = 0;
    for (;;) {
      std::size_t next = at;
      std::uint32_t type = 0;
      std::uint32_t size = 0;
      if (!ReadVarint(pending, next, 2, type) || !ReadVarint(pending, next, 4, size)) break;
      if (size > kMaxRecord)
        throw Damaged(partName + ": a record claims " + std::to_string(size) + " bytes");
      if (pending.size() - next < size) break;
      XlsbCursor cursor(std::span<const std::uint8_t>(pending).subspan(next, size), partName);
      sink(type, cursor);
      at = next + size;
    }
    if (last && at < pending.size())
      throw Damaged(partName + ": a record runs past the end of the part");
    pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(at));
  };
  package.Read(partName, [&](std::span<const char> chunk) {
    pending.insert(pending.end(), chunk.begin(), chunk.end());
    consume(false);
  });
  consume(true);
}

}  // namespace velloway::workbook
