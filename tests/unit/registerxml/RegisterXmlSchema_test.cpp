// The shipped schema accepts the trees the builders make and rejects a missing or misplaced
// element.
#include <functional>

#include "registerxml/clsXmlMitAction.h"
#include "registerxml/clsXmlRisk.h"
#include "registerxml/clsXmlTaskImpact.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;

class RegisterXmlSchema : public test::RegisterXmlTest {
 protected:
  RegisterXmlSchema() { InstallSchema("TRUE"); }

  // Every section and every kind of record, as the steps put them together.
  void BuildFullDocument() {
    auto& doc = NewDocument(false);
    xmlNodePtr reg = RiskRegister();
    Append(reg,
           "<Options><Currency>EUR</Currency><Flags a=\"1\">mixed <b/> text</Flags></Options>");
    Append(reg, test::kPidFragment);
    Append(reg,
           "<UserFieldDefinitions><UserFieldDefinition ID=\"U1\"><Name>Phase</Name>"
           "<Type>Text</Type></UserFieldDefinition></UserFieldDefinitions>");
    AppendClone(reg, CreateXmlElement(doc.get(), "RBS").get());
    Append(reg, "<SourceProjectID>{1234}</SourceProjectID>");
    Append(
        xmlDocGetRootElement(doc.get()),
        "<PlanData xmlns:kspd=\"http://www.kestrion.com/2006/KSPlanData\"><kspd:Plan/></PlanData>");

    clsXmlRisk risk;
    risk.m_strID = "R1";
    risk.m_colCurImpacts.Add({"Cost", "H"});
    risk.m_colUserfields.Add({"U1", "Phase", "Design", "Text"});
    doc.AppendRisk(risk.GetNode(state, doc.get()).get());
    xmlNodePtr stored = doc.FindRisk("R1");

    clsXmlMitAction action;
    action.m_strTargetStartDate = "2025-02-01";
    AppendClone(SelectSingleNode(stored, "ResponseActions"),
                action.GetNode(state, doc.get()).get());
    AppendClone(SelectSingleNode(stored, "Pre-mitigation/Quantitative/TaskImpacts"),
                clsXmlTaskImpact{}.GetNode(doc.get()).get());
    const XmlNode history = CreateXmlElement(doc.get(), "History");
    AppendClone(history.get(), risk.GetNode(state, doc.get(), true).get());
    AppendClone(history.get(), CreateXmlElement(doc.get(), "AuditDate", "2025-01-01").get());
    AppendClone(SelectSingleNode(stored, "Historys"), history.get());
  }
  void Append(xmlNodePtr parent, const std::string& fragment) {
    const XmlDocument loaded = LoadXml(fragment);
    ASSERT_TRUE(loaded) << fragment;
    AppendClone(parent, xmlDocGetRootElement(loaded.get()));
  }
  bool Valid() {
    fakes.ui->boxes.clear();
    const bool valid =
        ValidateXmlWithSchema(state, registerxml::TheDocument(state).get(), state.SchemaPath, true);
    if (!valid && !fakes.ui->boxes.empty()) last = fakes.ui->boxes.back().text;
    return valid;
  }
  xmlNodePtr Node(const std::string& xpath) {
    return SelectSingleNode(registerxml::TheDocument(state).node(), xpath);
  }
  std::string last;
};

TEST_F(RegisterXmlSchema, AcceptsEveryKindOfRecordAndTheSectionsOfAWorkbookWithoutFragments) {
  BuildFullDocument();
  EXPECT_TRUE(Valid()) << last;

  auto& doc = NewDocument(false);
  for (const char* name : {"UserFieldDefinitions", "RBS", "SourceProjectID"}) {
    AppendClone(RiskRegister(), CreateXmlElement(doc.get(), name).get());
  }
  AppendCloneToRoot(doc.get(), CreateXmlElement(doc.get(), "PlanData").get());
  EXPECT_TRUE(Valid()) << last;
}

TEST_F(RegisterXmlSchema, RejectsAMissingOrMisplacedElement) {
  const auto remove = [this](const char* xpath) {
    xmlNodePtr node = Node(xpath);
    xmlUnlinkNode(node);
    xmlFreeNode(node);
  };
  const auto moveBefore = [this](const char* xpath, const char* before) {
    xmlNodePtr node = Node(xpath);
    xmlUnlinkNode(node);
    xmlAddPrevSibling(Node(before), node);
  };
  // What is changed, and a word the message names ("" for any).
  const std::vector<std::tuple<const char*, std::function<void()>, const char*>> changes{
      {"no RBS", [&] { remove("ksrr:Kestrion/RiskRegister/RBS"); }, "SourceProjectID"},
      {"no score", [&] { remove("//Risk/Pre-mitigation/Score"); }, ""},
      {"a level without a short name", [&] { remove("//PID//Level/ShortName"); }, ""},
      {"PID before Options",
       [&] { moveBefore("ksrr:Kestrion/RiskRegister/PID", "ksrr:Kestrion/RiskRegister/Options"); },
       ""},
      {"Type before ID", [&] { moveBefore("//Risk/Type", "//Risk/ID"); }, ""}};
  for (const auto& [what, change, named] : changes) {
    BuildFullDocument();
    change();
    EXPECT_FALSE(Valid()) << what;
    EXPECT_NE(last.find(named), std::string::npos) << last;
  }
}

TEST_F(RegisterXmlSchema, RejectsValuesOutsideTheirFormats) {
  for (const auto& [xpath, text] :
       std::vector<std::pair<const char*, const char*>>{{"//Risk/StartDate", "06/12/2026"},
                                                        {"//Risk/ResponseHasActions", "1"},
                                                        {"//Risk/Exposure", "1,5"},
                                                        {"//Risk/Manageability", "High"},
                                                        {"//ResponseAction/TaskDescription", "x"},
                                                        {"//Level/@Position", "first"}}) {
    BuildFullDocument();
    SetXmlNodeText(registerxml::TheDocument(state).node(), xpath, text);
    EXPECT_FALSE(Valid()) << xpath;
  }
}

}  // namespace
}  // namespace velloway
