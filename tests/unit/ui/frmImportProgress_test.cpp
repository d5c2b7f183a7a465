#include "ui/frmImportProgress.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/Fakes.h"

namespace velloway {
namespace {

using Kind = RecordedFrame::Kind;

class FormTest : public ::testing::Test {
 protected:
  test::FakePlatform fake;
  LibraryState state{fake.platform};
};

// Fills the step bar with n steps of 100/n and returns where it ends.
float AfterSteps(frmImportProgress& form, int n) {
  form.SetProgressCounter(n);
  for (int i = 0; i < n; ++i) form.UpdateProgressBar("step");
  return form.pbProgress().Value();
}

TEST_F(FormTest, StepsAddInSinglePrecisionAndTheLastIsRefusedAbove100) {
  frmImportProgress form(state);
  EXPECT_EQ(AfterSteps(form, 3), 100.0f);
  // 11 and 18 are the counts the two roads use: the last sum rounds above 100 in single
  // precision, so the bar stays one step short until the form is completed.
  EXPECT_EQ(AfterSteps(form, 11), 90.9090958f);
  EXPECT_EQ(AfterSteps(form, 18), 94.444458f);
  // More steps than counted leave the bar where it is.
  form.UpdateProgressBar("one more");
  EXPECT_EQ(form.pbProgress().Value(), 94.444458f);
  EXPECT_EQ(form.lblProgress(), "one more");
  form.CompleteProgressBar();
  EXPECT_EQ(form.pbProgress().Value(), 100.0f);
  EXPECT_FALSE(form.Loaded());
}

TEST_F(FormTest, UpdateProgressBarShowsTheTextAndYields) {
  frmImportProgress form(state);
  form.SetProgressCounter(4);
  form.Show(FormShowMode::Modeless);
  form.UpdateProgressBar("Writing options to xml file.");
  ASSERT_EQ(fake.progress->Count(Kind::Yield), 1);
  const RecordedFrame& frame = fake.progress->frames.back();
  EXPECT_EQ(frame.stepText, "Writing options to xml file.");
  EXPECT_EQ(frame.stepBar.value, 25.0f);
  EXPECT_TRUE(frame.visible);
}

TEST_F(FormTest, ZeroStepsFailInTheCallerBeforeAnythingChanges) {
  frmImportProgress form(state);
  form.UpdateLabel("before");
  EXPECT_THROW(form.UpdateProgressBar("after"), std::domain_error);
  EXPECT_EQ(form.lblProgress(), "before");
  EXPECT_EQ(form.pbProgress().Value(), 0.0f);
  EXPECT_EQ(fake.progress->Count(Kind::Yield), 0);
}

TEST_F(FormTest, UpdateLabelNeitherMovesNorYields) {
  frmImportProgress form(state);
  form.SetProgressCounter(2);
  form.Show(FormShowMode::Modeless);
  form.UpdateProgressBar("first");
  const int yields = fake.progress->Count(Kind::Yield);
  form.UpdateLabel("Reading the risks");
  EXPECT_EQ(form.lblProgress(), "Reading the risks");
  EXPECT_EQ(form.pbProgress().Value(), 50.0f);
  EXPECT_EQ(fake.progress->Count(Kind::Yield), yields);
}

TEST_F(FormTest, SetMaxValueClearsTheItemPairAndKeepsTheMaximumForCountsNotAbove0) {
  frmImportProgress form(state);
  form.SetMaxValue(40);
  form.UpdateProgress(30, "Importing Risk - R1 (30 of 40)");
  form.SetMaxValue(0);
  EXPECT_EQ(form.ProgressBar1().Max(), 40.0f);
  EXPECT_EQ(form.ProgressBar1().Value(), 0.0f);
  EXPECT_EQ(form.Label1(), "");
  form.SetMaxValue(-3);
  EXPECT_EQ(form.ProgressBar1().Max(), 40.0f);
  form.SetMaxValue(7);
  EXPECT_EQ(form.ProgressBar1().Max(), 7.0f);
}

TEST_F(FormTest, UpdateProgressOutsideTheItemRangeFailsInTheCaller) {
  frmImportProgress form(state);
  form.Show(FormShowMode::Modeless);
  form.SetMaxValue(10);
  form.UpdateProgress(10, "Importing Risk - R10 (10 of 10)");
  EXPECT_EQ(form.ProgressBar1().Value(), 10.0f);
  const int yields = fake.progress->Count(Kind::Yield);
  EXPECT_THROW(form.UpdateProgress(11, "Importing Risk - R11 (11 of 10)"), std::out_of_range);
  EXPECT_THROW(form.UpdateProgress(-1, "below"), std::out_of_range);
  // The text was set before the value was refused; the failed calls did not yield.
  EXPECT_EQ(form.Label1(), "below");
  EXPECT_EQ(form.ProgressBar1().Value(), 10.0f);
  EXPECT_EQ(fake.progress->Count(Kind::Yield), yields);
}

TEST_F(FormTest, TheHostHearsOfCreationAndOfEveryUnload) {
  {
    frmImportProgress form(state);
    EXPECT_EQ(fake.host->formActive, std::vector<bool>{true});
    form.SetProgressCounter(18);
    form.Show(FormShowMode::Modeless);
    form.CompleteProgressBar();
    EXPECT_EQ(fake.host->formActive, (std::vector<bool>{true, false}));
    // Unloading an unloaded form does nothing.
    form.Unload();
    EXPECT_EQ(fake.host->formActive.size(), 2u);
    // A method after unloading loads the form again; dropping it unloads it once more.
    form.UpdateLabel("again");
    EXPECT_TRUE(form.Loaded());
  }
  EXPECT_EQ(fake.host->formActive, (std::vector<bool>{true, false, false}));
}

TEST_F(FormTest, LoadingCentresOnTheHostMonitor) {
  frmImportProgress form(state);
  form.SetProgressCounter(11);
  EXPECT_EQ(form.Rect().Left, 3720);
  EXPECT_EQ(form.Rect().Top, 4627);
  EXPECT_EQ(form.Rect().Width, 7920);
  EXPECT_EQ(form.Rect().Height, 2265);
}

TEST_F(FormTest, AFailingHostWindowQueryLeavesTheFormUnplaced) {
  class NoWindowHost : public test::RecordingHost {
    std::int32_t MainWindowHandle() override { throw std::runtime_error("no window"); }
  };
  fake.platform.createHostApplication = [] { return std::make_shared<NoWindowHost>(); };
  LibraryState other(fake.platform);
  frmImportProgress form(other);
  form.SetProgressCounter(11);
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(form.Rect().Left, 0);
  EXPECT_EQ(form.Rect().Top, 0);
}

TEST_F(FormTest, AMethodAfterUnloadReloadsHiddenWithFreshControls) {
  frmImportProgress form(state);
  form.SetProgressCounter(4);
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

TEST_F(FormTest, ModalDisplayYieldsRunsTheStepsAndUnloads) {
  frmImportProgress form(state);
  std::vector<std::string> seen;
  form.SetActivateSteps([&] {
    seen.emplace_back(form.Visible() ? "visible" : "hidden");
    seen.push_back(std::to_string(fake.progress->Count(Kind::Yield)) + " yield");
    form.UpdateProgressBar("Creating of basic xml structure.");
    form.CompleteProgressBar();
  });
  form.SetProgressCounter(11);
  form.Show(FormShowMode::Modal);
  EXPECT_EQ(seen, (std::vector<std::string>{"visible", "1 yield"}));
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(fake.host->formActive, (std::vector<bool>{true, false}));
}

TEST_F(FormTest, ModelessDisplayLeavesTheStepsToTheCaller) {
  frmImportProgress form(state);
  bool ran = false;
  form.SetActivateSteps([&] { ran = true; });
  form.Show(FormShowMode::Modeless);
  EXPECT_FALSE(ran);
  EXPECT_TRUE(form.Visible());
  EXPECT_THROW(form.Show(FormShowMode::Modal), std::logic_error);
}

TEST_F(FormTest, StepsThatThrowStillCloseTheModalForm) {
  frmImportProgress form(state);
  form.SetActivateSteps([] { throw std::runtime_error("step failed"); });
  EXPECT_THROW(form.Show(FormShowMode::Modal), std::runtime_error);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(fake.host->formActive, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace velloway
