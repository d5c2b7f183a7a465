// The register XML road: the driver that shows the progress form and runs the steps that build
// the register document from an older-template workbook, validate it and store it in the plan.
#pragma once

#include <libxml/tree.h>

#include <cstdint>
#include <future>
#include <string>

#include "registerxml/XmlHandles.h"
#include "registerxml/XmlTextBlocks.h"

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
// Hands the document's text to the open plan under "RR2-XML", after an empty text, and frees
// the document.
void StoreXmlInPlan(LibraryState& state);
// The same in two halves: the text begun (on another thread where one can be had; nothing
// without a document or a plan), then stored once written. Between them the tree may only be
// read.
std::future<modXMLToolbox::XmlTextBlocks> StartXmlText(LibraryState& state);
void StoreXmlInPlan(LibraryState& state, std::future<modXMLToolbox::XmlTextBlocks> text);

// Copies the Options fragment of Options!A1 and reads the version text (A14) and the layout
// values (B16 to B23). False, with an empty error-log line, when A1 is not XML.
bool AddOptionsToXml(LibraryState& state);
// Copies the PID (A4), UserFieldDefinitions (A3), SourceProjectID (A5) and PlanData (A6)
// fragments, empty elements in place of those that are not XML, and an empty RBS.
bool AddPidToXml(LibraryState& state);

// The risks of a risk sheet into the register (bHistory false), or the rows of the risk history
// sheet into the history of their risks (bHistory true). False, with the error-log line naming
// the row's risk, when a row cannot be read; the rows after it are not read.
bool ImportRisks(LibraryState& state, const workbook::Worksheet* sheet, bool bHistory);
// Appends the risk to the register, or, when a risk of its ID is there, asks whether
// to replace that one in its place. The result is always false.
bool AddOrReplaceRisk(LibraryState& state, modXMLToolbox::XmlNode risk);
// Files the RiskHistory element, in a History entry with its audit date (today when
// empty), under the risk of riskId; logs the entry when there is no such risk. Always false.
bool AddRiskHistory(LibraryState& state, modXMLToolbox::XmlNode history, const std::string& riskId,
                    const std::string& auditDate);

// The response actions into the ResponseActions of their risks.
bool ImportResponseActions(LibraryState& state);
// Appends the action to the risk of riskId and marks the risk as having actions; logs
// the action when there is no such risk. Always false.
bool AddResponseAction(LibraryState& state, modXMLToolbox::XmlNode action,
                       const std::string& riskId, const std::string& name);

// The task impacts into the plan containers of their risks.
bool ImportTaskImpacts(LibraryState& state);
// Appends the task impact to container/Quantitative/TaskImpacts of the risk, asking
// first when the container's first task impact is on the same task. Logs the impact when there
// is no such risk; throws when the risk has no such container. Always false.
bool AddTaskImpact(LibraryState& state, modXMLToolbox::XmlNode taskImpact,
                   const std::string& riskId, const std::string& container);

// The probabilities and response costs of the quantitative risk sheet.
bool ImportQuantitativeInfo(LibraryState& state);
// Sets container/Quantitative/Probability and the ResponseTotalCost of the risk, and counts the
// row in nIndex; logs the row when there is no such risk. Always false.
bool AddQuantitativeInfo(LibraryState& state, const std::string& container,
                         const std::string& riskId, const std::string& probability,
                         const std::string& cost, std::int32_t& nIndex, std::int32_t nTotal);

}  // namespace velloway::modBuildXmlFile
