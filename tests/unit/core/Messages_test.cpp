#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/ErrorLog.h"
#include "core/ImportError.h"
#include "core/LibraryState.h"
#include "core/clsFile.h"
#include "core/modToolBox.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace velloway {
namespace {

using modToolBox::DateValue;
using modToolBox::FormatMessage;

modLocale::TextSettings Dot() { return {}; }

TEST(FormatMessage, FillsTheFirstPlaceholderForEachValueInTheUsersFormats) {
  const char* progress = "Importing Risk - %x (%x of %x)";
  EXPECT_EQ(FormatMessage(Dot(), progress, {std::string("R1"), 3.0, 10.0}),
            "Importing Risk - R1 (3 of 10)");
  EXPECT_EQ(FormatMessage(Dot(), progress, {std::string("R1"), 3.0}),
            "Importing Risk - R1 (3 of %x)");
  EXPECT_EQ(FormatMessage(Dot(), "%x", {std::string("a"), std::string("b")}), "a");
  EXPECT_EQ(FormatMessage(Dot(), "%X and %x", {std::string("v")}), "%X and v");
  // Every search starts again at the beginning, so a value holding "%x" takes the next value.
  EXPECT_EQ(FormatMessage(Dot(), "[%x] [%x]", {std::string("<%x>"), std::string("B")}),
            "[<B>] [%x]");
  // Numbers, dates and empty values in the user's formats.
  modLocale::TextSettings comma;
  comma.decimalSeparator = ",";
  comma.dates.shortDate = "dd/MM/yyyy";
  EXPECT_EQ(FormatMessage(comma, "%x|%x|%x", {2.5, DateValue{46362}, std::monostate{}}),
            "2,5|06/12/2026|");
}

struct WithState : ::testing::Test {
  test::FakePlatform fakes;
  LibraryState state{fakes.platform};
  test::TempDir dir;
};

using FileExists = WithState;

TEST_F(FileExists, NormalFilesOnlyAndTellsWhatIsMissing) {
  const std::string file = dir.Write("register.xlsx", "x");
  dir.Write(".hidden.xlsx", "x");
  EXPECT_TRUE(modToolBox::FileExists(state, file, true));
  EXPECT_FALSE(modToolBox::FileExists(state, dir.File(".hidden.xlsx"), false));
  EXPECT_FALSE(modToolBox::FileExists(state, dir.path(), false));
  EXPECT_TRUE(fakes.ui->boxes.empty());
  // Asked to tell, it names what is missing; the launch sequence's tests check the icon.
  EXPECT_FALSE(modToolBox::FileExists(state, dir.path(), true));
  ASSERT_EQ(fakes.ui->boxes.size(), 1u);
  EXPECT_EQ(fakes.ui->boxes[0].text, "The file '" + dir.path() + "' does not exist.");
  EXPECT_EQ(fakes.ui->boxes[0].buttons, MsgButtons::OK);
  EXPECT_TRUE(modToolBox::FileExists(state, dir.path() + "/", false));
  EXPECT_TRUE(modToolBox::FileExists(state, dir.File("*.xlsx"), false));
  EXPECT_FALSE(modToolBox::FileExists(state, dir.File("*.xls"), false));
  EXPECT_EQ(fakes.ui->boxes.size(), 1u);
}

using ErrorLogTest = WithState;

TEST_F(ErrorLogTest, YesWritesTheLogAndOpensIt) {
  state.platform.tempFolder = dir.path();
  ClearErrorLog(state);
  AddErrorHeading(state, "Risks");
  AddError(state, "Row 7 is wrong");
  fakes.ui->answers = {MsgAnswer::Yes};
  OfferErrorLog(state);
  ASSERT_EQ(fakes.ui->boxes.size(), 1u);
  EXPECT_EQ(fakes.ui->boxes[0].text,
            "There were errors during your import.  Do you wish to view these errors?");
  EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::Information);
  EXPECT_EQ(fakes.ui->boxes[0].buttons, MsgButtons::YesNo);
  const std::string path = dir.File("ExcelToRRErrorLog.txt");
  ASSERT_EQ(fakes.viewer->opened, std::vector<std::string>{path});
  // The text ends with CR LF and the write adds one more: the file ends with an empty line.
  const std::string rule(50, '-');
  EXPECT_EQ(test::ReadFile(path), rule + "\r\nRisks\r\n" + rule + "\r\nRow 7 is wrong\r\n\r\n");
}

TEST_F(ErrorLogTest, NoLeavesNoFileAndASecondImportStartsAfresh) {
  state.platform.tempFolder = dir.path();
  AddError(state, "first import's error");
  OfferErrorLog(state);  // answered No
  EXPECT_TRUE(fakes.viewer->opened.empty());
  ClearErrorLog(state);
  AddErrorHeading(state, "Risks");
  OfferErrorLog(state);
  EXPECT_EQ(fakes.ui->boxes.size(), 1u);
  EXPECT_FALSE(std::ifstream(dir.File("ExcelToRRErrorLog.txt")).good());
}

TEST_F(ErrorLogTest, AnUnwritableLogFileRaisesInTheCaller) {
  state.platform.tempFolder = dir.File("no/such/folder");
  AddError(state, "x");
  fakes.ui->answers = {MsgAnswer::Yes};
  EXPECT_THROW(OfferErrorLog(state), ImportError);
  EXPECT_TRUE(fakes.viewer->opened.empty());
}

}  // namespace
}  // namespace velloway
