// BIFF8 and BIFF5 workbook streams built from records in a test, and compound files holding
// them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velloway::test {

using ByteVector = std::vector<std::uint8_t>;

// Little-endian fields appended one after another.
class Bytes {
 public:
  Bytes& U8(std::uint32_t v);
  Bytes& U16(std::uint32_t v);
  Bytes& U32(std::uint32_t v);
  Bytes& F64(double v);
  // Characters only: one byte each (narrow) or UTF-16LE of the ASCII or given units (wide).
  Bytes& Narrow(const std::string& text);
  Bytes& Wide(const std::u16string& text);
  // A string with a 16-bit count and flags byte, narrow.
  Bytes& String16(const std::string& text);
  const ByteVector& data() const { return data_; }

 private:
  ByteVector data_;
};

// One record: type, length, data.
ByteVector Record(std::uint16_t type, const Bytes& body);

// Cell records: row and column 0-based as in the format, then the cell format index.
ByteVector NumberRecord(int row, int column, double value, int xf = 0);
ByteVector RkRecord(int row, int column, std::uint32_t rk, int xf = 0);
ByteVector LabelSstRecord(int row, int column, std::uint32_t index, int xf = 0);
ByteVector BoolErrRecord(int row, int column, int value, bool error);
// A formula with an 8-byte saved result and an expression (by default the integer 1).
ByteVector FormulaRecord(int row, int column, const ByteVector& result, int xf = 0,
                         const ByteVector& expression = {0x1E, 1, 0});
ByteVector FormulaNumber(double value);
ByteVector FormulaMarked(int kind, int value = 0);  // 0 text, 1 boolean, 2 error, 3 empty text

// BIFF5 records whose texts are bytes in the workbook's code page.
ByteVector Biff5LabelRecord(int row, int column, const std::string& bytes, int xf = 0);
ByteVector Biff5StringRecord(const std::string& bytes);
ByteVector Biff5FormatRecord(int formatId, const std::string& bytes);
ByteVector Biff5XfRecord(int formatId);
ByteVector CodePageRecord(int codePage);

struct BiffSheet {
  std::string name;
  std::vector<ByteVector> records;  // between the sheet's BOF and EOF
  int kind = 0;                     // 0 worksheet, 2 chart
};

// A whole workbook stream: BOF, the given globals records, one BOUNDSHEET per sheet, EOF, then
// each sheet's substream, with the sheets' offsets filled in. Version 0x0500 writes BIFF5.
inline constexpr int kBiff8 = 0x0600;
inline constexpr int kBiff5 = 0x0500;
ByteVector WorkbookStream(const std::vector<ByteVector>& globals,
                          const std::vector<BiffSheet>& sheets, int version = kBiff8);

// A compound file holding one stream of that name.
ByteVector CompoundFile(const std::string& streamName, const ByteVector& stream);

}  // namespace velloway::test
