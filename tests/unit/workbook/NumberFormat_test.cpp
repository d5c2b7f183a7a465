// Number formats, date serials and the texts numbers and dates read as.
#include "workbook/NumberFormat.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "workbook/DateSystem.h"
#include "workbook/ValueText.h"

namespace velloway::workbook {
namespace {

// The kept cases: "code KIND TEXT" for a format code, "id KIND N" for a built-in format, the kind
// being date, currency or plain.
TEST(NumberFormat, KindsOfCodesAndBuiltInFormats) {
  const std::map<std::string, NumberKind> kinds = {{"date", NumberKind::DateTime},
                                                   {"currency", NumberKind::Currency},
                                                   {"plain", NumberKind::Plain}};
  std::ifstream cases(std::string(VELLOWAY_TEST_DATA) + "/number_formats.txt");
  int count = 0;
  for (std::string line; std::getline(cases, line); ++count) {
    const std::size_t kindAt = line.find(' ') + 1, textAt = line.find(' ', kindAt) + 1;
    const NumberKind kind = kinds.at(line.substr(kindAt, textAt - kindAt - 1));
    const std::string text = line.substr(textAt);
    if (line.starts_with("id ")) {
      EXPECT_EQ(KindOfBuiltInFormat(std::stoi(text)), kind) << line;
      EXPECT_EQ(IsBuiltInDateTimeFormat(std::stoi(text)), kind == NumberKind::DateTime) << line;
    } else {
      EXPECT_EQ(KindOfFormatCode(text), kind) << line;
      EXPECT_EQ(IsDateTimeFormatCode(text), kind == NumberKind::DateTime) << line;
      EXPECT_EQ(IsCurrencyFormatCode(text), kind == NumberKind::Currency) << line;
    }
  }
  EXPECT_EQ(count, 84);
  // A date code with a currency symbol is a date.
  EXPECT_EQ(KindOfFormatCode("[$\u20ac-407] dd/mm/yyyy"), NumberKind::DateTime);
}

TEST(DateSystem, SerialsAsTheAutomationLayerHandsThemOut) {
  EXPECT_EQ(ToAutomationDate(0.5, DateSystem::From1900), 0.5);
  EXPECT_EQ(ToAutomationDate(1, DateSystem::From1900), 2);  // 1 January 1900
  EXPECT_EQ(ToAutomationDate(59.25, DateSystem::From1900), 60.25);
  EXPECT_EQ(ToAutomationDate(60, DateSystem::From1900), std::nullopt);
  EXPECT_EQ(ToAutomationDate(61, DateSystem::From1900), 61);
  EXPECT_EQ(ToAutomationDate(-1, DateSystem::From1900), std::nullopt);
  EXPECT_EQ(ToAutomationDate(2958465.5, DateSystem::From1900), 2958465.5);
  EXPECT_EQ(ToAutomationDate(2958466, DateSystem::From1900), std::nullopt);
  EXPECT_EQ(ToAutomationDate(0, DateSystem::From1904), 1462);
  EXPECT_EQ(FromAutomationDate(2, DateSystem::From1900), 1);
  EXPECT_EQ(FromAutomationDate(1462, DateSystem::From1904), 0);
}

TEST(DateSystem, IsoDates) {
  EXPECT_EQ(ParseIsoDate("2024-01-15"), 45306);
  EXPECT_EQ(ParseIsoDate("2024-01-15T12:00:00Z"), 45306.5);
  EXPECT_EQ(ParseIsoDate("2024-01-15T06:00"), 45306.25);
  EXPECT_DOUBLE_EQ(*ParseIsoDate("2024-01-15T00:00:01.5"), 45306 + 1.5 / 86400);
  for (const char* bad : {"", "2024-02-30", "2024-1-5", "2024-01-15T25:00", "2024-01-15 12:00",
                          "1899-12-29", "2024-01-15T12:00:00.", "2024-01-15T12:00:00+01"}) {
    EXPECT_EQ(ParseIsoDate(bad), std::nullopt) << bad;
  }
}

// Each entry "number=text", the number as a literal would give it.
TEST(GeneralNumberText, FifteenSignificantDigitsWithoutGroupingElseTheExponentForm) {
  for (const std::string entry :
       {"2.5=2.5", "0.30000000000000004=0.3", "123456789.12345679=123456789.123457",
        "123456789012345=123456789012345", "-999999999999999=-999999999999999",
        "100000000000000=100000000000000", "-42=-42", "-1234567.5=-1234567.5", "-0=0",
        "0.0001=0.0001", "0.00001=1E-05", "-1.5e-7=-1.5E-07", "1e15=1E+15", "1e16=1E+16",
        "1234567890123456=1.23456789012346E+15", "1e300=1E+300",
        // Rounding to 15 digits can carry into the next power of ten.
        "999999999999999.9=1E+15"}) {
    const std::size_t eq = entry.find('=');
    EXPECT_EQ(GeneralNumberText(std::stod(entry.substr(0, eq))), entry.substr(eq + 1)) << entry;
  }
  EXPECT_EQ(GeneralNumberText(2.5, ","), "2,5");
}

// Dates, times and both in the usual patterns, the conformance workbooks show.
TEST(DateSerialText, RoundingCarriesIntoTheDayAndPatternsWithNamesAndLiterals) {
  EXPECT_EQ(DateSerialText(46362.99999999, {"dd/MM/yyyy", "HH:mm:ss"}), "07/12/2026");
  EXPECT_EQ(DateSerialText(46362.75, {"M/d/yyyy", "h:mm:ss tt"}), "12/6/2026 6:00:00 PM");
  const DateParts parts = SerialToDateParts(46362);
  EXPECT_EQ(FormatDatePattern(parts, "dddd d MMMM yy"), "Sunday 6 December 26");
  EXPECT_EQ(FormatDatePattern(parts, "yyyy'-'MM'-'dd"), "2026-12-06");
  EXPECT_EQ(FormatDatePattern(SerialToDateParts(-1.25), "yyyy-MM-dd HH:mm"), "1899-12-29 06:00");
}

}  // namespace
}  // namespace velloway::workbook
