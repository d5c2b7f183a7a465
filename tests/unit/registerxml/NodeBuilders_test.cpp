// The node builders where the sheet steps do not reach: dates by type, dates left out, unnamed
// impacts, defaults and level positions. What the steps put in a risk their own tests check, and
// element names and child orders the shipped schema those tests import under.
#include "registerxml/LevelLookup.h"
#include "registerxml/clsXmlMitAction.h"
#include "registerxml/clsXmlTaskImpact.h"
#include "registerxml/clsXmlUserfield.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using modXMLToolbox::XmlNode;
using test::Has;
using test::Text;

class NodeBuilders : public test::RegisterXmlTest {
 protected:
  NodeBuilders() { doc = NewDocument().get(); }
  xmlDocPtr doc = nullptr;
};

TEST_F(NodeBuilders, UserFieldValuesAreDatesOnlyForTheTwoDateTypes) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases{
      {"Start Date", "2025-03-01", "2025-03-01"},
      {"Finish Date", "", ""},
      {"Finish Date", "soon", ""},
      {"start date", "soon", "soon"},
      {"", "2025-03-01", "2025-03-01"}};
  for (const auto& [type, text, expected] : cases) {
    const XmlNode node = clsXmlUserfield{"", "F", text, type}.GetNode(state, doc);
    EXPECT_FALSE(Has(node.get(), "@ID"));
    EXPECT_EQ(Text(node.get(), "Value"), expected) << type << " " << text;
  }
}

TEST_F(NodeBuilders, AnActionLeavesOutEmptyTargetDatesAndATaskImpactRepeatsItsNumbers) {
  clsXmlMitAction action;
  action.m_strMitigationName = "not written";
  action.m_strTargetFinishDate = "2025-06-30";
  action.m_strTargetStartDate = "not a date";
  action.m_colPostImpacts.Add({"", "L"});
  const XmlNode node = action.GetNode(state, doc);
  EXPECT_FALSE(Has(node.get(), "TargetStartDate"));
  test::ExpectTexts(node.get(),
                    {"AfterAction/Impacts/Impact/Value=1", "TargetFinishDate=2025-06-30",
                     "StartDate=2026-12-06", "Status=Proposed"});
  // An impact without a name has no Name attribute but its Name child.
  xmlNodePtr unnamed = modXMLToolbox::SelectSingleNode(node.get(), "AfterAction/Impacts/Impact");
  EXPECT_FALSE(Has(unnamed, "@Name"));
  EXPECT_EQ(test::ChildNames(unnamed), "Name Value");

  clsXmlTaskImpact impact;
  impact.m_strTaskID = "T7";
  impact.m_strCostShape = "Triangular";
  impact.m_dblCostMax = 1e6;
  test::ExpectTexts(impact.GetNode(doc).get(), {"@TaskID=T7", "DurationShape=Uniform",
                                                "CostShape=Triangular", "EnteredCostMax=1000000"});
}

TEST_F(NodeBuilders, LevelLookupsCompareUpperCasedAndTakeTheFirstMatch) {
  using registerxml::LevelPosition;
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", "vh"), "5");
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", "m"), "3");   // not the later "m"
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", " M"), "0");  // no trimming
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", ""), "0");
  EXPECT_EQ(LevelPosition(doc, "Probability", "FullName", "very high"), "5");
  EXPECT_EQ(LevelPosition(doc, "Nothing", "ShortName", "H"), "0");

  // Levels without names or positions, in a document whose PID has no other level type.
  doc = NewDocument(false).get();
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", "H"), "0");  // no PID
  const auto pid = modXMLToolbox::LoadXml(
      "<PID><LevelTypes><LevelType Name=\"Probability\"><Levels>"
      "<Level Position=\"7\"><FullName>Nameless</FullName></Level>"
      "<Level><ShortName>É</ShortName></Level>"
      "</Levels></LevelType></LevelTypes></PID>");
  modXMLToolbox::AppendClone(RiskRegister(), xmlDocGetRootElement(pid.get()));
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", ""), "7");
  EXPECT_EQ(LevelPosition(doc, "Probability", "ShortName", "é"), "");
}

}  // namespace
}  // namespace velloway
