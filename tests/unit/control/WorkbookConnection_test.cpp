#include "control/WorkbookConnection.h"

#include <gtest/gtest.h>

#include "control/modSubMain.h"
#include "core/LibraryState.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "support/XlsxBuilder.h"
#include "workbook/CellText.h"
#include "workbook/Workbook.h"

namespace velloway {
namespace {

using test::XlsxBuilder;

// A library state over fakes whose user settings are "," and day-first dates, so that a test
// sees which settings the cell reader took.
class WorkbookConnectionTest : public ::testing::Test {
 protected:
  WorkbookConnectionTest() {
    for (const auto& [name, value] : {std::pair{"sDecimal", "."},
                                      {"sThousand", ","},
                                      {"sShortDate", "dd/MM/yyyy"},
                                      {"sTimeFormat", "HH:mm:ss"}})
      fakes.SetInternational(name, value);
    state = std::make_unique<LibraryState>(fakes.platform);
  }
  bool Connect(const XlsxBuilder& builder) {
    state->WorkbookPath = builder.Save(dir.File("book.xlsx"));
    return ConnectWorkbook(*state);
  }
  static std::string Name(const workbook::Worksheet* sheet) {
    return sheet == nullptr ? "(none)" : sheet->Name();
  }

  test::TempDir dir;
  test::FakePlatform fakes;
  std::unique_ptr<LibraryState> state;
};

TEST_F(WorkbookConnectionTest, SheetRulesAndTheTemplateVersion) {
  XlsxBuilder book;
  // Names are upper-cased letter by letter: a dotless i is an I, a sharp s no SS.
  for (const char* name : {"Qualitative Risks", "Response Actions", "QUALITATIVE ACTIONS",
                           "quantitative risks", "Quantitative Impacts", "Quantitative Ri\u00df",
                           "task impacts", "risk HISTORY", "r\u0131sk h\u0131story", "options"})
    book.Sheet(name);
  ASSERT_TRUE(Connect(book.Number("B4", 2.20)));
  const WorkbookRefs& refs = state->sheets;
  EXPECT_EQ(Name(refs.qualitativeRisks), "Qualitative Risks");
  EXPECT_EQ(Name(refs.actions), "QUALITATIVE ACTIONS");  // the one further right wins
  EXPECT_EQ(Name(refs.quantitativeRisks), "quantitative risks");
  EXPECT_EQ(Name(refs.taskImpacts), "task impacts");
  EXPECT_EQ(Name(refs.riskHistory), "r\u0131sk h\u0131story");
  EXPECT_EQ(Name(refs.options), "options");
  EXPECT_EQ(state->TemplateVersion, "2.2");
  EXPECT_TRUE(refs.workbookOpen);
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

TEST_F(WorkbookConnectionTest, OnlyTheExactQualitativeRiskSheetOrOptionsConnects) {
  EXPECT_TRUE(Connect(XlsxBuilder().Sheet("Qualitative Risks").Text("A1", "x")));
  EXPECT_EQ(state->TemplateVersion, "");
  EXPECT_EQ(state->sheets.options, nullptr);

  state = std::make_unique<LibraryState>(fakes.platform);
  // The diagnostic's words are the check command's tests' to see.
  EXPECT_FALSE(Connect(XlsxBuilder().Sheet("qualitative risks").Sheet("Risk History")));
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(fakes.diagnostics.size(), 1u);
}

TEST_F(WorkbookConnectionTest, NoReaderAtAllTellsTheUserAndCleansUp) {
  state->sheets.startReaders = [] { return false; };
  state->WorkbookPath = XlsxBuilder().Sheet("Options").Save(dir.File("book.xlsx"));
  EXPECT_FALSE(ConnectWorkbook(*state));
  ASSERT_EQ(fakes.ui->Texts(), std::vector<std::string>{"You need Microsoft excel to do this."});
  const test::ShownBox& box = fakes.ui->boxes[0];
  EXPECT_EQ(std::tuple(box.icon, box.buttons, box.title),
            std::tuple(MsgIcon::Information, MsgButtons::OK, ""));
  EXPECT_FALSE(state->sheets.workbookOpen);
}

TEST_F(WorkbookConnectionTest, CellTextRules) {
  ASSERT_TRUE(Connect(XlsxBuilder()
                          .Sheet("Options")
                          .Text("A1", "$1,200")
                          .Text("A2", "first\nsecond\r\nthird")
                          .Number("A4", 45306.5, "dd/mm/yyyy hh:mm")));
  const workbook::Worksheet* options = state->sheets.options;
  struct Case {
    const workbook::Worksheet* sheet;
    std::int32_t row, column;
    bool stripDollar;
    std::string text;
  };
  // The user's date and time patterns; numbers are the value text tests'.
  const Case cases[] = {{options, 1, 1, true, "1,200"},
                        {options, 1, 1, false, "$1,200"},
                        {options, 2, 1, false, "first<CRLF>second\r<CRLF>third"},
                        {options, 4, 1, false, "15/01/2024 12:00:00"},
                        {options, 0, 1, false, ""},
                        {options, 1, 0, false, ""},
                        {options, -3, -3, false, ""},
                        {options, 2000000, 20000, false, ""},
                        {nullptr, 1, 1, false, ""}};
  // Kept for a record, every cell reads the same; a text taken as it stands is not copied.
  workbook::RecordTexts kept;
  for (const Case& c : cases) {
    EXPECT_EQ(workbook::GetCellText(c.sheet, c.row, c.column, c.stripDollar), c.text);
    const workbook::TextRef ref =
        workbook::KeepCellText(c.sheet, c.row, c.column, kept, c.stripDollar);
    EXPECT_EQ(kept[ref], c.text) << c.row << "," << c.column;
  }
  const workbook::TextRef asItStands = workbook::KeepCellText(options, 1, 1, kept);
  EXPECT_EQ(kept[asItStands].data(), options->Cell(1, 1).text.data());
  // Own copies of any size, beyond one block of them, stay readable beside small ones.
  const std::string large(3 << 20, 'x');
  const workbook::TextRef small = kept.Keep("small");
  const workbook::TextRef big = kept.Keep(large);
  const workbook::TextRef after = kept.Keep("after");
  EXPECT_EQ(kept[small], "small");
  EXPECT_EQ(kept[big], large);
  EXPECT_EQ(kept[after], "after");
  EXPECT_EQ(kept[kept.Keep("")], "");
}

TEST_F(WorkbookConnectionTest, TheSeparatorInForceWhenConnectingIsKept) {
  fakes.SetInternational("sDecimal", ",");
  ASSERT_TRUE(Connect(XlsxBuilder().Sheet("Options").Number("B4", 2.5)));
  EXPECT_EQ(state->TemplateVersion, "2,5");
  // Forcing "." afterwards does not change an open workbook's texts.
  fakes.SetInternational("sDecimal", ".");
  EXPECT_EQ(workbook::GetCellText(state->sheets.options, 4, 2, false), "2,5");
}

TEST_F(WorkbookConnectionTest, ASecondConnectionKeepsNoSheetOfTheFirstAndCleanupClosesOnce) {
  ASSERT_TRUE(Connect(XlsxBuilder().Sheet("Options").Sheet("Risk History")));
  state->WorkbookPath = XlsxBuilder().Sheet("Options").Save(dir.File("second.xlsx"));
  ASSERT_TRUE(ConnectWorkbook(*state));
  EXPECT_EQ(state->sheets.riskHistory, nullptr);
  EXPECT_EQ(Name(state->sheets.options), "Options");
  modSubMain::Cleanup(*state);
  modSubMain::Cleanup(*state);
  EXPECT_FALSE(state->sheets.workbookOpen);
  EXPECT_EQ(state->sheets.workbook, nullptr);
}

}  // namespace
}  // namespace velloway
