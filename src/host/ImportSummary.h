// What one import wrote into a plan, for the line-per-section summary hosts show after a
// successful import.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/SqlitePlan.h"

namespace velloway::host {

// One line of the summary: a section or a kind of record, and what was written of it.
using SummaryLine = std::pair<std::string, std::string>;

// Reads back what the import since the plan's BeginImport wrote. The current template: one line
// per section of "RR2" with its number of values, in the order first written. The register XML
// document: its risks, response actions, task impacts, quantitative entries and history entries,
// and whether the schema check ran (the installation folder's INI file switches it).
std::vector<SummaryLine> SummarizeImport(SqlitePlan& plan, const std::string& installDir);

// "NAME: VALUE" lines, each ended by a line feed.
std::string FormatSummary(const std::vector<SummaryLine>& lines);

}  // namespace velloway::host
