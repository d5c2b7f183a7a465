// Binary workbook packages (.xlsb) built from records in a test.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/BiffBuilder.h"
#include "support/PackageBuilder.h"

namespace velloway::test {

// One record: its type and size as variable-length numbers, then its data.
std::string XlsbRecord(std::uint32_t type, const Bytes& body = Bytes());
// A string as the format stores it: a 32-bit count of UTF-16 units, then the units.
Bytes& XlsbString(Bytes& bytes, const std::u16string& text);

// Cell records: the row comes from the row header before them; column 0-based, then the cell
// format index.
std::string XlsbRow(int row);
std::string XlsbRk(int column, std::uint32_t rk, int xf = 0);
std::string XlsbReal(int column, double value, int xf = 0);
std::string XlsbText(int column, const std::u16string& text, int xf = 0);
std::string XlsbRichText(int column, const std::u16string& text);
std::string XlsbShared(int column, std::uint32_t index, int xf = 0);
std::string XlsbBool(int column, bool value);
std::string XlsbError(int column, int code);
std::string XlsbBlank(int column, int xf);
// Formula cells with their saved result and a formula that gives that same result.
std::string XlsbFormulaNumber(int column, double value, int xf = 0);
std::string XlsbFormulaText(int column, const std::u16string& text);
std::string XlsbFormulaBool(int column, bool value);
std::string XlsbFormulaError(int column, int code);

struct XlsbWorkbook {
  std::vector<std::pair<std::u16string, std::string>> sheets;  // name, sheet data records
  std::vector<std::u16string> sharedStrings;
  std::map<int, std::u16string> formats;  // custom number formats by id
  std::vector<int> cellFormats;           // the number format id of each cell format
  Parts Build() const;
};

}  // namespace velloway::test
