// An older-template workbook described row by row, and the register XML road run on it.
#pragma once

#include <xlsxwriter/utility.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "registerxml/XmlSelectionNamespaces.h"
#include "support/XlsxBuilder.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {

// Options with the PID, two user field definitions named Phase (U0, then U1), the options
// version "2.1" and this layout. Risk sheets: ID, type, title; pre-mitigation probability (4),
// impact "Cost" (5), score (6); response, title, cost (7 to 9); post-mitigation probability
// (10), score (11); owner to quantified (12 to 24); user fields "Phase" and "Due" (25, 26);
// fallback plan or audit date (27). Actions: probability (13), impact "Cost" (14), score (15).
class OlderWorkbook {
 public:
  using Row = std::vector<std::string>;  // cell texts from column A; "" leaves a cell empty

  OlderWorkbook() {
    Option("A1", "<Options/>").Option("A4", kPidFragment).Option("A14", "2.1");
    Option("A3",
           "<UserFieldDefinitions><UserFieldDefinition ID=\"U0\"><Name>Phase</Name></"
           "UserFieldDefinition><UserFieldDefinition ID=\"U1\"><Name>Phase</Name></"
           "UserFieldDefinition></UserFieldDefinitions>");
    Layout({4, 6, 10, 11, 13, 15, 25, 26});
    const Row riskHeader = Risk("Risk ID", {{5, "Cost"}, {25, "Phase"}, {26, "Due"}});
    Cells("Qualitative Risks", 2, riskHeader).Cells("Risk History", 2, riskHeader);
    Cells("Response Actions", 2, Risk("", {{2, "Risk ID"}, {14, "Cost"}}));
    Cells("Task Impacts", 2, {"Plan", "Risk ID"})
        .Cells("Quantitative Risks", 2, {"Plan", "Risk ID"});
  }

  OlderWorkbook& Option(const std::string& cell, const std::string& text) {
    sheets_["Options"][cell] = text;
    return *this;
  }
  OlderWorkbook& Layout(const std::vector<int>& columns) {
    for (int i = 0; i < 8; ++i) Option("B" + std::to_string(16 + i), std::to_string(columns[i]));
    return *this;
  }
  OlderWorkbook& Cells(const std::string& sheet, int row, const Row& cells) {
    char name[LXW_MAX_CELL_NAME_LENGTH];
    for (std::size_t i = 0; i < cells.size(); ++i) {
      lxw_rowcol_to_cell(name, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(i));
      if (!cells[i].empty()) sheets_[sheet][name] = cells[i];
    }
    return *this;
  }
  // Rows from row 3 down.
  OlderWorkbook& Records(const std::string& sheet, const std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) Cells(sheet, static_cast<int>(i) + 3, rows[i]);
    return *this;
  }
  OlderWorkbook& Without(const std::string& sheet) {
    sheets_.erase(sheet);
    return *this;
  }
  std::string Save(const std::string& path) const {
    XlsxBuilder book;
    for (const auto& [name, cells] : sheets_) {
      book.Sheet(name);
      for (const auto& [cell, text] : cells) book.Text(cell, text);
    }
    return book.Save(path);
  }

  // A risk row: the ID, and cells by column number.
  static Row Risk(const std::string& id, const std::map<int, std::string>& cells = {}) {
    Row row(27);
    row[0] = id;
    for (const auto& [column, text] : cells) row[column - 1] = text;
    return row;
  }

 private:
  std::map<std::string, std::map<std::string, std::string>> sheets_;
};

// The road through the reader, the modal progress form and a recording plan, with the shipped
// schema switched on: an import whose document the schema rejects fails, so every import these
// tests expect to succeed also checks its kinds of record against the schema.
class SheetStepsTest : public RegisterXmlTest {
 protected:
  SheetStepsTest() { InstallSchema("TRUE"); }

  bool Import(const OlderWorkbook& workbook) {
    fakes.ui->boxes.clear();
    fakes.host->plan->calls.clear();
    state.WorkbookPath = workbook.Save(dir.File("book.xlsx"));
    EXPECT_TRUE(ConnectWorkbook(state));
    const bool imported = modBuildXmlFile::ImportRegisterXml(state);
    // The road frees its document once the text is stored: the checks read what was stored.
    if (Stored()) {
      auto stored = modXMLToolbox::LoadXml(fakes.host->plan->calls.back().value);
      modXMLToolbox::BindRegisterPrefix(stored.get());
      registerxml::RegisterXmlRun(state).document =
          std::make_shared<registerxml::RegisterXmlDocument>(std::move(stored));
    }
    return imported;
  }
  xmlNodePtr Risk(const std::string& id) { return registerxml::TheDocument(state).FindRisk(id); }
  std::vector<std::string> RiskIds() {
    return Texts(registerxml::TheDocument(state).RiskList(), "Risk", "ID");
  }
  // The texts of a child of each node selected.
  std::vector<std::string> Texts(xmlNodePtr node, const std::string& xpath,
                                 const std::string& child) {
    std::vector<std::string> texts;
    for (xmlNodePtr each : modXMLToolbox::SelectNodesOrThrow(node, xpath))
      texts.push_back(Text(each, child));
    return texts;
  }
  // The error log's lines without the step headings (a title between two rules).
  std::vector<std::string> ErrorLines() const {
    std::vector<std::string> lines;
    std::istringstream log(state.errorLog.text);
    for (std::string line; std::getline(log, line);) {
      line.pop_back();  // the CR
      if (line != std::string(50, '-')) {
        lines.push_back(line);
      } else if (std::getline(log, line)) {
        std::getline(log, line);
      }
    }
    return lines;
  }
  // The last item label of the progress form that begins with the text given.
  std::string LastLabel(const std::string& begin) const {
    std::string last;
    for (const RecordedFrame& frame : fakes.progress->frames)
      if (frame.itemText.rfind(begin, 0) == 0) last = frame.itemText;
    return last;
  }
  bool Stored() const { return fakes.host->plan->calls.size() == 2; }
};

}  // namespace velloway::test
