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

}  // namespace velloway::msg
