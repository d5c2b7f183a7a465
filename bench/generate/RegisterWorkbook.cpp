#include "RegisterWorkbook.h"

#include <xlsxwriter.h>

#include <array>
#include <cstdio>
#include <functional>
#include <random>
#include <stdexcept>
#include <vector>

#include "BenchPid.h"

namespace velloway::bench {
namespace {

constexpr std::array<const char*, 32> kWords = {
    "supplier", "delay",     "design",  "review",  "cost",   "overrun",  "site",     "access",
    "weather",  "approval",  "late",    "change",  "scope",  "staff",    "turnover", "software",
    "licence",  "interface", "testing", "failure", "budget", "currency", "exchange", "rate",
    "permit",   "the",       "of",      "and",     "may",    "cause",    "a",        "significant"};

// A single blank row follows every this many records: the loaders skip up to two.
constexpr int kRecordsBetweenBlankRows = 97;

class Writer {
 public:
  Writer(const std::string& path, StringForm form) {
    // Constant-memory mode writes texts into the cells; the default writes the shared table.
    lxw_workbook_options options = {form == StringForm::Inline ? LXW_TRUE : LXW_FALSE, nullptr,
                                    LXW_FALSE};
    book_ = workbook_new_opt(path.c_str(), &options);
    if (book_ == nullptr) throw std::runtime_error("cannot create " + path);
    money_ = workbook_add_format(book_);
    format_set_num_format(money_, "$#,##0.00");
    date_ = workbook_add_format(book_);
    format_set_num_format(date_, "dd/mm/yyyy");
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  ~Writer() {
    if (book_ != nullptr) workbook_close(book_);
  }

  lxw_worksheet* Sheet(const char* name) { return workbook_add_worksheet(book_, name); }
  void Close() {
    const lxw_error error = workbook_close(book_);
    book_ = nullptr;
    if (error != LXW_NO_ERROR) throw std::runtime_error("cannot write the workbook");
  }

  // Texts from column A on; empty texts leave their cells empty.
  static void Texts(lxw_worksheet* ws, lxw_row_t row, const std::vector<std::string>& texts) {
    for (std::size_t column = 0; column < texts.size(); ++column) {
      if (!texts[column].empty()) Text(ws, row, static_cast<lxw_col_t>(column), texts[column]);
    }
  }
  static void Text(lxw_worksheet* ws, lxw_row_t row, lxw_col_t column, const std::string& text) {
    worksheet_write_string(ws, row, column, text.c_str(), nullptr);
  }
  static void Number(lxw_worksheet* ws, lxw_row_t row, lxw_col_t column, double value) {
    worksheet_write_number(ws, row, column, value, nullptr);
  }
  void Money(lxw_worksheet* ws, lxw_row_t row, lxw_col_t column, double value) {
    worksheet_write_number(ws, row, column, value, money_);
  }
  void Date(lxw_worksheet* ws, lxw_row_t row, lxw_col_t column, int year, int month, int day) {
    lxw_datetime when = {year, month, day, 0, 0, 0};
    worksheet_write_datetime(ws, row, column, &when, date_);
  }

  // An amount in whole units with cents.
  double Amount(int most) { return static_cast<double>(Next(most * 100)) / 100.0; }
  int Next(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
  // A text of words, from a few characters to a few hundred; one in eight has a line break.
  std::string Words(int fewest, int most) {
    const int count = fewest + Next(most - fewest + 1);
    std::string text;
    for (int i = 0; i < count; ++i) {
      if (i > 0) text += i == count / 2 && Next(8) == 0 ? '\n' : ' ';
      text += kWords[static_cast<std::size_t>(Next(static_cast<int>(kWords.size())))];
    }
    return text;
  }

 private:
  lxw_workbook* book_ = nullptr;
  lxw_format* money_ = nullptr;
  lxw_format* date_ = nullptr;
  std::mt19937 random_{42};
};

// Where record `index` of a sheet goes: below the header in row 2 (row index 1), with a blank
// row after every so many records.
lxw_row_t RecordRow(int index) {
  return static_cast<lxw_row_t>(2 + index + index / kRecordsBetweenBlankRows);
}

std::string Id(int risk) { return "R" + std::to_string(risk); }
std::string DateText(int year, int month, int day, bool iso) {
  char text[16];
  if (iso) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  } else {
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
  }
  return text;
}

void CurrentOptions(Writer& w) {
  lxw_worksheet* o = w.Sheet("Options");
  for (lxw_row_t r = 0; r < 60; ++r) {
    if (r == 3) Writer::Text(o, r, 1, "2.2");
    if ((r >= 18 && r <= 24) || (r >= 35 && r <= 44)) Writer::Number(o, r, 1, 1);
    if (r == 21) Writer::Number(o, r, 2, 2);
    if (r == 55) Writer::Number(o, r, 1, 0);
  }
}

void CurrentRisk(Writer& w, lxw_worksheet* ws, lxw_row_t row, int i) {
  const char* levels[] = {"L", "M", "H"};
  auto level = [&] { return std::string(levels[w.Next(3)]); };
  Writer::Texts(ws, row,
                {Id(i),
                 i % 3 ? "Threat" : "Opportunity",
                 w.Words(2, 8),
                 level(),
                 level(),
                 level(),
                 "N",
                 "",
                 level(),
                 level(),
                 level(),
                 "N",
                 "",
                 "",
                 i % 5 ? "Open" : "Closed",
                 "Owner " + std::to_string(i % 40),
                 w.Words(0, 12),
                 w.Words(5, 60),
                 w.Words(0, 20),
                 "ENG." + std::to_string(i % 9),
                 "",
                 "T",
                 DateText(2026, 1 + i % 12, 1 + i % 28, false)});
  Writer::Number(ws, row, 7, i % 25);
  Writer::Number(ws, row, 12, 1 + i % 4);
  w.Date(ws, row, 13, 2027, 1 + i % 12, 1 + i % 28);
}

void CurrentActions(Writer& w, int risks) {
  lxw_worksheet* ws = w.Sheet("Response Actions");
  Writer::Texts(ws, 1, {"Name", "Risk ID"});
  for (int i = 0; i < 2 * risks; ++i) {
    const lxw_row_t row = RecordRow(i);
    Writer::Texts(ws, row,
                  {i % 2 ? w.Words(1, 4) : "", Id(i / 2), w.Words(3, 40), "Someone", "", "", "",
                   "Proposed", "L", "L", "L", "N", "2"});
    // Due dates alternate between date cells and texts; amounts carry cents.
    if (i % 2 == 0) {
      w.Date(ws, row, 4, 2027, 1 + i % 12, 1 + i % 28);
    } else {
      Writer::Text(ws, row, 4, DateText(2027, 1 + i % 12, 1 + i % 28, false));
    }
    w.Money(ws, row, 6, w.Amount(5000));
  }
}

using Row = std::vector<std::string>;

// The quantitative risks, a row each (probability in D, amount in E), and two task impacts per
// risk (task number in C, three durations from column `durations` on, three amounts after the
// column between): both templates lay them out alike, with their own texts.
void Quantitative(Writer& w, int risks, const char* label,
                  const std::function<Row(int risk)>& quantTexts,
                  const std::function<Row(int risk, int impact)>& impactTexts,
                  const std::function<double(int risk, int impact)>& task, lxw_col_t durations) {
  lxw_worksheet* quant = w.Sheet("Quantitative Risks");
  lxw_worksheet* impacts = w.Sheet("Task Impacts");
  Writer::Texts(quant, 1, {label, "Risk ID"});
  Writer::Texts(impacts, 1, {label, "Risk ID"});
  for (int i = 0; i < risks; ++i) {
    const lxw_row_t row = RecordRow(i);
    Writer::Texts(quant, row, quantTexts(i));
    Writer::Number(quant, row, 3, 0.05 * (1 + w.Next(19)));
    w.Money(quant, row, 4, w.Amount(100000));
    for (int k = 0; k < 2; ++k) {
      const lxw_row_t impactRow = RecordRow(2 * i + k);
      Writer::Texts(impacts, impactRow, impactTexts(i, k));
      Writer::Number(impacts, impactRow, 2, task(i, k));
      for (lxw_col_t c = durations; c < durations + 3; ++c) {
        Writer::Number(impacts, impactRow, c, 1 + w.Next(30));
      }
      for (lxw_col_t c = durations + 4; c < durations + 7; ++c) {
        w.Money(impacts, impactRow, c, w.Amount(500));
      }
    }
  }
}

void CurrentQuantitative(Writer& w, int risks) {
  const auto scenario = [risks](int i) {
    return i % (risks / 10 + 1) == 0 ? "S" + std::to_string(i) : "";
  };
  Quantitative(
      w, risks, "Scenario",
      [&](int i) { return Row{scenario(i), Id(i), w.Words(1, 6), "", "", "Actions"}; },
      [&](int i, int k) {
        return Row{
            k == 0 ? scenario(i) : "", Id(i), "", "T", "Triangular", "", "", "", "Triangular"};
      },
      [](int, int k) { return 1000.0 + k; }, 5);
}

void WriteCurrent(Writer& w, int risks) {
  CurrentOptions(w);
  for (const char* name : {"Qualitative Risks", "Risk History"}) {
    lxw_worksheet* ws = w.Sheet(name);
    Writer::Texts(ws, 1, {"Risk ID"});
    for (int i = 0; i < risks; ++i) CurrentRisk(w, ws, RecordRow(i), i);
  }
  CurrentActions(w, risks);
  CurrentQuantitative(w, risks);
}

// The older template's layout: impacts in E, F and L, M; a user field in AC.
void OlderOptions(Writer& w) {
  lxw_worksheet* o = w.Sheet("Options");
  Writer::Text(o, 0, 0, "<Options/>");
  Writer::Text(o, 2, 0,
               "<UserFieldDefinitions><UserFieldDefinition ID=\"U1\"><Name>Phase</Name>"
               "<Type>Text</Type></UserFieldDefinition></UserFieldDefinitions>");
  Writer::Text(o, 3, 0, kPid);
  Writer::Text(o, 3, 1, "2.1");
  Writer::Text(o, 13, 0, "2.1");
  const int layout[] = {4, 7, 11, 14, 13, 16, 28, 29};
  for (int i = 0; i < 8; ++i) Writer::Number(o, static_cast<lxw_row_t>(15 + i), 1, layout[i]);
}

void OlderRisk(Writer& w, lxw_worksheet* ws, lxw_row_t row, int risk) {
  const char* levels[] = {"L", "H"};
  auto level = [&] { return std::string(levels[w.Next(2)]); };
  Writer::Texts(ws, row,
                {Id(risk),
                 "Threat",
                 w.Words(2, 8),
                 level(),
                 level(),
                 level(),
                 "",
                 "Reduce",
                 w.Words(0, 10),
                 "",
                 "M",
                 level(),
                 level(),
                 "",
                 "Owner",
                 w.Words(0, 12),
                 w.Words(5, 60),
                 w.Words(0, 20),
                 "1.2",
                 "Open",
                 "",
                 "",
                 DateText(2025, 1, 6, true),
                 "",
                 "",
                 "",
                 "",
                 "Design",
                 "",
                 DateText(2025, 1 + risk % 12, 1 + risk % 28, true)});
  Writer::Number(ws, row, 6, 1 + risk % 25);
  w.Money(ws, row, 9, w.Amount(5000));
  Writer::Number(ws, row, 13, 1 + risk % 9);
  w.Date(ws, row, 23, 2025, 6, 30);
  w.Money(ws, row, 24, w.Amount(9000));
}

void OlderRecords(Writer& w, int risks) {
  const std::vector<std::string> riskHeader{"Risk ID", "", "", "", "Cost", "Time", "",
                                            "",        "", "", "", "Cost", "Time"};
  for (const char* name : {"Qualitative Risks", "Risk History"}) {
    lxw_worksheet* ws = w.Sheet(name);
    std::vector<std::string> header = riskHeader;
    header.resize(28);
    header.push_back("Phase");
    Writer::Texts(ws, 1, header);
    const int perRisk = name[0] == 'Q' ? 1 : 2;
    for (int i = 0; i < perRisk * risks; ++i) OlderRisk(w, ws, RecordRow(i), i / perRisk);
  }
  lxw_worksheet* actions = w.Sheet("Response Actions");
  Writer::Texts(actions, 1,
                {"Action", "Risk ID", "", "", "", "", "", "", "", "", "", "", "", "Cost", "Time"});
  for (int i = 0; i < 2 * risks; ++i) {
    const lxw_row_t row = RecordRow(i);
    Writer::Texts(
        actions, row,
        {"Action", Id(i / 2), w.Words(3, 40), "Someone", DateText(2025, 1, 13, true),
         DateText(2025, 5, 30, true), "", "", "", "0", "", "", "L", "L", "L", "2", w.Words(0, 6)});
    w.Money(actions, row, 8, w.Amount(5000));
  }
}

void OlderQuantitative(Writer& w, int risks) {
  const auto plan = [](int i) { return i % 2 ? "Post-mitigation" : "Pre-mitigation"; };
  Quantitative(
      w, risks, "Plan",
      [&](int i) {
        return Row{plan(i), Id(i), w.Words(1, 6)};
      },
      [&](int i, int) {
        return Row{plan(i), Id(i), "", "Triangular", "",     "",     "",
                   "",      "",    "", "",           "TRUE", "TRUE", "FALSE"};
      },
      [](int i, int k) { return (2 * i + k) % 50; }, 4);
}

}  // namespace

void WriteRegisterWorkbook(const std::string& path, const RegisterShape& shape) {
  Writer w(path, shape.strings);
  if (shape.kind == TemplateKind::Current) {
    WriteCurrent(w, shape.risks);
  } else {
    OlderOptions(w);
    OlderRecords(w, shape.risks);
    OlderQuantitative(w, shape.risks);
  }
  w.Close();
}

const char* TemplateName(TemplateKind kind) {
  return kind == TemplateKind::Current ? "current" : "older";
}

const char* StringFormName(StringForm form) {
  return form == StringForm::Shared ? "shared" : "inline";
}

}  // namespace velloway::bench
