#include "host/ImportSummary.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <memory>

#include "velloway/settings.h"

namespace velloway::host {
namespace {

constexpr const char* kRegisterTag = "RR2";
constexpr const char* kRegisterXmlTag = "RR2-XML";

// What the register XML document holds, each counted by the path of its elements.
constexpr std::pair<const char*, const char*> kDocumentCounts[] = {
    {"Risks", "/*/RiskRegister/Risks/Risk"},
    {"ResponseActions", "/*/RiskRegister/Risks/Risk/ResponseActions/ResponseAction"},
    {"TaskImpacts", "/*/RiskRegister/Risks/Risk/*/Quantitative/TaskImpacts/TaskImpact"},
    // The quantitative sheet sets a container's probability; one left at "0" had no entry.
    {"QuantitativeEntries", "/*/RiskRegister/Risks/Risk/*/Quantitative[Probability != '0']"},
    {"HistoryEntries", "/*/RiskRegister/Risks/Risk/Historys/History"},
};

void CountRegisterSections(const TagContents& contents, std::vector<SummaryLine>& lines) {
  for (const auto& [section, values] : contents.sections) {
    lines.emplace_back(section, std::to_string(values.size()));
  }
}

void CountDocument(const std::string& text, std::vector<SummaryLine>& lines) {
  // The document was made by the import; still, nothing outside it is ever loaded.
  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
      xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE),
      &xmlFreeDoc);
  if (!doc) {
    lines.emplace_back("Document", "not readable");
    return;
  }
  std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
      xmlXPathNewContext(doc.get()), &xmlXPathFreeContext);
  for (const auto& [name, path] : kDocumentCounts) {
    std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> found(
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(path), context.get()),
        &xmlXPathFreeObject);
    const int count = found && found->nodesetval ? found->nodesetval->nodeNr : 0;
    lines.emplace_back(name, std::to_string(count));
  }
}

// The import reads the same switch: anything but "FALSE" validates.
bool SchemaCheckOn(const std::string& installDir) {
  return ReadIniSetting("XML", "SchemaValidationOn", installDir + "/Kestrion.ini", "FALSE") !=
         "FALSE";
}

}  // namespace

std::vector<SummaryLine> SummarizeImport(SqlitePlan& plan, const std::string& installDir) {
  std::vector<SummaryLine> lines;
  for (const TagContents& contents : plan.Contents()) {
    if (plan.tagsWritten().count(contents.tag) == 0) continue;
    if (contents.tag == kRegisterTag) CountRegisterSections(contents, lines);
    if (contents.tag == kRegisterXmlTag && contents.data) {
      CountDocument(*contents.data, lines);
      lines.emplace_back("SchemaCheck", SchemaCheckOn(installDir) ? "ran" : "switched off");
    }
  }
  return lines;
}

std::string FormatSummary(const std::vector<SummaryLine>& lines) {
  std::string text;
  for (const auto& [name, value] : lines) text += name + ": " + value + "\n";
  return text;
}

}  // namespace velloway::host
