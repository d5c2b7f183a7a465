// The register XML driver: the step sequence through the modal progress form, validation, the
// plan's text and the error log, and its first steps, the options and the PID. The steps' texts
// on the form are the display tests' to check.
#include <map>

#include "control/WorkbookConnection.h"
#include "core/Messages.h"
#include "support/XlsxBuilder.h"
#include "ui/frmImportProgress.h"
#include "unit/registerxml/OlderWorkbook.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {
namespace {

using namespace modXMLToolbox;

class RegisterXmlDriver : public SheetStepsTest {
 protected:
  const std::vector<PlanCall>& PlanCalls() { return fakes.host->plan->calls; }
};

// Imported twice: each import starts a fresh log and document.
TEST_F(RegisterXmlDriver, AWorkbookWithoutRecordsStoresAValidSkeleton) {
  EXPECT_TRUE(Import(OlderWorkbook()));  // options, the PID and the headers, no records
  fakes.host->formActive.clear();
  EXPECT_TRUE(Import(OlderWorkbook()));
  EXPECT_EQ(fakes.host->formActive, (std::vector<bool>{true, false}));
  // The plan is cleared, then receives the document (valid: its sections are the schema's). Its
  // root, attributes and one PlanData the kept dump of the older example shows.
  ASSERT_EQ(PlanCalls().size(), 2u);
  EXPECT_EQ(PlanCalls()[0].op + PlanCalls()[0].tag + PlanCalls()[0].value, "WriteAppDataRR2-XML");

  // Every step heads its part of the log; headings alone ask nothing.
  std::string headings;
  for (const char* title : {"Options", "PID", "Risks", "Mitigation Actions", "Task Impacts",
                            "Quantatitive Risk Information", "Risks", "Final Calculations"}) {
    headings += Heading(title);
  }
  EXPECT_EQ(state.errorLog.text, headings);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(RegisterXmlDriver, WithoutALayoutTheSequenceEndsBeforeTheRisks) {
  EXPECT_FALSE(modBuildXmlFile::ImportRegisterXml(state));
  EXPECT_TRUE(PlanCalls().empty());
  // No Options fragment logs an empty line, no PID its message; no step says it failed.
  EXPECT_EQ(state.errorLog.text,
            Heading("Options") + "\r\n" + Heading("PID") + msg::kNoPidInformation + "\r\n");
  EXPECT_EQ(BoxTexts(), Strings{msg::kViewErrors});
  EXPECT_EQ(fakes.diagnostics,
            Strings{"the register XML steps stopped: Options!B17: Type mismatch: "
                    "the layout value is empty"});
}

TEST_F(RegisterXmlDriver, TheDocumentIsStoredWhenValidationFails) {
  dir.Write("RiskRegister/RiskRegister.xsd",
            "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
            "targetNamespace=\"http://www.kestrion.com/2006/KSRiskRegister\">"
            "<xs:element name=\"Kestrion\"><xs:complexType/></xs:element></xs:schema>");
  EXPECT_FALSE(Import(OlderWorkbook()));
  ASSERT_TRUE(Stored());
  EXPECT_NE(PlanCalls()[1].value.find("<RiskRegister>"), std::string::npos);
  ASSERT_EQ(fakes.ui->boxes.size(), 1u);
  EXPECT_EQ(fakes.ui->boxes[0].title, "MSXMLParser");
  EXPECT_FALSE(registerxml::RegisterXmlRun(state).progress->Loaded());
  EXPECT_EQ(registerxml::RegisterXmlRun(state).progress->pbProgress().Value(), 100);
}

TEST_F(RegisterXmlDriver, NoPlanStoresNothing) {
  NewDocument();
  fakes.host->plan.reset();
  modBuildXmlFile::StoreXmlInPlan(state);
  registerxml::RegisterXmlRun(state).document.reset();
  fakes.host->plan = std::make_shared<RecordingPlan>("p");
  modBuildXmlFile::StoreXmlInPlan(state);
  EXPECT_TRUE(PlanCalls().empty());
}

// The Options sheet of an older template into the register document: fragments taken over when
// they load with the expected document element, empty sections otherwise, and the layout values.
// Fragments load as any XML does, so hostile ones are the XmlSafety test's (modXMLToolbox_test).
class OptionsAndPid : public RegisterXmlTest {
 protected:
  // An Options sheet with the cells given, connected as the launch sequence connects it, and a
  // fresh skeleton document.
  void Connect(const std::map<std::string, std::string>& cells) {
    XlsxBuilder book;
    book.Sheet("Options");
    for (const auto& [cell, text] : cells) book.Text(cell, text);
    book.Text("B4", "2.1");
    state.WorkbookPath = book.Save(dir.File("book.xlsx"));
    ASSERT_TRUE(ConnectWorkbook(state));
    NewDocument(false);
    ClearErrorLog(state);
  }
  void RunBoth() {
    modBuildXmlFile::AddOptionsToXml(state);
    modBuildXmlFile::AddPidToXml(state);
  }
  xmlNodePtr Root() { return xmlDocGetRootElement(registerxml::TheDocument(state).get()); }
};

TEST_F(OptionsAndPid, EveryFragmentInItsPlaceAndTheVersionAndLayout) {
  std::map<std::string, std::string> cells{
      {"A1", "<Options><Currency>\xE2\x82\xAC</Currency></Options>"},
      {"A3", "<UserFieldDefinitions><UserFieldDefinition ID=\"U1\"/></UserFieldDefinitions>"},
      {"A4", kPidFragment},
      {"A5", "<SourceProjectID>{42}</SourceProjectID>"},
      {"A6",
       "<PlanData xmlns:kspd=\"http://www.kestrion.com/2006/KSPlanData\"><kspd:T/></PlanData>"},
      {"A14", "2.1"}};
  for (int row = 16; row <= 23; ++row) cells["B" + std::to_string(row)] = std::to_string(row * 2);
  Connect(cells);
  EXPECT_TRUE(modBuildXmlFile::AddOptionsToXml(state));
  EXPECT_TRUE(modBuildXmlFile::AddPidToXml(state));
  EXPECT_EQ(registerxml::RegisterXmlRun(state).optionsVersion, "2.1");
  EXPECT_EQ(registerxml::RegisterXmlRun(state).layoutValues,
            (std::array<std::string, 8>{"32", "34", "36", "38", "40", "42", "44", "46"}));
  EXPECT_EQ(ChildNames(RiskRegister()),
            "Risks Options PID UserFieldDefinitions RBS SourceProjectID");
  ExpectTexts(RiskRegister(), {"Options/Currency=\xE2\x82\xAC", "SourceProjectID={42}",
                               "UserFieldDefinitions/UserFieldDefinition/@ID=U1"});
  EXPECT_EQ(ChildNames(modXMLToolbox::SelectSingleNode(Root(), "PlanData")), "T");
  EXPECT_EQ(state.errorLog.text, Heading("Options") + Heading("PID"));
  EXPECT_FALSE(state.errorLog.hasErrors);
}

TEST_F(OptionsAndPid, ALineBreakInA1KeepsItFromLoading) {
  registerxml::RegisterXmlRun(state).layoutValues.fill("before");
  Connect({{"A1", "<Options>\n<Currency>EUR</Currency>\n</Options>"}, {"B16", "4"}});
  EXPECT_FALSE(modBuildXmlFile::AddOptionsToXml(state));
  EXPECT_EQ(registerxml::RegisterXmlRun(state).layoutValues[0], "before");
  EXPECT_EQ(state.errorLog.text, Heading("Options") + "\r\n");
  EXPECT_TRUE(state.errorLog.hasErrors);
  EXPECT_EQ(ChildNames(RiskRegister()), "Risks");
}

TEST_F(OptionsAndPid, FragmentsOfAnotherNameOrNamespaceAddNothing) {
  Connect({{"A1", "<Settings/>"},
           {"A3", "<Other/>"},
           {"A4", "<p:PID xmlns:p=\"urn:pid\"/>"},
           {"A5", "<SourceProjectID xmlns=\"urn:source\"/>"},
           {"A6", "<PlanData/>"}});
  EXPECT_TRUE(modBuildXmlFile::AddOptionsToXml(state));
  EXPECT_TRUE(modBuildXmlFile::AddPidToXml(state));
  EXPECT_EQ(ChildNames(RiskRegister()), "Risks RBS");
  EXPECT_EQ(ChildNames(Root()), "RiskRegister PlanData");
  EXPECT_FALSE(state.errorLog.hasErrors);
}

TEST_F(OptionsAndPid, NoOptionsSheetGivesEmptySections) {
  NewDocument(false);
  ASSERT_EQ(state.sheets.options, nullptr);
  RunBoth();
  EXPECT_EQ(ChildNames(RiskRegister()), "Risks UserFieldDefinitions RBS SourceProjectID");
  EXPECT_EQ(ChildNames(Root()), "RiskRegister PlanData");
  for (const char* empty : {"UserFieldDefinitions", "RBS", "SourceProjectID"}) {
    EXPECT_EQ(modXMLToolbox::SelectSingleNode(RiskRegister(), empty)->children, nullptr) << empty;
  }
}

}  // namespace
}  // namespace velloway::test
