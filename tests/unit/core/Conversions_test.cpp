#include <gtest/gtest.h>

#include "core/ImportError.h"
#include "core/modToolBox.h"
#include "workbook/ValueText.h"

namespace velloway::modToolBox {
namespace {

modLocale::TextSettings Settings(std::string decimal, std::string thousand, std::string shortDate) {
  modLocale::TextSettings s;
  s.decimalSeparator = std::move(decimal);
  s.thousandSeparator = std::move(thousand);
  s.dates.shortDate = std::move(shortDate);
  return s;
}

const auto kDot = Settings(".", ",", "dd/MM/yyyy");

// Checks "text=number" for each entry: what the text converts to under the settings.
void ExpectNumbers(const modLocale::TextSettings& settings,
                   const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    const std::size_t eq = entry.rfind('=');
    EXPECT_EQ(TextToNumber(settings, entry.substr(0, eq)), std::stod(entry.substr(eq + 1)))
        << entry;
  }
}

TEST(TextToNumber, AcceptsWhatTheAutomationLayerAccepts) {
  ExpectNumbers(kDot, {"=0", "  2.5 =2.5", "-3=-3", "+ 4=4", "1,200.75=1200.75", "1,2,3=123",
                       "1.5E3=1500", "2e-2=0.02", ".25=0.25", "(12)=-12", "&H1F=31", "1e-400=0"});
}

TEST(TextToNumber, RefusesWhatIsNoNumber) {
  for (const char* text : {" ", "abc", "1.2.3", ",5", "5,", "1e", "--1", "1 2", "$5", "50%"}) {
    EXPECT_THROW(TextToNumber(kDot, text), ConversionError) << text;
  }
  // Too large for a double: the platform's overflow, not a type mismatch.
  for (const std::string& text :
       {std::string("1e400"), std::string("-1E+309"), std::string("(2e308)"),
        std::string("&H1FFFFFFFFFFFFFFFF"), std::string(400, '9')}) {
    EXPECT_THROW(TextToNumber(kDot, text), OverflowError) << text;
  }
}

TEST(TextToNumber, FollowsTheSeparatorsInForce) {
  const auto comma = Settings(",", ".", "dd.MM.yyyy");
  ExpectNumbers(comma, {"1.234,5=1234.5"});
  EXPECT_THROW(TextToNumber(comma, "1,2,3"), ConversionError);
  // A thousands separator never follows the decimal separator.
  EXPECT_THROW(TextToNumber(kDot, "1.5,3"), ConversionError);
  EXPECT_THROW(TextToNumber(comma, "1,5.3"), ConversionError);
  // A comma-decimal user under the forced ".": the comma groups thousands for the run.
  ExpectNumbers(Settings(".", ".", "dd.MM.yyyy"), {"1.5=1.5", "12,500.00=12500"});
}

TEST(TextToFlag, WordsInAnyCaseAndNumbers) {
  for (const char* yes : {"TRUE", " true ", "-1", "0.5"}) EXPECT_TRUE(TextToFlag(kDot, yes)) << yes;
  for (const char* no : {"", "fAlSe", "0"}) EXPECT_FALSE(TextToFlag(kDot, no)) << no;
  EXPECT_THROW(TextToFlag(kDot, "Yes"), ConversionError);
  EXPECT_THROW(TextToFlag(kDot, "x"), ConversionError);
  EXPECT_THROW(TextToFlag(kDot, "1e400"), OverflowError);
}

double Serial(int y, int m, int d) { return DatePartsToSerial({y, m, d, 0, 0, 0}); }

TEST(TextToDate, ShortDateOrderFirstThenTheOthers) {
  EXPECT_EQ(TextToDate(kDot, "06/12/2026", 2026), Serial(2026, 12, 6));
  const auto us = Settings(".", ",", "M/d/yyyy");
  EXPECT_EQ(TextToDate(us, "06/12/2026", 2026), Serial(2026, 6, 12));
  // A day above 12 cannot be a month: the other order is taken.
  EXPECT_EQ(TextToDate(us, "25/12/2026", 2026), Serial(2026, 12, 25));
  EXPECT_EQ(TextToDate(kDot, "2026-12-06", 2026), Serial(2026, 12, 6));
  EXPECT_EQ(TextToDate(kDot, "6.12.2026", 2026), Serial(2026, 12, 6));
}

TEST(TextToDate, TwoDigitYearsMonthNamesAndTimes) {
  EXPECT_EQ(TextToDate(kDot, "1/2/29", 2026), Serial(2029, 2, 1));
  EXPECT_EQ(TextToDate(kDot, "1/2/30", 2026), Serial(1930, 2, 1));
  EXPECT_EQ(TextToDate(kDot, "6 December 2026", 2026), Serial(2026, 12, 6));
  EXPECT_EQ(TextToDate(kDot, "Dec 6, 2026", 2026), Serial(2026, 12, 6));
  EXPECT_EQ(TextToDate(kDot, "6-dec-26", 2026), Serial(2026, 12, 6));
  EXPECT_EQ(TextToDate(kDot, "6/12", 2031), Serial(2031, 12, 6));
  EXPECT_DOUBLE_EQ(TextToDate(kDot, "06/12/2026 18:00", 2026), Serial(2026, 12, 6) + 0.75);
  EXPECT_DOUBLE_EQ(TextToDate(kDot, "2026-12-06T06:00:00", 2026), Serial(2026, 12, 6) + 0.25);
  EXPECT_DOUBLE_EQ(TextToDate(kDot, "6:00 PM", 2026), 0.75);
  EXPECT_DOUBLE_EQ(TextToDate(kDot, "12:00 AM", 2026), 0);
}

TEST(TextToDate, RefusesWhatIsNoDate) {
  for (const char* text : {"", "abc", "31/02/2026", "13/13/2026", "25:00", "1/2/3/4x", "Smarch 3",
                           "6 Dec Jan 2026", "12:61"}) {
    EXPECT_THROW(TextToDate(kDot, text, 2026), ConversionError) << text;
  }
}

}  // namespace
}  // namespace velloway::modToolBox
