#include "ui/ProgressBar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace velloway {
namespace {

TEST(ProgressBar, RefusesValuesOutsideItsRangeAndKeepsItOpen) {
  ProgressBar bar;
  bar.SetValue(100);
  EXPECT_THROW(bar.SetValue(100.00001f), std::out_of_range);
  EXPECT_THROW(bar.SetValue(-0.5f), std::out_of_range);
  EXPECT_THROW(bar.SetValue(NAN), std::out_of_range);
  EXPECT_EQ(bar.Value(), 100.0f);
  EXPECT_THAT([&] { bar.SetValue(101); },
              testing::ThrowsMessage<std::out_of_range>(testing::StrEq("Invalid property value")));

  // The range must stay open, and pulls the value in.
  bar.SetValue(80);
  bar.SetMax(50);
  EXPECT_EQ(bar.Value(), 50.0f);
  EXPECT_THROW(bar.SetMax(0), std::out_of_range);
  EXPECT_THROW(bar.SetMin(50), std::out_of_range);
  bar.SetMin(10.5f);
  EXPECT_EQ(bar.Min(), 10.5f);
  EXPECT_EQ(bar.Max(), 50.0f);
  EXPECT_THROW(bar.SetValue(10), std::out_of_range);
}

}  // namespace
}  // namespace velloway
