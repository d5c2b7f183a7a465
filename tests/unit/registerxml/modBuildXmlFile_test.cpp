// The register XML driver: the step sequence through the modal progress form, validation, the
// plan's text and the error log. The steps' texts on the form are the display tests' to check.
#include "core/Messages.h"
#include "ui/frmImportProgress.h"
#include "unit/registerxml/OlderWorkbook.h"

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
  // The plan is cleared, then receives the document (valid: its sections are the schema's).
  ASSERT_EQ(PlanCalls().size(), 2u);
  EXPECT_EQ(PlanCalls()[0].op + PlanCalls()[0].tag + PlanCalls()[0].value, "WriteAppDataRR2-XML");
  const XmlDocument stored = LoadXml(PlanCalls()[1].value);
  ASSERT_TRUE(stored);
  EXPECT_EQ(ChildNames(xmlDocGetRootElement(stored.get())), "RiskRegister PlanData");
  EXPECT_EQ(Text(xmlDocGetRootElement(stored.get()), "@xml:space"), "preserve");
  EXPECT_EQ(PlanCalls()[1].value.find("<PlanData/>"), PlanCalls()[1].value.rfind("<PlanData/>"));

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

}  // namespace
}  // namespace velloway::test
