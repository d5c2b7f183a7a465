// The sheet loaders and section writers of the current-template road. A loader takes its
// worksheet (null when the workbook lacks it), fills the model and returns false on any error;
// a writer reads the model and writes its sections, letting errors pass to the write driver.
#pragma once

#include <string>

namespace velloway {

struct LibraryState;
struct clsQualRisk;
struct clsQualRiskAction;
struct clsQuantRisk;
struct clsQuantRiskImpact;
namespace workbook {
class RecordTexts;
class Worksheet;
}

// The record values: an empty first field, then the record's fields, joined by TABs.
std::string QualRiskValue(LibraryState& state, const clsQualRisk& risk, bool withAuditDate);
std::string ActionValue(LibraryState& state, const clsQualRiskAction& action);
std::string QuantRiskValue(const workbook::RecordTexts& t, const clsQuantRisk& risk);
std::string TaskImpactValue(const workbook::RecordTexts& t, const clsQuantRiskImpact& impact);

namespace modLoadRisks {
bool LoadQuantSettings(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadPid(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadRegisterDetails(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadRegisterOptions(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadQualitativeRisks(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadQualitativeActions(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadQuantitativeRisks(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadTaskImpacts(LibraryState& state, const workbook::Worksheet* sheet);
bool LoadRiskHistory(LibraryState& state, const workbook::Worksheet* sheet);
}  // namespace modLoadRisks

namespace modWriteRisks {
void WriteRegisterDetails(LibraryState& state);
void WriteRegisterOptions(LibraryState& state);
void WritePid(LibraryState& state);
void WriteQuantSettings(LibraryState& state);
void WriteQualitativeRisks(LibraryState& state);
void WriteRiskActions(LibraryState& state);
void WriteRiskHistory(LibraryState& state);
void WriteTaskImpacts(LibraryState& state);
void WriteMitigations(LibraryState& state);
}  // namespace modWriteRisks

}  // namespace velloway
