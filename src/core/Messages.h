// The system's own message texts, written once. "%x" marks each place that FormatMessage fills.
#pragma once

namespace velloway::msg {

inline constexpr const char* kNoWorkingKey = "No working key in 'Kestrion.ini' file.";
inline constexpr const char* kFileDoesNotExist = "The file '%x' does not exist.";
inline constexpr const char* kNoPlanLoaded = "No plan is loaded up in Kestrion.";
inline constexpr const char* kSavePlanFirst = "Please save the plan before continuing.";
inline constexpr const char* kNeedSpreadsheetApp = "You need Microsoft excel to do this.";
inline constexpr const char* kUnableToLoadRisks =
    "Kestrion was unable to load the risks from Excel.";
inline constexpr const char* kViewErrors =
    "There were errors during your import.  Do you wish to view these errors?";

// The register XML road.
inline constexpr const char* kXmlLoadFailed =
    "Your %x Document failed to load due to the following error.\r\nError #: %x: %xLine #: "
    "%x\r\nLine Position: %x\r\nPosition In File: %x\r\nSource Text: %x\r\nDocument URL: %x";
inline constexpr const char* kXmlParserTitle = "MSXMLParser";
inline constexpr const char* kSchemaValidationFailed = "Error in ValidateXMLDocumentWithSchema";
inline constexpr const char* kNoPidInformation = "No pid information was available.";

// The steps of the register XML road as the progress form announces them.
inline constexpr const char* kStepSkeleton = "Creating of basic xml structure.";
inline constexpr const char* kStepOptions = "Writing options to xml file.";
inline constexpr const char* kStepPid = "Writing pid information to xml file.";
inline constexpr const char* kStepRisks = "Writing risks to xml file.";
inline constexpr const char* kStepActions = "Writing mitigation actions to xml file.";
inline constexpr const char* kStepTaskImpacts = "Writing task impacts to xml file.";
inline constexpr const char* kStepQuantitative =
    "Adding quantitative risk information to xml file.";
inline constexpr const char* kStepHistory = "Writing risk history to xml file.";
inline constexpr const char* kStepFinal = "Doing final calculations.";

// What the user is told when a step of the register XML road fails.
inline constexpr const char* kRisksFailed =
    "There was a problem reading and writing the risks from the Microsoft Excel file.";
inline constexpr const char* kActionsFailed =
    "There was a problem reading and writing the mitigation actions from the Microsoft Excel "
    "file.";
inline constexpr const char* kTaskImpactsFailed =
    "There was a problem reading and writing the impacts from the Microsoft Excel file.";
inline constexpr const char* kQuantitativeFailed =
    "There was a problem reading and writing the quant risk information from the Microsoft "
    "Excel file.";
inline constexpr const char* kHistoryFailed =
    "There was a problem reading and writing the risk history from the Microsoft Excel file.";
inline constexpr const char* kFinalCalculationsFailed =
    "There was a problem doing the final calculations.";

// The sheet steps of the register XML road: error-log headings, progress labels, questions and
// error-log lines.
inline constexpr const char* kHeadingRisks = "Risks";
inline constexpr const char* kHeadingActions = "Mitigation Actions";
inline constexpr const char* kHeadingTaskImpacts = "Task Impacts";
inline constexpr const char* kHeadingQuantitative = "Quantatitive Risk Information";
inline constexpr const char* kImportingRisk = "Importing Risk - %x (%x of %x)";
inline constexpr const char* kReplaceRisk =
    "%x already exists.  Would you like to replace this risk?";
inline constexpr const char* kRiskReadFailed = "An unknown error occured whilst reading risk - %x!";
inline constexpr const char* kImportingAction = "Importing Mitigation Action - %x (%x of %x)";
inline constexpr const char* kActionRiskMissing =
    "Could not add Mitiagtion Action as Risk (ID -%x) does not exist";
inline constexpr const char* kActionReadFailed =
    "An unknown error occured whilst reading mitgation - %xfor risk - %x.";
inline constexpr const char* kImportingTaskImpact = "Importing Risk Impact - %x (%x of %x)";
inline constexpr const char* kTaskImpactRiskMissing =
    "Could not add Impact (TaskID - %x) as Risk (ID -%x) does not exist";
inline constexpr const char* kReplaceTaskImpact =
    "%x already exists.  Would you like to replace this task impact?";
inline constexpr const char* kImportingQuantitative = "Importing Quantitative Risk - %x (%x of %x)";
inline constexpr const char* kQuantitativeRiskMissing =
    "Could not add additional Quantitative info to Risk as Risk (ID -%x) does not exist";
inline constexpr const char* kHistoryRiskMissing =
    "Could not add Risk History (ID - %x) as Risk (ID -%x) does not exist";

}  // namespace velloway::msg
