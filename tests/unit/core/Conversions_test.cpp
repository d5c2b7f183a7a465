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

TEST(TextToNumber, AcceptsWhatTheAutomationLayerAccepts) {
  EXPECT_EQ(TextToNumber(kDot, ""), 0);
  EXPECT_EQ(TextToNumber(kDot, "  2.5 "), 2.5);
  EXPECT_EQ(TextToNumber(kDot, "-3"), -3);
  EXPECT_EQ(TextToNumber(kDot, "+ 4"), 4);
  EXPECT_EQ(TextToNumber(kDot, "1,200.75"), 1200.75);
  EXPECT_EQ(TextToNumber(kDot, "1,2,3"), 123);
  EXPECT_EQ(TextToNumber(kDot, "1.5E3"), 1500);
  EXPECT_EQ(TextToNumber(kDot, "2e-2"), 0.02);
  EXPECT_EQ(TextToNumber(kDot, ".25"), 0.25);
  EXPECT_EQ(TextToNumber(kDot, "(12)"), -12);
  EXPECT_EQ(TextToNumber(kDot, "&H1F"), 31);
}

TEST(TextToNumber, RefusesWhatIsNoNumber) {
  for (const char* text : {" ", "abc", "1.2.3", ",5", "5,", "1e", "--1", "1 2", "$5", "50%"}) {
    EXPECT_THROW(TextToNumber(kDot, text), ConversionError) << text;
  }
  EXPECT_THROW(TextToNumber(kDot, "1e400"), ConversionError);
}

TEST(TextToNumber, FollowsTheSeparatorsInForce) {
  const auto comma = Settings(",", ".", "dd.MM.yyyy");
  EXPECT_EQ(TextToNumber(comma, "1.234,5"), 1234.5);
  EXPECT_THROW(TextToNumber(comma, "1,2,3"), ConversionError);
  // A comma-decimal user under the forced ".": the comma groups thousands for the run.
  const auto forced = Settings(".", ".", "dd.MM.yyyy");
  EXPECT_EQ(TextToNumber(forced, "1.5"), 1.5);
  EXPECT_EQ(TextToNumber(forced, "12,500.00"), 12500);
}

TEST(TextToFlag, WordsInAnyCaseAndNumbers) {
  EXPECT_FALSE(TextToFlag(kDot, ""));
  EXPECT_TRUE(TextToFlag(kDot, "TRUE"));
  EXPECT_TRUE(TextToFlag(kDot, " true "));
  EXPECT_FALSE(TextToFlag(kDot, "fAlSe"));
  EXPECT_TRUE(TextToFlag(kDot, "-1"));
  EXPECT_TRUE(TextToFlag(kDot, "0.5"));
  EXPECT_FALSE(TextToFlag(kDot, "0"));
  EXPECT_THROW(TextToFlag(kDot, "Yes"), ConversionError);
  EXPECT_THROW(TextToFlag(kDot, "x"), ConversionError);
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
