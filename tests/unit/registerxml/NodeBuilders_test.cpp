// The node builders: defaults, level positions, dates and the values they carry. Element names
// and child orders are the schema's to check (RegisterXmlSchema_test builds every kind of node).
#include "registerxml/LevelLookup.h"
#include "registerxml/clsXmlMitAction.h"
#include "registerxml/clsXmlRisk.h"
#include "registerxml/clsXmlTaskImpact.h"
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

TEST_F(NodeBuilders, AnEmptyRiskHasTheDefaults) {
  clsXmlRisk risk;
  risk.m_strProximity = "Imminent";
  const XmlNode node = risk.GetNode(state, doc);
  EXPECT_FALSE(Has(node.get(), "@ID"));  // an empty ID gives no attribute, an empty child
  test::ExpectTexts(
      node.get(),
      {"ID=", "Type=Threat", "Mitigation=Reduce", "Status=Open", "Proximity=0", "Manageability=0",
       "StartDate=2026-12-06", "EndDate=2026-12-06", "ResponseHasActions=false",
       "Quantifiable=true", "Quantified=false", "Exposure=0",
       "Pre-mitigation/Quantitative/MeanCost=0", "Post-mitigation/Quantitative/MeanCost=0"});
  EXPECT_FALSE(Has(node.get(), "UserFieldValues/* | Historys/* | */Impacts/*"));
}

TEST_F(NodeBuilders, ARiskCarriesItsValuesImpactsAndUserFields) {
  clsXmlRisk risk;
  risk.m_strID = "R1";
  risk.m_strType = "Opportunity";
  risk.m_strManageability = "difficult";  // full name, any case
  risk.m_strCurProb = "h";
  risk.m_strTarprob = "VL";
  risk.m_dblCurScore = 2.5;
  risk.m_dblResponCost = 1000;
  risk.m_bHasActions = true;
  risk.m_strFallback = "Plan B";
  risk.m_strStartDate = "2025-01-31";
  risk.m_colCurImpacts.Add({"Cost", "H"});
  risk.m_colCurImpacts.Add({"Schedule", "m"});
  risk.m_colTarImpacts.Add({"", "L"});
  risk.m_colUserfields.Add({"U1", "Phase", "Design", "Text"});
  const XmlNode node = risk.GetNode(state, doc);
  test::ExpectTexts(
      node.get(),
      {"@ID=R1", "Type=Opportunity", "Manageability=2", "Pre-mitigation/Probability=4",
       "Post-mitigation/Probability=1", "Pre-mitigation/Score=2.5", "ResponseTotalCost=1000",
       "ResponseHasActions=true", "Notes=Plan B", "StartDate=2025-01-31",
       "Pre-mitigation/Impacts/Impact[1]/@Name=Cost", "Pre-mitigation/Impacts/Impact[1]/Value=3",
       "Pre-mitigation/Impacts/Impact[2]/Name=Schedule", "Pre-mitigation/Impacts/Impact[2]/Value=2",
       "UserFieldValues/UserFieldValue/@ID=U1", "UserFieldValues/UserFieldValue/Value=Design"});
  // An impact without a name has no Name attribute but its Name child.
  xmlNodePtr unnamed =
      modXMLToolbox::SelectSingleNode(node.get(), "Post-mitigation/Impacts/Impact");
  EXPECT_FALSE(Has(unnamed, "@Name"));
  EXPECT_EQ(test::ChildNames(unnamed), "Name Value");
}

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
  action.m_strPostProb = "M";
  action.m_dblPostScore = 1.5;
  action.m_dblMitCost = 250.5;
  action.m_strTargetFinishDate = "2025-06-30";
  action.m_strTargetStartDate = "not a date";
  action.m_strFieldText3 = "three";
  action.m_colPostImpacts.Add({"Cost", "L"});
  const XmlNode node = action.GetNode(state, doc);
  EXPECT_FALSE(Has(node.get(), "TargetStartDate"));
  test::ExpectTexts(node.get(), {"AfterAction/Probability=3", "AfterAction/Score=1.5",
                                 "AfterAction/Impacts/Impact/Value=1",
                                 "TargetFinishDate=2025-06-30", "StartDate=2026-12-06",
                                 "MitigationCost=250.5", "Status=Proposed", "UserText3=three"});

  clsXmlTaskImpact impact;
  impact.m_strTaskID = "T7";
  impact.m_strCostShape = "Triangular";
  impact.m_dblDurLikely = 2.25;
  impact.m_dblCostMax = 1e6;
  test::ExpectTexts(impact.GetNode(doc).get(),
                    {"@TaskID=T7", "DurationShape=Uniform", "CostShape=Triangular",
                     "Correlate=true", "CorrelateExistence=true", "LinkInSeries=false",
                     "EnteredDurLikely=2.25", "EnteredCostMax=1000000"});
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

TEST(XmlCollections, AddStoresACopyAndRemoveKeepsTheKeysInStep) {
  clsXmlImpacts impacts;
  clsXmlImpact scratch{"Cost", "H"};
  impacts.Add(scratch, "cost");
  scratch.m_strValue = "L";
  impacts.Add(scratch);
  impacts.Add(scratch, "Schedule");
  EXPECT_EQ(impacts.Item("COST").m_strValue, "H");
  EXPECT_THROW(impacts.Add(scratch, "Cost"), ImportError);
  impacts.Remove("cost");
  impacts.Remove(1);
  EXPECT_EQ(impacts.Count(), 1);
  EXPECT_EQ(&impacts.Item("schedule"), &impacts.Item(1));
  EXPECT_THROW(impacts.Remove("Cost"), ImportError);
  impacts.Add(scratch, "Cost");  // the key is free again

  clsXMLUserfields fields;
  const clsXmlUserfield none = fields.Add(nullptr);
  EXPECT_EQ(fields.Count(), 0);
  EXPECT_TRUE(none.m_strName.empty());
}

}  // namespace
}  // namespace velloway
