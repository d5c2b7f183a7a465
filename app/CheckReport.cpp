#include "app/CheckReport.h"

#include <nlohmann/json.hpp>

#include "app/ImportSetup.h"

namespace velloway::app {
namespace {

using Kind = ImportFinding::Kind;

std::string TemplateVersion(const CheckReport& report, bool& read) {
  for (const ImportFinding& f : report.findings) {
    if (f.kind == Kind::Template) {
      read = true;
      return f.fact;
    }
  }
  read = false;
  return {};
}

// The road a template version takes: only "2.2", exactly, is the current template.
const char* Road(const std::string& version) {
  return version == "2.2" ? "current template" : "register XML (older template)";
}

std::string Names(const CheckReport& report, const char* fact) {
  std::string names;
  for (const ImportFinding& f : report.findings) {
    if (f.kind == Kind::Sheet && f.fact == fact) names += (names.empty() ? "" : ", ") + f.sheet;
  }
  return names.empty() ? "none" : names;
}

std::string RecordsLine(const ImportFinding& f) {
  if (f.records == 0)
    return f.sheet + ": header row " + std::to_string(f.headerRow) + ", no records";
  return f.sheet + ": header row " + std::to_string(f.headerRow) + ", data rows " +
         std::to_string(f.firstRow) + " to " + std::to_string(f.lastRow) + ", " +
         std::to_string(f.records) + (f.records == 1 ? " record" : " records");
}

void Section(std::string& out, const char* heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  out += std::string(heading) + ":\n";
  for (const std::string& line : lines) out += "  " + line + "\n";
}

}  // namespace

std::string CheckReportText(const CheckReport& report) {
  std::string out = "Workbook: " + report.workbook + "\n";
  bool read = false;
  const std::string version = TemplateVersion(report, read);
  out += read ? "Template version: \"" + version + "\", read as the " + Road(version) + "\n"
              : "Template version: not read\n";
  if (read) {
    out += "Sheets found: " + Names(report, "found") + "\n";
    out += "Sheets missing: " + Names(report, "missing") + "\n";
  }
  std::vector<std::string> records;
  std::vector<std::string> problems;
  for (const ImportFinding& f : report.findings) {
    if (f.kind == Kind::Records) records.push_back(RecordsLine(f));
    if (f.kind == Kind::Problem) problems.push_back(ProblemLine(f));
  }
  Section(out, "Records", records);
  Section(out, "Problems", problems);
  Section(out, "Message boxes", report.messages);
  Section(out, "Error log", report.errorLog);
  std::vector<std::string> written;
  for (const auto& [name, value] : report.wouldWrite) {
    written.push_back(std::string(name).append(": ").append(value));
  }
  Section(out, "An import would write", written);
  out += report.wouldImport ? "Result: an import would write the register\n"
                            : "Result: an import would not write the register\n";
  return out;
}

std::string CheckReportJson(const CheckReport& report) {
  using Json = nlohmann::ordered_json;
  bool read = false;
  const std::string version = TemplateVersion(report, read);
  Json sheets = Json::array();
  Json records = Json::array();
  Json problems = Json::array();
  for (const ImportFinding& f : report.findings) {
    if (f.kind == Kind::Sheet) sheets.push_back({{"name", f.sheet}, {"found", f.fact == "found"}});
    if (f.kind == Kind::Records) {
      records.push_back({{"sheet", f.sheet},
                         {"headerRow", f.headerRow},
                         {"firstRow", f.firstRow},
                         {"lastRow", f.lastRow},
                         {"records", f.records}});
    }
    if (f.kind == Kind::Problem) {
      problems.push_back({{"sheet", f.sheet}, {"cell", f.cell}, {"fact", f.fact}});
    }
  }
  Json written = Json::object();
  for (const auto& [name, value] : report.wouldWrite) written[name] = value;
  const Json out = {{"workbook", report.workbook},
                    {"templateVersion", read ? Json(version) : Json(nullptr)},
                    {"road", read ? Json(version == "2.2" ? "current" : "registerxml") : Json()},
                    {"sheets", sheets},
                    {"records", records},
                    {"problems", problems},
                    {"messages", report.messages},
                    {"errorLog", report.errorLog},
                    {"wouldWrite", written},
                    {"wouldImport", report.wouldImport}};
  return out.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace velloway::app
