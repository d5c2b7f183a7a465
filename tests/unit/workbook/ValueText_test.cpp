#include "workbook/ValueText.h"

#include <gtest/gtest.h>

#include <string>

namespace velloway {
namespace {

// Each entry "number=text", the number as a literal would give it.
TEST(GeneralNumberText, FifteenSignificantDigitsWithoutGroupingElseTheExponentForm) {
  for (const std::string entry :
       {"2.5=2.5", "0.30000000000000004=0.3", "123456789.12345679=123456789.123457",
        "123456789012345=123456789012345", "-1234567.5=-1234567.5", "-0=0", "0.0001=0.0001",
        "0.00001=1E-05", "-1.5e-7=-1.5E-07", "1e15=1E+15", "1e16=1E+16",
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
}  // namespace velloway
