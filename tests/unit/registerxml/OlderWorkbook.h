// An older-template workbook described row by row: an Options sheet with the PID, the user field
// definitions, the options version and the column layout, and record sheets whose rows are lists
// of cell texts from column A ("" leaves a cell empty).
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/XlsxBuilder.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {

// "A1" for row 1, column 1; "AD3" for row 3, column 30.
inline std::string CellName(int row, int column) {
  std::string letters;
  for (; column > 0; column = (column - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
  }
  return letters + std::to_string(row);
}

// The layout of the test risk sheets: ID, type, title; pre-mitigation probability (4), one
// impact "Cost" (5), score (6); response, title, cost (7 to 9); post-mitigation probability (10)
// and score (11); owner to quantified (12 to 24); user fields "Phase" and "Due" (25, 26); the
// fallback plan or audit date (27). Actions: probability (13), impact "Cost" (14), score (15),
// user texts (16 to 20).
inline constexpr std::array<int, 8> kTestLayout{4, 6, 10, 11, 13, 15, 25, 26};

class OlderWorkbook {
 public:
  using Row = std::vector<std::string>;

  OlderWorkbook() {
    Option("A1", "<Options/>").Option("A4", kPidFragment).Option("A14", "2.1");
    Option("A3",
           "<UserFieldDefinitions>"
           "<UserFieldDefinition ID=\"U0\"><Name>Phase</Name><Type>Text</Type>"
           "</UserFieldDefinition>"
           "<UserFieldDefinition ID=\"U1\"><Name>Phase</Name><Type>Text</Type>"
           "</UserFieldDefinition></UserFieldDefinitions>");
    Layout(kTestLayout);
    for (const char* sheet : {"Qualitative Risks", "Response Actions", "Task Impacts",
                              "Quantitative Risks", "Risk History"}) {
      Records(sheet, {});
    }
  }

  OlderWorkbook& Option(const std::string& cell, const std::string& text) {
    sheets_["Options"][cell] = text;
    return *this;
  }
  OlderWorkbook& Layout(const std::array<int, 8>& columns) {
    for (int i = 0; i < 8; ++i) Option("B" + std::to_string(16 + i), std::to_string(columns[i]));
    return *this;
  }
  // The cells of one row of a sheet, from column A.
  OlderWorkbook& Cells(const std::string& sheet, int row, const Row& cells) {
    auto& sheetCells = sheets_[sheet];
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (!cells[i].empty()) sheetCells[CellName(row, static_cast<int>(i) + 1)] = cells[i];
    }
    return *this;
  }
  // Rows from row 3 down, below the header of the sheet's layout in row 2.
  OlderWorkbook& Records(const std::string& sheet, const std::vector<Row>& rows) {
    Cells(sheet, 2, HeaderOf(sheet));
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

  // A risk row: ID, type, title, then the cells by column number.
  static Row Risk(const std::string& id, const std::map<int, std::string>& cells = {}) {
    Row row(27);
    row[0] = id;
    for (const auto& [column, text] : cells) row[column - 1] = text;
    return row;
  }

 private:
  static Row HeaderOf(const std::string& sheet) {
    if (sheet == "Qualitative Risks" || sheet == "Risk History") {
      Row header(26);
      header[0] = "Risk ID";
      header[4] = "Cost";
      header[24] = "Phase";
      header[25] = "Due";
      return header;
    }
    if (sheet == "Response Actions") {
      Row header(14);
      header[1] = "Risk ID";
      header[13] = "Cost";
      return header;
    }
    return {"Plan", "Risk ID"};
  }

  std::map<std::string, std::map<std::string, std::string>> sheets_;
};

// The register XML road on a workbook: connected as the launch sequence connects it, imported
// through the modal progress form into a recording plan, with the shipped schema switched on.
class SheetStepsTest : public RegisterXmlTest {
 protected:
  SheetStepsTest() { InstallSchema("TRUE"); }

  bool Import(const OlderWorkbook& workbook) {
    fakes.ui->boxes.clear();
    fakes.host->plan->calls.clear();
    state.WorkbookPath = workbook.Save(dir.File("book.xlsx"));
    EXPECT_TRUE(ConnectWorkbook(state));
    return modBuildXmlFile::ImportRegisterXml(state);
  }
  // A risk of the document built by the last import.
  xmlNodePtr Risk(const std::string& id) { return registerxml::TheDocument(state).FindRisk(id); }
  std::vector<std::string> RiskIds() {
    std::vector<std::string> ids;
    for (xmlNodePtr risk : modXMLToolbox::SelectNodesOrThrow(
             registerxml::TheDocument(state).node(), "ksrr:Kestrion/RiskRegister/Risks/Risk")) {
      ids.push_back(registerxml::RiskIdOf(risk));
    }
    return ids;
  }
  // The error log without its headings.
  std::vector<std::string> ErrorLines() const {
    std::vector<std::string> lines;
    std::string text = state.errorLog.text;
    for (std::size_t at = 0; (at = text.find("\r\n")) != std::string::npos; text.erase(0, at + 2)) {
      lines.push_back(text.substr(0, at));
    }
    std::vector<std::string> errors;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == std::string(50, '-')) {
        i += 2;  // the heading and its closing rule
      } else {
        errors.push_back(lines[i]);
      }
    }
    return errors;
  }
  // Whether the document reached the plan.
  bool Stored() const { return fakes.host->plan->calls.size() == 2; }
  // The last item label the progress form showed that begins with the text given.
  std::string LastLabel(const std::string& begin) const {
    std::string last;
    for (const RecordedFrame& frame : fakes.progress->frames) {
      if (frame.itemText.rfind(begin, 0) == 0) last = frame.itemText;
    }
    return last;
  }
};

}  // namespace velloway::test
