#include "host/ImportSummary.h"

#include <libxml/xmlreader.h>

#include <array>
#include <memory>
#include <string_view>

#include "velloway/settings.h"

namespace velloway::host {
namespace {

constexpr const char* kRegisterTag = "RR2";
constexpr const char* kRegisterXmlTag = "RR2-XML";

// What the register XML document holds, each counted by the path of its elements.
// What the register XML document holds: risks, their response actions, task impacts,
// quantitative entries (a quantitative container whose probability is not "0"; the sheet sets it,
// one left at "0" had no entry) and history entries, counted in one streaming pass, so that a
// document of any size is counted without building its tree.
struct XmlFree {
  void operator()(xmlChar* text) const noexcept { xmlFree(text); }
};

class DocumentCounter {
 public:
  void Start(xmlTextReaderPtr reader) {
    const int depth = xmlTextReaderDepth(reader);
    path_.resize(static_cast<std::size_t>(depth));
    const auto* uri = xmlTextReaderConstNamespaceUri(reader);
    path_.emplace_back(
        uri == nullptr ? reinterpret_cast<const char*>(xmlTextReaderConstName(reader)) : "");
    if (!InRisk()) return;
    if (depth == 3 && Is(3, "Risk")) ++counts_[0];
    if (depth == 5 && Is(4, "ResponseActions") && Is(5, "ResponseAction")) ++counts_[1];
    if (depth == 7 && Is(5, "Quantitative") && Is(6, "TaskImpacts") && Is(7, "TaskImpact")) {
      ++counts_[2];
    }
    if (Is(5, "Quantitative") && depth == 5) quantitativeCounted_ = false;
    if (Is(5, "Quantitative") && Is(6, "Probability") && depth == 6 && !quantitativeCounted_) {
      std::unique_ptr<xmlChar, XmlFree> text(xmlTextReaderReadString(reader));
      const char* value = text ? reinterpret_cast<const char*>(text.get()) : "";
      if (std::string_view(value) != "0") {
        ++counts_[3];
        quantitativeCounted_ = true;
      }
    }
    if (depth == 5 && Is(4, "Historys") && Is(5, "History")) ++counts_[4];
  }
  void Report(std::vector<SummaryLine>& lines) const {
    static constexpr const char* kNames[] = {"Risks", "ResponseActions", "TaskImpacts",
                                             "QuantitativeEntries", "HistoryEntries"};
    for (std::size_t i = 0; i < counts_.size(); ++i) {
      lines.emplace_back(kNames[i], std::to_string(counts_[i]));
    }
  }

 private:
  bool Is(std::size_t depth, std::string_view name) const {
    return path_.size() > depth && path_[depth] == name;
  }
  bool InRisk() const { return Is(1, "RiskRegister") && Is(2, "Risks") && Is(3, "Risk"); }

  std::vector<std::string> path_;
  std::array<std::size_t, 5> counts_{};
  bool quantitativeCounted_ = false;
};

void CountRegisterSections(SqlitePlan& plan, const std::string& tag,
                           std::vector<SummaryLine>& lines) {
  for (const auto& [section, count] : plan.SectionCounts(tag)) {
    lines.emplace_back(section, std::to_string(count));
  }
}

void CountDocument(const std::string& text, std::vector<SummaryLine>& lines) {
  // The document was made by the import; still, nothing outside it is ever loaded.
  std::unique_ptr<xmlTextReader, decltype(&xmlFreeTextReader)> reader(
      xmlReaderForMemory(
          text.data(), static_cast<int>(text.size()), nullptr, nullptr,
          XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE),
      &xmlFreeTextReader);
  DocumentCounter counter;
  int status = reader ? 1 : -1;
  while (status == 1) {
    status = xmlTextReaderRead(reader.get());
    if (status == 1 && xmlTextReaderNodeType(reader.get()) == XML_READER_TYPE_ELEMENT) {
      counter.Start(reader.get());
    }
  }
  if (status != 0) {
    lines.emplace_back("Document", "not readable");
    return;
  }
  counter.Report(lines);
}

// The import reads the same switch: anything but "FALSE" validates.
bool SchemaCheckOn(const std::string& installDir) {
  return ReadIniSetting("XML", "SchemaValidationOn", installDir + "/Kestrion.ini", "FALSE") !=
         "FALSE";
}

}  // namespace

std::vector<SummaryLine> SummarizeImport(SqlitePlan& plan, const std::string& installDir) {
  std::vector<SummaryLine> lines;
  for (const std::string& tag : plan.Tags()) {
    if (plan.tagsWritten().count(tag) == 0) continue;
    if (tag == kRegisterTag) CountRegisterSections(plan, tag, lines);
    if (tag != kRegisterXmlTag) continue;
    if (const auto document = plan.Data(tag)) {
      CountDocument(*document, lines);
      lines.emplace_back("SchemaCheck", SchemaCheckOn(installDir) ? "ran" : "switched off");
    }
  }
  return lines;
}

std::string FormatSummary(const std::vector<SummaryLine>& lines) {
  std::string text;
  for (const auto& [name, value] : lines) text.append(name).append(": ").append(value).append("\n");
  return text;
}

}  // namespace velloway::host
