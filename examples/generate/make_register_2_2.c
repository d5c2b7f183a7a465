/* Writes examples/register-2.2.xlsx: a risk register in the current template ("2.2") for a
 * bridge refurbishment, with every sheet the import reads. The file is the same on every run. */
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <xlsxwriter.h>

static lxw_format* date_format;

static void text(lxw_worksheet* ws, const char* cell, const char* value) {
  worksheet_write_string(ws, lxw_name_to_row(cell), lxw_name_to_col(cell), value, NULL);
}

static void number(lxw_worksheet* ws, const char* cell, double value) {
  worksheet_write_number(ws, lxw_name_to_row(cell), lxw_name_to_col(cell), value, NULL);
}

static void date(lxw_worksheet* ws, const char* cell, int year, int month, int day) {
  lxw_datetime when = {year, month, day, 0, 0, 0};
  worksheet_write_datetime(ws, lxw_name_to_row(cell), lxw_name_to_col(cell), &when, date_format);
}

/* One row of texts from column A on; NULL leaves a cell empty. */
static void row(lxw_worksheet* ws, int row_number, const char* const* values, int count) {
  for (int c = 0; c < count; ++c) {
    if (values[c] != NULL && values[c][0] != '\0') {
      worksheet_write_string(ws, (lxw_row_t)(row_number - 1), (lxw_col_t)c, values[c], NULL);
    }
  }
}

static void options_sheet(lxw_workbook* wb) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Options");
  text(ws, "A1", "Register details");
  text(ws, "A2", "Currency");
  text(ws, "B2", "\xC2\xA3");
  text(ws, "A3", "Title");
  text(ws, "B3", "Harbour Bridge Refurbishment");
  text(ws, "A4", "Template version");
  text(ws, "B4", "2.2");
  text(ws, "A10", "Probability-impact definition");
  const char* perf[] = {"Safety or statutory breach", "Loss of a main function", "Reduced function",
                        "Minor defect", "No noticeable effect"};
  for (int i = 0; i < 5; ++i) {
    char cell[8];
    snprintf(cell, sizeof cell, "B%d", 11 + i);
    text(ws, cell, perf[i]);
  }
  const char* sched[] = {"< 1 week", "1-4 weeks", "1-3 months", "3-6 months", "> 6 months"};
  const char* prob[] = {"< 10%", "10-30%", "30-50%", "50-70%", "> 70%"};
  const char* cost[] = {
      "< \xC2\xA3"
      "10k",
      "\xC2\xA3"
      "10k-50k",
      "\xC2\xA3"
      "50k-250k",
      "\xC2\xA3"
      "250k-1m",
      "> \xC2\xA3"
      "1m"};
  for (int i = 0; i < 5; ++i) {
    char cell[8];
    snprintf(cell, sizeof cell, "%c16", 'B' + i);
    text(ws, cell, sched[i]);
    snprintf(cell, sizeof cell, "%c17", 'B' + i);
    text(ws, cell, prob[i]);
    snprintf(cell, sizeof cell, "%c26", 'B' + i);
    text(ws, cell, cost[i]);
  }
  for (int i = 0; i < 25; ++i) {
    char cell[8];
    snprintf(cell, sizeof cell, "%c18", 'B' + i);
    number(ws, cell, (i / 5 + 1) * (i % 5 + 1));
  }
  number(ws, "B19", 1);
  number(ws, "B20", 1);
  number(ws, "B21", 1);
  number(ws, "B22", 4.5);
  number(ws, "C22", 12);
  number(ws, "B23", 5);
  number(ws, "B24", 5);
  number(ws, "B25", 1);
  const double options[] = {9602507, 14871722, 12561751, 5992447, 0, 1, 2, 1, 0, 0};
  for (int i = 0; i < 10; ++i) {
    char cell[8];
    snprintf(cell, sizeof cell, "B%d", 36 + i);
    number(ws, cell, options[i]);
  }
  text(ws, "A56", "Scenarios");
  number(ws, "B56", 2);
  text(ws, "B57", "Base");
  text(ws, "B58", "Wet winter");
  text(ws, "B60", "True");
  text(ws, "B61", "");
  text(ws, "B63", "False");
  text(ws, "B64", "Base");
}

static void qualitative_risks(lxw_workbook* wb, const char* name, int with_audit) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, name);
  text(ws, "A1", name);
  const char* header[] = {
      "Risk ID",      "Type",        "Title",       "Prob",        "Cost",        "Time",
      "Perf",         "Score",       "Target prob", "Target cost", "Target time", "Target perf",
      "Target score", "Target date", "Status",      "Owner",       "Cause",       "Description",
      "Effect",       "RBS",         "Expiry",      "Qualitative", "Audit date"};
  row(ws, 3, header, with_audit ? 23 : 22);
  const char* risks[][22] = {
      {"R001",
       "Threat",
       "Corroded deck bearings",
       "H",
       "H",
       "M",
       "M",
       "12",
       "M",
       "M",
       "L",
       "L",
       "6",
       NULL,
       "Open",
       "A. Patel",
       "Salt water ingress",
       "Bearings worse than surveyed",
       "Extra replacement work",
       "ENG.1",
       NULL,
       "TRUE"},
      {"R002",
       "Threat",
       "Night possession refused",
       "M",
       "M",
       "H",
       "L",
       "9",
       "L",
       "M",
       "M",
       "L",
       "4",
       NULL,
       "Open",
       "J. Okafor",
       "Rail operator timetable",
       "Track possession not granted",
       "Works slip into spring",
       "PRG.2",
       NULL,
       "TRUE"},
      {"R003",
       "Opportunity",
       "Reuse of existing scaffold",
       "M",
       "M",
       "L",
       "N",
       "6",
       "H",
       "M",
       "L",
       "N",
       "8",
       "31/03/2027",
       "Open",
       "S. Lindqvist",
       "Adjacent contract ends",
       "Scaffold left in place",
       "Lower access costs",
       "COM.1",
       NULL,
       "TRUE"},
      {"R004",
       "Threat",
       "Protected bird nesting",
       "L",
       "L",
       "H",
       "N",
       "5",
       "VL",
       "L",
       "M",
       "N",
       "2",
       NULL,
       "Open",
       "M. Evans",
       "Nesting season",
       "Peregrines nest under span 3",
       "Works paused on span 3",
       "ENV.1",
       "30/09/2027",
       "t"},
      {"R005",
       "threat",
       "Steel price rise",
       "H",
       "VH",
       "N",
       "N",
       "15",
       "H",
       "H",
       "N",
       "N",
       "12",
       NULL,
       "Closed",
       "A. Patel",
       "Market",
       "Steel index rises",
       "Budget overrun",
       "COM.2",
       NULL,
       "No"},
  };
  for (int r = 0; r < 5; ++r) {
    const int sheet_row = r < 3 ? 4 + r : 5 + r; /* one blank row before R004 */
    row(ws, sheet_row, risks[r], 22);
  }
  if (with_audit) {
    date(ws, "W4", 2026, 9, 1);
    date(ws, "W5", 2026, 9, 1);
    date(ws, "W6", 2026, 10, 15);
    text(ws, "W8", "15/11/2026");
    date(ws, "W9", 2026, 11, 30);
  } else {
    date(ws, "N4", 2027, 2, 26);
    date(ws, "N5", 2027, 1, 15);
  }
}

static void response_actions(lxw_workbook* wb) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Response Actions");
  const char* header[] = {"Name",        "Risk ID", "Description", "Responsibility", "Target date",
                          "Actual date", "Cost",    "Status",      "Prob",           "Cost level",
                          "Time",        "Perf",    "Score"};
  row(ws, 2, header, 13);
  const char* actions[][13] = {
      {"", "R001", "Intrusive bearing survey", "A. Patel", NULL, NULL, "$12,500.00", "Complete",
       "M", "M", "L", "L", "6"},
      {"Bearing replacement", "R001", "Order spare bearings early", "Procurement", NULL, NULL,
       "48000", "Proposed", "M", "L", "L", "L", "4"},
      {"Possession plan", "R002", "Book backup possessions", "J. Okafor", NULL, NULL, "0",
       "Proposed", "L", "M", "M", "L", "4"},
      {"Ecology watch", "R004", "Ecologist on site in spring", "M. Evans", NULL, NULL, "3200.5",
       "Proposed", "VL", "L", "M", "N", "2"},
  };
  for (int r = 0; r < 4; ++r) row(ws, 3 + r, actions[r], 13);
  date(ws, "E3", 2026, 11, 20);
  date(ws, "F3", 2026, 11, 27);
  text(ws, "E4", "15/01/2027");
}

static void quantitative_risks(lxw_workbook* wb) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Quantitative Risks");
  const char* header[] = {"Scenario",    "Risk ID",         "Title",
                          "Probability", "Mitigation cost", "Mitigation actions"};
  row(ws, 2, header, 6);
  const char* risks[][6] = {
      {"Base", "R001", "Corroded deck bearings", NULL, "$60,500", "Survey and spares"},
      {NULL, "R002", "Night possession refused", NULL, "0", "Backup possessions"},
      {"Wet winter", "R001", "Corroded deck bearings", NULL, "$60,500", "Survey and spares"},
      {NULL, "R004", "Protected bird nesting", NULL, "3200.5", "Ecologist"},
      {"base", "R005", "Steel price rise", "high", "", ""},
  };
  for (int r = 0; r < 5; ++r) row(ws, 3 + r, risks[r], 6);
  number(ws, "D3", 0.4);
  number(ws, "D4", 0.25);
  number(ws, "D5", 0.6);
  number(ws, "D6", 0.07);
}

static void task_impacts(lxw_workbook* wb) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Task Impacts");
  const char* header[] = {"Scenario",       "Risk ID",  "Task ID",     "Scenario link",
                          "Duration shape", "Min dur",  "Likely dur",  "Max dur",
                          "Cost shape",     "Min cost", "Likely cost", "Max cost",
                          "Correlate",      "Link"};
  row(ws, 2, header, 14);
  const char* impacts[][14] = {
      {"Base", "R001", "1040", NULL, "Triangular", "5", "10", "20", "Triangular", "$5,000",
       "$12,000", "$30,000", NULL, NULL},
      {NULL, "R001", "1050", "F", "Uniform", "2", "", "6", "Uniform", "$1,000", "", "$4,000", "F",
       "T"},
      {NULL, "R002", "", NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL},
      {NULL, "R002", "2010", "True", "Triangular", "3", "7", "14", "Triangular", "0", "0", "0",
       "True", "False"},
      {"Wet winter", "R004", "3020", NULL, "Triangular", "10", "20", "40", "Triangular", "$2,000",
       "$4,000", "$9,000", NULL, NULL},
  };
  for (int r = 0; r < 5; ++r) row(ws, 3 + r, impacts[r], 14);
}

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "register-2.2.xlsx";
  lxw_workbook* wb = workbook_new(path);
  struct tm created = {0};
  created.tm_year = 2026 - 1900;
  created.tm_mon = 10;
  created.tm_mday = 2;
  created.tm_hour = 9;
  lxw_doc_properties properties = {0};
  properties.title = "Harbour Bridge Refurbishment risk register";
  properties.created = timegm(&created);
  workbook_set_properties(wb, &properties);
  date_format = workbook_add_format(wb);
  format_set_num_format(date_format, "dd/mm/yyyy");
  options_sheet(wb);
  qualitative_risks(wb, "Qualitative Risks", 0);
  response_actions(wb);
  quantitative_risks(wb);
  task_impacts(wb);
  qualitative_risks(wb, "Risk History", 1);
  if (workbook_close(wb) != LXW_NO_ERROR) {
    fprintf(stderr, "cannot write %s\n", path);
    return 1;
  }
  return 0;
}
