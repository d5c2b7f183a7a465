#include "support/XlsbBuilder.h"

namespace velloway::test {
namespace {

void AppendVarint(std::string& out, std::size_t value, int maxBytes) {
  for (int i = 0; i < maxBytes; ++i) {
    const std::size_t low = value & 0x7F;
    value >>= 7;
    out += static_cast<char>(value != 0 ? low | 0x80 : low);
    if (value == 0) return;
  }
}

Bytes Cell(int column, int xf) { return Bytes().U32(column).U32(xf); }

// The formula of a cell: its tokens, then no extra data.
Bytes& Formula(Bytes& body, const Bytes& tokens) {
  body.U16(0).U32(tokens.data().size());
  for (const std::uint8_t b : tokens.data()) body.U8(b);
  return body.U32(0);
}

}  // namespace

std::string XlsbRecord(std::uint32_t type, const Bytes& body) {
  std::string out;
  AppendVarint(out, type, 2);
  AppendVarint(out, body.data().size(), 4);
  out.append(body.data().begin(), body.data().end());
  return out;
}

Bytes& XlsbString(Bytes& bytes, const std::u16string& text) {
  return bytes.U32(text.size()).Wide(text);
}

std::string XlsbRow(int row) {
  return XlsbRecord(0, Bytes().U32(row).U32(0).U16(300).U16(0).U8(0).U32(0));
}
std::string XlsbBlank(int column, int xf) { return XlsbRecord(1, Cell(column, xf)); }
std::string XlsbRk(int column, std::uint32_t rk, int xf) {
  return XlsbRecord(2, Cell(column, xf).U32(rk));
}
std::string XlsbError(int column, int code) { return XlsbRecord(3, Cell(column, 0).U8(code)); }
std::string XlsbBool(int column, bool value) {
  return XlsbRecord(4, Cell(column, 0).U8(value ? 1 : 0));
}
std::string XlsbReal(int column, double value, int xf) {
  return XlsbRecord(5, Cell(column, xf).F64(value));
}
std::string XlsbText(int column, const std::u16string& text, int xf) {
  Bytes body = Cell(column, xf);
  return XlsbRecord(6, XlsbString(body, text));
}
std::string XlsbRichText(int column, const std::u16string& text) {
  Bytes body = Cell(column, 0).U8(0);
  return XlsbRecord(62, XlsbString(body, text));
}
std::string XlsbShared(int column, std::uint32_t index, int xf) {
  return XlsbRecord(7, Cell(column, xf).U32(index));
}
std::string XlsbFormulaText(int column, const std::u16string& text) {
  Bytes body = Cell(column, 0);
  XlsbString(body, text);
  Bytes tokens;
  tokens.U8(0x17).U16(text.size()).Wide(text);
  return XlsbRecord(8, Formula(body, tokens));
}
std::string XlsbFormulaNumber(int column, double value, int xf) {
  Bytes body = Cell(column, xf).F64(value);
  return XlsbRecord(9, Formula(body, Bytes().U8(0x1F).F64(value)));
}
std::string XlsbFormulaBool(int column, bool value) {
  Bytes body = Cell(column, 0).U8(value ? 1 : 0);
  return XlsbRecord(10, Formula(body, Bytes().U8(0x1D).U8(value ? 1 : 0)));
}
std::string XlsbFormulaError(int column, int code) {
  Bytes body = Cell(column, 0).U8(code);
  return XlsbRecord(11, Formula(body, Bytes().U8(0x1C).U8(code)));
}

Parts XlsbWorkbook::Build() const {
  Parts parts = PackageOf("xl/workbook.bin");

  Bytes properties;
  properties.U32(0).U32(0);
  std::string book =
      XlsbRecord(131) + XlsbRecord(153, XlsbString(properties, u"")) + XlsbRecord(143);
  std::string rels = Relationship("rIdS", "sharedStrings", "sharedStrings.bin") +
                     Relationship("rIdT", "styles", "styles.bin");
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    Bytes entry;
    entry.U32(0).U32(i + 1);
    XlsbString(entry, u"rId" + std::u16string(n.begin(), n.end()));
    book += XlsbRecord(156, XlsbString(entry, sheets[i].first));
    rels += Relationship("rId" + n, "worksheet", "worksheets/sheet" + n + ".bin");
    parts["xl/worksheets/sheet" + n + ".bin"] =
        XlsbRecord(129) + XlsbRecord(148, Bytes().U32(0).U32(0).U32(0).U32(0)) + XlsbRecord(145) +
        sheets[i].second + XlsbRecord(146) + XlsbRecord(130);
  }
  parts["xl/workbook.bin"] = book + XlsbRecord(144) + XlsbRecord(132);
  parts["xl/_rels/workbook.bin.rels"] = RelationshipsPart(rels);

  const std::size_t count = sharedStrings.size();
  std::string strings = XlsbRecord(159, Bytes().U32(count).U32(count));
  for (const std::u16string& text : sharedStrings) {
    Bytes item;
    item.U8(0);
    strings += XlsbRecord(19, XlsbString(item, text));
  }
  parts["xl/sharedStrings.bin"] = strings + XlsbRecord(160);

  std::string styles = XlsbRecord(278) + XlsbRecord(615, Bytes().U32(formats.size()));
  for (const auto& [id, code] : formats) {
    Bytes format;
    format.U16(id);
    styles += XlsbRecord(44, XlsbString(format, code));
  }
  // A cell format record: its parent style, its number format id, then six fields left 0.
  const auto xf = [](std::uint32_t parent, std::uint32_t format) {
    return XlsbRecord(47, Bytes().U16(parent).U16(format).U32(0).U32(0).U32(0));
  };
  styles += XlsbRecord(616) + XlsbRecord(626, Bytes().U32(1)) + xf(0xFFFF, 0) + XlsbRecord(627) +
            XlsbRecord(617, Bytes().U32(cellFormats.size()));
  for (const int id : cellFormats) styles += xf(0, id);
  parts["xl/styles.bin"] = styles + XlsbRecord(618) + XlsbRecord(279);
  return parts;
}

}  // namespace velloway::test
