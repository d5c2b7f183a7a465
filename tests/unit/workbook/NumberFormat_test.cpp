// Number formats, date serials and the texts numbers and dates read as.
#include "workbook/NumberFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "workbook/DateSystem.h"
#include "workbook/ValueText.h"

namespace velloway::workbook {
namespace {

TEST(NumberFormat, DateAndTimeCodesAndNumberCodes) {
  for (const char* code : {"d/m/yyyy", "yyyy-mm-dd", "mmm-yy", "dd/mm/yyyy\\ hh:mm", "h:mm:ss;@",
                           "h:mm AM/PM", "[h]:mm", "[mm]:ss", "[ss]", "[$-409]d\\-mmm\\-yyyy;@",
                           "[$-F800]dddd\\,\\ mmmm\\ dd\\,\\ yyyy", "dd\"th of\" mmmm",
                           "[Red]dd/mm/yy", "General\\ yyyy", "DD/MM/YYYY"}) {
    EXPECT_TRUE(IsDateTimeFormatCode(code)) << code;
  }
  for (const char* code :
       {"General", "0.00", "#,##0.00\\ [$\u20ac-407];[Red]\\-#,##0.00", "\"$\"#,##0.00", "0.00%",
        "@", "# ?/?", "0.00E+00", "0.0\" days\"", "\\d0", "_-* #,##0_-;\\-* #,##0_-",
        "[Red]0;[Blue]-0", "0;dd/mm/yyyy", "[>100]0;0.0", "*m0", "", "\"unterminated"}) {
    EXPECT_FALSE(IsDateTimeFormatCode(code)) << code;
  }
}

TEST(NumberFormat, CurrencyCodes) {
  for (const char* code :
       {"\"$\"#,##0.00", "$#,##0_);($#,##0)", "#,##0.00\\ [$\u20ac-407]", "[$USD] #,##0",
        "_(\"$\"* #,##0.00_)", "\\\u00a30.00", "#,##0 \"\u20ac\""}) {
    EXPECT_TRUE(IsCurrencyFormatCode(code)) << code;
    EXPECT_EQ(KindOfFormatCode(code), NumberKind::Currency) << code;
  }
  for (const char* code :
       {"#,##0.00", "[$-409]#,##0", "0.00_$", "0;\"$\"0", "\"USD\" 0", "[$-F800]dddd"}) {
    EXPECT_FALSE(IsCurrencyFormatCode(code)) << code;
  }
  EXPECT_EQ(KindOfFormatCode("[$\u20ac-407] dd/mm/yyyy"), NumberKind::DateTime);
}

TEST(NumberFormat, BuiltInIds) {
  for (const int id : {14, 15, 16, 17, 18, 19, 20, 21, 22, 27, 36, 45, 46, 47, 50, 58}) {
    EXPECT_TRUE(IsBuiltInDateTimeFormat(id)) << id;
  }
  for (const int id : {0, 1, 2, 9, 10, 11, 12, 13, 23, 26, 37, 44, 48, 49, 59, 164}) {
    EXPECT_FALSE(IsBuiltInDateTimeFormat(id)) << id;
  }
  for (const int id : {5, 6, 7, 8, 42, 44})
    EXPECT_EQ(KindOfBuiltInFormat(id), NumberKind::Currency);
  for (const int id : {0, 4, 9, 41, 43}) EXPECT_EQ(KindOfBuiltInFormat(id), NumberKind::Plain);
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
}  // namespace velloway::workbook
