// The register XML driver: the step sequence through the modal progress form, validation, the
// plan's text and the error log.
#include "core/Messages.h"
#include "ui/frmImportProgress.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;
using test::Heading;
using Names = std::vector<std::string>;

class RegisterXmlDriver : public test::SheetStepsTest {
 protected:
  const std::vector<test::PlanCall>& PlanCalls() { return fakes.host->plan->calls; }
  std::vector<std::string> StepTexts() {
    std::vector<std::string> texts;
    for (const RecordedFrame& frame : fakes.progress->frames) {
      if (frame.kind == RecordedFrame::Kind::Yield && !frame.stepText.empty() &&
          (texts.empty() || texts.back() != frame.stepText)) {
        texts.push_back(frame.stepText);
      }
    }
    return texts;
  }
};

// Imported twice: each import starts a fresh log and document.
TEST_F(RegisterXmlDriver, AWorkbookWithoutRecordsStoresAValidSkeleton) {
  EXPECT_TRUE(Import(test::OlderWorkbook()));  // options, the PID and the headers, no records
  fakes.host->formActive.clear();
  fakes.progress->frames.clear();
  EXPECT_TRUE(Import(test::OlderWorkbook()));

  EXPECT_EQ(StepTexts(), (Names{msg::kStepSkeleton, msg::kStepOptions, msg::kStepPid,
                                msg::kStepRisks, msg::kStepActions, msg::kStepTaskImpacts,
                                msg::kStepQuantitative, msg::kStepHistory, msg::kStepFinal}));
  EXPECT_EQ(fakes.host->formActive, (std::vector<bool>{true, false}));
  // The plan is cleared, then receives the document (valid: its sections are the schema's).
  ASSERT_EQ(PlanCalls().size(), 2u);
  EXPECT_EQ(PlanCalls()[0].op + PlanCalls()[0].tag + PlanCalls()[0].value, "WriteAppDataRR2-XML");
  const XmlDocument stored = LoadXml(PlanCalls()[1].value);
  ASSERT_TRUE(stored);
  EXPECT_EQ(test::ChildNames(xmlDocGetRootElement(stored.get())), "RiskRegister PlanData");
  EXPECT_EQ(test::Text(xmlDocGetRootElement(stored.get()), "@xml:space"), "preserve");
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
  EXPECT_EQ(BoxTexts(), Names{msg::kViewErrors});
  EXPECT_EQ(fakes.diagnostics, Names{"the register XML steps stopped: Options!B17: Type mismatch: "
                                     "the layout value is empty"});
}

TEST_F(RegisterXmlDriver, TheDocumentIsStoredWhenValidationFails) {
  dir.Write("RiskRegister/RiskRegister.xsd",
            "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
            "targetNamespace=\"http://www.kestrion.com/2006/KSRiskRegister\">"
            "<xs:element name=\"Kestrion\"><xs:complexType/></xs:element></xs:schema>");
  EXPECT_FALSE(Import(test::OlderWorkbook()));
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
  fakes.host->plan = std::make_shared<test::RecordingPlan>("p");
  modBuildXmlFile::StoreXmlInPlan(state);
  EXPECT_TRUE(PlanCalls().empty());
}

}  // namespace
}  // namespace velloway
