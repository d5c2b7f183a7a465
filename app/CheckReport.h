// What velloway check found, and the two ways it shows it: text for people, JSON for programs.
#pragma once

#include <string>
#include <vector>

#include "host/ImportSummary.h"
#include "velloway/findings.h"

namespace velloway::app {

struct CheckReport {
  std::string workbook;
  std::vector<ImportFinding> findings;  // in the order the import found them
  std::vector<std::string> messages;    // the message boxes, as the terminal shows them
  std::vector<std::string> errorLog;    // the lines the older road writes to its error log
  std::vector<host::SummaryLine> wouldWrite;
  bool wouldImport = false;
};

std::string CheckReportText(const CheckReport& report);
std::string CheckReportJson(const CheckReport& report);

}  // namespace velloway::app
