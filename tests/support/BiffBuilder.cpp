#include "support/BiffBuilder.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <bit>
#include <stdexcept>

namespace velloway::test {

Bytes& Bytes::U8(std::uint32_t v) {
  data_.push_back(static_cast<std::uint8_t>(v));
  return *this;
}
Bytes& Bytes::U16(std::uint32_t v) { return U8(v & 0xFF).U8(v >> 8); }
Bytes& Bytes::U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
Bytes& Bytes::F64(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) U8(static_cast<std::uint32_t>(bits >> (8 * i)) & 0xFF);
  return *this;
}
Bytes& Bytes::Narrow(const std::string& text) {
  for (const char c : text) U8(static_cast<unsigned char>(c));
  return *this;
}
Bytes& Bytes::Wide(const std::u16string& text) {
  for (const char16_t c : text) U16(c);
  return *this;
}
Bytes& Bytes::String16(const std::string& text) {
  return U16(static_cast<std::uint32_t>(text.size())).U8(0).Narrow(text);
}

ByteVector Record(std::uint16_t type, const Bytes& body) {
  ByteVector out = Bytes().U16(type).U16(static_cast<std::uint32_t>(body.data().size())).data();
  out.insert(out.end(), body.data().begin(), body.data().end());
  return out;
}

namespace {
Bytes Place(int row, int column, int xf) {
  return Bytes()
      .U16(static_cast<std::uint32_t>(row))
      .U16(static_cast<std::uint32_t>(column))
      .U16(static_cast<std::uint32_t>(xf));
}
}  // namespace

ByteVector NumberRecord(int row, int column, double value, int xf) {
  return Record(0x0203, Place(row, column, xf).F64(value));
}
ByteVector RkRecord(int row, int column, std::uint32_t rk, int xf) {
  return Record(0x027E, Place(row, column, xf).U32(rk));
}
ByteVector LabelSstRecord(int row, int column, std::uint32_t index, int xf) {
  return Record(0x00FD, Place(row, column, xf).U32(index));
}
ByteVector BoolErrRecord(int row, int column, int value, bool error) {
  return Record(0x0205,
                Place(row, column, 0).U8(static_cast<std::uint32_t>(value)).U8(error ? 1 : 0));
}
ByteVector FormulaRecord(int row, int column, const ByteVector& result, int xf,
                         const ByteVector& expression) {
  Bytes body = Place(row, column, xf);
  for (const std::uint8_t b : result) body.U8(b);
  // Flags, cache, then the expression's tokens.
  body.U16(0).U32(0).U16(static_cast<std::uint32_t>(expression.size()));
  for (const std::uint8_t b : expression) body.U8(b);
  return Record(0x0006, body);
}
ByteVector FormulaNumber(double value) { return Bytes().F64(value).data(); }
ByteVector FormulaMarked(int kind, int value) {
  return Bytes()
      .U8(static_cast<std::uint32_t>(kind))
      .U8(0)
      .U8(static_cast<std::uint32_t>(value))
      .U8(0)
      .U16(0)
      .U16(0xFFFF)
      .data();
}
ByteVector Biff5LabelRecord(int row, int column, const std::string& bytes, int xf) {
  return Record(0x0204,
                Place(row, column, xf).U16(static_cast<std::uint32_t>(bytes.size())).Narrow(bytes));
}
ByteVector Biff5StringRecord(const std::string& bytes) {
  return Record(0x0207, Bytes().U16(static_cast<std::uint32_t>(bytes.size())).Narrow(bytes));
}
ByteVector Biff5FormatRecord(int formatId, const std::string& bytes) {
  return Record(0x041E, Bytes()
                            .U16(static_cast<std::uint32_t>(formatId))
                            .U8(static_cast<std::uint32_t>(bytes.size()))
                            .Narrow(bytes));
}
ByteVector Biff5XfRecord(int formatId) {
  Bytes body;
  body.U16(0).U16(static_cast<std::uint32_t>(formatId)).U16(0x0001);
  for (int i = 0; i < 10; ++i) body.U8(0);
  return Record(0x00E0, body);
}
ByteVector CodePageRecord(int codePage) {
  return Record(0x0042, Bytes().U16(static_cast<std::uint32_t>(codePage)));
}

namespace {
ByteVector Bof(int version, int kind) {
  Bytes body;
  body.U16(static_cast<std::uint32_t>(version)).U16(static_cast<std::uint32_t>(kind));
  if (version == kBiff5) return Record(0x0809, body.U16(0x0DBB).U16(0x07CC));
  return Record(0x0809, body.U32(0).U32(0).U32(0));
}
}  // namespace

ByteVector WorkbookStream(const std::vector<ByteVector>& globals,
                          const std::vector<BiffSheet>& sheets, int version) {
  const ByteVector bof = Bof(version, 0x0005);
  const ByteVector eof = Record(0x000A, Bytes());
  ByteVector out = bof;
  for (const ByteVector& r : globals) out.insert(out.end(), r.begin(), r.end());
  std::vector<std::size_t> offsetAt;
  for (const BiffSheet& sheet : sheets) {
    offsetAt.push_back(out.size() + 4);
    Bytes body;
    body.U32(0)
        .U8(0)
        .U8(static_cast<std::uint32_t>(sheet.kind))
        .U8(static_cast<std::uint32_t>(sheet.name.size()));
    if (version != kBiff5) body.U8(0);  // BIFF8 names carry a flags byte
    const ByteVector r = Record(0x0085, body.Narrow(sheet.name));
    out.insert(out.end(), r.begin(), r.end());
  }
  out.insert(out.end(), eof.begin(), eof.end());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const auto offset = static_cast<std::uint32_t>(out.size());
    for (int b = 0; b < 4; ++b)
      out[offsetAt[i] + static_cast<std::size_t>(b)] = (offset >> (8 * b)) & 0xFF;
    const ByteVector sheetBof = Bof(version, 0x0010);
    out.insert(out.end(), sheetBof.begin(), sheetBof.end());
    for (const ByteVector& r : sheets[i].records) out.insert(out.end(), r.begin(), r.end());
    out.insert(out.end(), eof.begin(), eof.end());
  }
  return out;
}

ByteVector CompoundFile(const std::string& streamName, const ByteVector& stream) {
  gsf_init();
  GsfOutput* memory = gsf_output_memory_new();
  GsfOutfile* outfile = gsf_outfile_msole_new(memory);
  GsfOutput* child = gsf_outfile_new_child(outfile, streamName.c_str(), FALSE);
  gsf_output_write(child, stream.size(), stream.data());
  gsf_output_close(child);
  g_object_unref(child);
  gsf_output_close(GSF_OUTPUT(outfile));
  g_object_unref(outfile);
  const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory));
  ByteVector out(bytes, bytes + gsf_output_size(memory));
  g_object_unref(memory);
  return out;
}

}  // namespace velloway::test
