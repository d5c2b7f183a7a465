// The progress form and its bars.
#include "ui/frmImportProgress.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "support/Fakes.h"
#include "ui/ProgressBar.h"

namespace velloway {
namespace {

using Kind = RecordedFrame::Kind;
using Flags = std::vector<bool>;

class FormTest : public ::testing::Test {
 protected:
  int Yields() const { return fake.progress->Count(Kind::Yield); }
  // Fills the step bar with n steps of 100/n and returns where it ends.
  float AfterSteps(int n) {
    form.SetProgressCounter(n);
    for (int i = 0; i < n; ++i) form.UpdateProgressBar("step");
    return form.pbProgress().Value();
  }

  test::FakePlatform fake;
  LibraryState state{fake.platform};
  frmImportProgress form{FormHostOf(state)};
};

TEST_F(FormTest, StepsAddInSinglePrecisionAndTheLastIsRefusedAbove100) {
  EXPECT_EQ(AfterSteps(3), 100.0f);
  // 11 and 18 are the counts the two roads use: the last sum rounds above 100 in single
  // precision, so the bar stays one step short until the form is completed.
  EXPECT_EQ(AfterSteps(11), 90.9090958f);
  EXPECT_EQ(AfterSteps(18), 94.444458f);
  // More steps than counted leave the bar where it is.
  form.UpdateProgressBar("one more");
  EXPECT_EQ(form.pbProgress().Value(), 94.444458f);
  EXPECT_EQ(form.lblProgress(), "one more");
  form.CompleteProgressBar();
  EXPECT_EQ(form.pbProgress().Value(), 100.0f);
  EXPECT_FALSE(form.Loaded());
}

TEST_F(FormTest, UpdateProgressBarYieldsItsTextAndUpdateLabelNeitherMovesNorYields) {
  // Zero steps fail in the caller before anything changes.
  form.UpdateLabel("before");
  EXPECT_THROW(form.UpdateProgressBar("after"), std::domain_error);
  EXPECT_EQ(form.lblProgress(), "before");
  EXPECT_EQ(form.pbProgress().Value(), 0.0f);
  EXPECT_EQ(Yields(), 0);
  form.SetProgressCounter(4);
  form.Show(FormShowMode::Modeless);
  form.UpdateProgressBar("Writing options to xml file.");
  ASSERT_EQ(Yields(), 1);
  const RecordedFrame& frame = fake.progress->frames.back();
  EXPECT_EQ(frame.stepText, "Writing options to xml file.");
  EXPECT_EQ(frame.stepBar.value, 25.0f);
  EXPECT_TRUE(frame.visible);
  form.UpdateLabel("Reading the risks");
  EXPECT_EQ(form.lblProgress(), "Reading the risks");
  EXPECT_EQ(form.pbProgress().Value(), 25.0f);
  EXPECT_EQ(Yields(), 1);
}

TEST_F(FormTest, TheItemPairIsClearedByCountsAndRefusesValuesOutsideItsRange) {
  form.SetMaxValue(40);
  form.UpdateProgress(30, "Importing Risk - R1 (30 of 40)");
  form.SetMaxValue(0);
  EXPECT_EQ(form.ProgressBar1().Max(), 40.0f);
  EXPECT_EQ(form.ProgressBar1().Value(), 0.0f);
  EXPECT_EQ(form.Label1(), "");
  form.SetMaxValue(-3);
  EXPECT_EQ(form.ProgressBar1().Max(), 40.0f);
  // A count above 0 is the new maximum; a value outside the range fails in the caller.
  form.Show(FormShowMode::Modeless);
  form.SetMaxValue(10);
  form.UpdateProgress(10, "Importing Risk - R10 (10 of 10)");
  EXPECT_EQ(form.ProgressBar1().Value(), 10.0f);
  const int yields = Yields();
  EXPECT_THROW(form.UpdateProgress(11, "Importing Risk - R11 (11 of 10)"), std::out_of_range);
  EXPECT_THROW(form.UpdateProgress(-1, "below"), std::out_of_range);
  // The text was set before the value was refused; the failed calls did not yield.
  EXPECT_EQ(form.Label1(), "below");
  EXPECT_EQ(form.ProgressBar1().Value(), 10.0f);
  EXPECT_EQ(Yields(), yields);
}

TEST_F(FormTest, TheHostHearsOfCreationAndOfEveryUnloadOnce) {
  {
    frmImportProgress other(FormHostOf(state));
    other.SetProgressCounter(18);  // loads it
    other.Unload();
    other.Unload();  // unloading an unloaded form does nothing
    EXPECT_EQ(fake.host->formActive, (Flags{true, true, false}));
    // A method after unloading loads the form again; dropping it unloads it once more.
    other.UpdateLabel("again");
    EXPECT_TRUE(other.Loaded());
  }
  EXPECT_EQ(fake.host->formActive, (Flags{true, true, false, false}));
}

TEST_F(FormTest, AFailingHostWindowQueryLeavesTheFormUnplaced) {
  class NoWindowHost : public test::RecordingHost {
    std::int32_t MainWindowHandle() override { throw std::runtime_error("no window"); }
  };
  fake.platform.createHostApplication = [] { return std::make_shared<NoWindowHost>(); };
  LibraryState other(fake.platform);
  frmImportProgress unplaced(FormHostOf(other));
  unplaced.SetProgressCounter(11);
  EXPECT_TRUE(unplaced.Loaded());
  EXPECT_EQ(unplaced.Rect().Left, 0);
  EXPECT_EQ(unplaced.Rect().Top, 0);
}

TEST_F(FormTest, LoadingCentresAndAMethodAfterUnloadReloadsHiddenWithFreshControls) {
  form.SetProgressCounter(4);
  const FormRect& rect = form.Rect();
  EXPECT_EQ(std::tuple(rect.Left, rect.Top, rect.Width, rect.Height),
            std::tuple(3720, 4627, 7920, 2265));
  form.Show(FormShowMode::Modeless);
  form.SetMaxValue(50);
  form.CompleteProgressBar();
  ASSERT_EQ(fake.progress->Count(Kind::Hide), 1);
  EXPECT_EQ(fake.progress->frames.back().stepBar.value, 100.0f);

  form.UpdateProgressBar("Doing final calculations.");
  EXPECT_TRUE(form.Loaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.Rect().Left, 3720);
  // The controls are new; the step count belongs to the form and survives.
  EXPECT_EQ(form.pbProgress().Value(), 25.0f);
  EXPECT_EQ(form.ProgressBar1().Max(), 100.0f);
  EXPECT_EQ(fake.progress->Count(Kind::Show), 1);
  EXPECT_FALSE(fake.progress->frames.back().visible);
}

TEST_F(FormTest, ModalDisplayRunsTheStepsAndUnloadsEvenWhenTheyThrow) {
  std::vector<std::string> seen;
  form.SetActivateSteps([&] {
    seen.emplace_back(form.Visible() ? "visible" : "hidden");
    seen.push_back(std::to_string(Yields()) + " yield");
    form.UpdateProgressBar("Creating of basic xml structure.");
    form.CompleteProgressBar();
  });
  form.SetProgressCounter(11);
  form.Show(FormShowMode::Modal);
  EXPECT_EQ(seen, (std::vector<std::string>{"visible", "1 yield"}));
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(fake.host->formActive, (Flags{true, false}));

  form.SetActivateSteps([] { throw std::runtime_error("step failed"); });
  EXPECT_THROW(form.Show(FormShowMode::Modal), std::runtime_error);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(fake.host->formActive, (Flags{true, false, false}));

  // Modeless, the steps are the caller's to run.
  bool ran = false;
  form.SetActivateSteps([&] { ran = true; });
  form.Show(FormShowMode::Modeless);
  EXPECT_FALSE(ran);
  EXPECT_TRUE(form.Visible());
  EXPECT_THROW(form.Show(FormShowMode::Modal), std::logic_error);
}

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
