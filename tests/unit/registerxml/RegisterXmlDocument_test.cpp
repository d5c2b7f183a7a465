// The register document and the builders of its nodes.
//
// Finding risks by ID through the index gives what the record query gives. That a replaced risk
// keeps its place in the list, the import of a repeated risk ID shows (SheetSteps_test).
#include <random>

#include "core/ImportError.h"
#include "registerxml/LevelLookup.h"
#include "registerxml/clsXmlMitAction.h"
#include "registerxml/clsXmlRisk.h"
#include "registerxml/clsXmlTaskImpact.h"
#include "registerxml/clsXmlUserfield.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {
namespace {

using namespace modXMLToolbox;

class RegisterDocumentIndex : public RegisterXmlTest {
 protected:
  RegisterDocumentIndex() { NewDocument(false); }
  XmlNode Risk(const std::string& id, const std::string& title) {
    clsXmlRisk risk;
    risk.m_strID = id;
    risk.m_strTitle = title;
    return risk.GetNode(state, TheDoc().get());
  }
  registerxml::RegisterXmlDocument& TheDoc() { return registerxml::TheDocument(state); }
  // What the record query selects, as the index must find it.
  xmlNodePtr Queried(const std::string& id) {
    return SelectSingleNode(TheDoc().node(),
                            std::string(kRiskRegisterPath) + "/Risks/Risk[ID='" + id + "']");
  }
};

TEST_F(RegisterDocumentIndex, AgreesWithTheQueryThroughAppendsAndReplacements) {
  std::mt19937 random(7);
  for (int step = 0; step < 300; ++step) {
    const std::string id = "R" + std::to_string(random() % 40);
    const std::string title = "t" + std::to_string(step);
    xmlNodePtr existing = TheDoc().FindRisk(id);
    ASSERT_EQ(existing, Queried(id)) << id;
    const XmlNode risk = Risk(id, title);
    if (existing == nullptr) {
      ASSERT_TRUE(TheDoc().AppendRisk(risk.get()));
    } else if (step % 3 == 0) {
      ASSERT_TRUE(TheDoc().ReplaceRisk(existing, risk.get()));
    } else {
      // Appended around the index: the later duplicate must never be found first.
      ASSERT_TRUE(AppendClone(TheDoc().RiskList(), risk.get()));
    }
  }
  for (int i = 0; i < 40; ++i) {
    const std::string id = "R" + std::to_string(i);
    EXPECT_EQ(TheDoc().FindRisk(id), Queried(id)) << id;
  }
}

TEST_F(RegisterDocumentIndex, AnIdWithAQuoteFailsLikeTheQuery) {
  TheDoc().AppendRisk(Risk("O'Brien", "").get());
  EXPECT_THROW(Queried("O'Brien"), ImportError);
  EXPECT_THROW(TheDoc().FindRisk("O'Brien"), ImportError);
  EXPECT_EQ(TheDoc().FindRisk("O\"Brien"), nullptr);
  EXPECT_EQ(TheDoc().FindRisk(""), nullptr);
}

// The node builders where the sheet steps do not reach: dates by type, dates left out, unnamed
// impacts, defaults and level positions. What the steps put in a risk their own tests check, and
// element names and child orders the shipped schema those tests import under.

class NodeBuilders : public RegisterXmlTest {
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
  ExpectTexts(node.get(), {"AfterAction/Impacts/Impact/Value=1", "TargetFinishDate=2025-06-30",
                           "StartDate=2026-12-06", "Status=Proposed"});
  // An impact without a name has no Name attribute but its Name child.
  xmlNodePtr unnamed = modXMLToolbox::SelectSingleNode(node.get(), "AfterAction/Impacts/Impact");
  EXPECT_FALSE(Has(unnamed, "@Name"));
  EXPECT_EQ(ChildNames(unnamed), "Name Value");

  clsXmlTaskImpact impact;
  impact.m_strTaskID = "T7";
  impact.m_strCostShape = "Triangular";
  impact.m_dblCostMax = 1e6;
  ExpectTexts(impact.GetNode(doc).get(), {"@TaskID=T7", "DurationShape=Uniform",
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
}  // namespace velloway::test
