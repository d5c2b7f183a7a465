// velloway check on good and broken workbooks of both roads, in text and JSON.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "app/TemplateWorkbook.h"
#include "e2e/Command.h"
#include "support/XlsxBuilder.h"

namespace velloway {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class Check : public ::testing::Test {
 protected:
  using Result = test::CommandResult;
  // With its own temporary folder, to see that nothing is left there.
  Result Run(const std::string& args) {
    return test::RunVelloway(dir, args, "TMPDIR='" + dir.File("tmp") + "'");
  }
  void SetUp() override {
    dir.Write("tmp/.keep", "");
    dir.Write("cfg/velloway/registry.reg", "");
  }
  test::TempDir dir;
};

bool Has(const std::string& text, const std::string& line) {
  return text.find(line) != std::string::npos;
}

TEST_F(Check, AGoodWorkbookOfEachRoadIsReportedAndNothingOfTheUsersIsTouched) {
  const Result current = Run("check '" VELLOWAY_EXAMPLES "/register-2.2.xlsx'");
  EXPECT_EQ(current.exitCode, 0) << current.out << current.err;
  for (const char* line :
       {"Template version: \"2.2\", read as the current template\n",
        "Sheets found: Options, Qualitative Risks, Response Actions, Quantitative Risks, "
        "Task Impacts, Risk History\nSheets missing: none\n",
        "  Qualitative Risks: header row 3, data rows 4 to 9, 5 records\n",
        "  QualitativeRisks: 5\n", "Result: an import would write the register\n"}) {
    EXPECT_TRUE(Has(current.out, line)) << line << current.out;
  }
  const Result older = Run("check '" VELLOWAY_EXAMPLES "/register-2.1.xlsx' --format json");
  EXPECT_EQ(older.exitCode, 0) << older.out << older.err;
  const auto json = nlohmann::json::parse(older.out);
  EXPECT_EQ(json["templateVersion"], "2.1");
  EXPECT_EQ(json["road"], "registerxml");
  EXPECT_EQ(json["records"][0],
            nlohmann::json::parse(R"({"sheet": "Qualitative Risks", "headerRow": 2,
                                      "firstRow": 3, "lastRow": 8, "records": 6})"));
  EXPECT_EQ(json["wouldWrite"]["Risks"], "6");
  EXPECT_EQ(json["problems"], nlohmann::json::array());
  EXPECT_TRUE(json["wouldImport"]);
  // The user's registry file as it was, no error log and no plan left behind.
  EXPECT_EQ(test::ReadFile(dir.File("cfg/velloway/registry.reg")), "");
  EXPECT_EQ(test::Shell("test -z \"$(ls -A '" + dir.File("tmp") + "' | grep -v keep)\""), 0);
}

TEST_F(Check, ProblemsAreNamedByCellInTextAndJson) {
  // A current-template workbook whose one risk has "n/a" for its score, one whose option cell
  // holds letters, and an older one whose options are no XML fragment.
  app::WriteTemplate(
      dir.File("score.xlsx"), "2.2",
      {{"Qualitative Risks", Rows{{"R1", "Threat", "Permit", "M", "M", "H", "L", "n/a"}}}});
  test::XlsxBuilder o, b;
  o.Sheet("Options").Text("B4", "2.2").Text("B36", "blue").Save(dir.File("o.xlsx"));
  b.Sheet("Options").Text("A1", "<Options>unclosed").Text("B4", "2.1");
  b.Sheet("Qualitative Risks").Text("A2", "Risk ID").Save(dir.File("fragment.xlsx"));
  for (const auto& [book, problem] :
       {std::pair{"score.xlsx", "Qualitative Risks!H3: 'n/a' is not a number"},
        {"o.xlsx", "Options!B36: 'blue' is not a number"},
        {"fragment.xlsx", "Options!A1: not an XML fragment with an Options element"}}) {
    SCOPED_TRACE(book);
    const Result text = Run("check " + std::string(book));
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_TRUE(Has(text.out, "Problems:\n")) << text.out;
    EXPECT_TRUE(Has(text.out, "\n  " + std::string(problem) + "\n")) << text.out;
    EXPECT_TRUE(Has(text.out, "Result: an import would not write the register\n"));
    const Result json = Run("check " + std::string(book) + " --format json");
    EXPECT_EQ(json.exitCode, 1);
    std::vector<std::string> places;
    const auto report = nlohmann::json::parse(json.out);
    for (const auto& p : report["problems"]) {
      places.push_back(p["sheet"].get<std::string>() + "!" + p["cell"].get<std::string>() + ": " +
                       p["fact"].get<std::string>());
    }
    EXPECT_NE(std::find(places.begin(), places.end(), problem), places.end()) << json.out;
  }
}

TEST_F(Check, WhatIsNoWorkbookOfEitherRoadGetsAReportAndExitOne) {
  dir.Write("notes.xlsx", "meeting notes");
  test::XlsxBuilder().Sheet("Budget").Text("A1", "x").Save(dir.File("neither.xlsx"));
  for (const auto& [args, line] :
       {std::pair<std::string, std::string>{"check notes.xlsx", "not a workbook"},
        {"check missing.xlsx", "The file '" + dir.File("missing.xlsx") + "' does not exist."},
        {"check neither.xlsx", "has neither an \"Options\" nor a \"Qualitative Risks\" sheet"}}) {
    const Result r = Run(args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_TRUE(Has(r.out, line)) << r.out;
  }
  EXPECT_EQ(Run("check notes.xlsx --format xml").exitCode, 2);
}

}  // namespace
}  // namespace velloway
