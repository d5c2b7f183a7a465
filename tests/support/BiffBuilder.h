// BIFF8 workbook streams built from records in a test, and compound files holding them.
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
// A formula with an 8-byte saved result and a one-token expression.
ByteVector FormulaRecord(int row, int column, const ByteVector& result, int xf = 0);
ByteVector FormulaNumber(double value);
ByteVector FormulaMarked(int kind, int value = 0);  // 0 text, 1 boolean, 2 error, 3 empty text
ByteVector StringRecord(const std::string& text);
ByteVector XfRecord(int formatId);
ByteVector FormatRecord(int formatId, const std::string& code);

struct BiffSheet {
  std::string name;
  std::vector<ByteVector> records;  // between the sheet's BOF and EOF
  int kind = 0;                     // 0 worksheet, 2 chart
};

// A whole workbook stream: BOF, the given globals records, one BOUNDSHEET per sheet, EOF, then
// each sheet's substream, with the sheets' offsets filled in.
ByteVector WorkbookStream(const std::vector<ByteVector>& globals,
                          const std::vector<BiffSheet>& sheets);

// A compound file holding one stream of that name.
ByteVector CompoundFile(const std::string& streamName, const ByteVector& stream);

}  // namespace velloway::test
