// The small conversions between cell texts and the texts of the plan's register records.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace velloway {

struct LibraryState;

// "T" when the type is exactly "Threat", else "O".
std::string ThreatCode(std::string_view type);
// Empty stays empty; any other text is read as a date and written "yyyymmdd0". Throws
// ConversionError for text that is no date.
std::string PlanDateText(LibraryState& state, std::string_view text);
// A register record's value: each field behind a tab.
std::string TabFields(std::initializer_list<std::string_view> fields);
// "1" for a set flag, else "0".
std::string FlagText(bool flag);
// True when the text is empty or starts with "T" or "t".
bool ReadTrueFlag(const std::string& text);
// A number's text times 100 ("0.25" gives "25"); "0" for empty text, for anything else and when
// the product overflows.
std::string PercentText(LibraryState& state, const std::string& text);
// A cell score: empty gives 0, other text must be a number (throws ConversionError).
double ScoreNumber(LibraryState& state, const std::string& text);
// The fixed form of a number: "." always, a blank for the sign of zero and positive numbers, no
// digit before the point below 1 (" .25", " 0", " 1250", "-3").
std::string FixedNumberText(double value);

}  // namespace velloway
