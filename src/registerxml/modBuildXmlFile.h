// The register XML road: the driver that shows the progress form and runs the steps that build
// the register document from an older-template workbook, validate it and store it in the plan.
#pragma once

namespace velloway {
struct LibraryState;
namespace workbook {
class Worksheet;
}
}  // namespace velloway

namespace velloway::modBuildXmlFile {

// The tag the document's text is stored under in the plan.
inline constexpr const char* kRegisterXmlTag = "RR2-XML";

// Clears the error log, shows the progress form modal (its activation runs the steps), and
// offers the error log at the end. True when the document was built and passed validation.
bool ImportRegisterXml(LibraryState& state);

// The eleven-step sequence: skeleton, options, PID, the sheet steps, final calculations,
// validation and storing. Its result is the validation's; any error no step traps gives false.
bool RunRegisterXmlSteps(LibraryState& state);

// A new register document: the root with xml:space, RiskRegister and its empty Risks.
bool CreateXmlSkeleton(LibraryState& state);
// Sets ResponseTotalCost of each risk that has actions to the sum of their mitigation costs.
bool DoFinalCalculations(LibraryState& state);
// Hands the document's text to the open plan under "RR2-XML", after an empty text.
void StoreXmlInPlan(LibraryState& state);

// Copies the Options fragment of Options!A1 and reads the version text (A14) and the layout
// values (B16 to B23). False, with an empty error-log line, when A1 is not XML.
bool AddOptionsToXml(LibraryState& state);
// Copies the PID (A4), UserFieldDefinitions (A3), SourceProjectID (A5) and PlanData (A6)
// fragments, empty elements in place of those that are not XML, and an empty RBS.
bool AddPidToXml(LibraryState& state);

// The sheet steps of the risks, the response actions, the task impacts, the quantitative
// information and the risk history.
bool ImportRisks(LibraryState& state, const workbook::Worksheet* sheet, bool bHistory);
bool ImportResponseActions(LibraryState& state);
bool ImportTaskImpacts(LibraryState& state);
bool ImportQuantitativeInfo(LibraryState& state);

}  // namespace velloway::modBuildXmlFile
