#include "app/TemplateWorkbook.h"

#include <xlsxwriter.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/TemplateLayout.h"

namespace velloway::app {
namespace {

struct Formats {
  lxw_format* header;
  lxw_format* title;
  lxw_format* date;
  lxw_format* label;
};

Formats MakeFormats(lxw_workbook* book) {
  Formats f{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book),
            workbook_add_format(book)};
  format_set_bold(f.header);
  format_set_bg_color(f.header, 0xDDEBF7);
  format_set_bottom(f.header, LXW_BORDER_THIN);
  format_set_text_wrap(f.header);
  format_set_bold(f.title);
  format_set_font_size(f.title, 14);
  // Year first: no reader can take the day for the month.
  format_set_num_format(f.date, "yyyy-mm-dd");
  format_set_italic(f.label);
  return f;
}

bool IsNumber(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789.-") != std::string::npos) return false;
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  return *end == '\0';
}

bool WriteDate(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& text,
               lxw_format* format) {
  lxw_datetime date{};
  char tail = 0;
  if (text.size() != 10 ||
      std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &tail) != 3) {
    return false;
  }
  worksheet_write_datetime(sheet, row, col, &date, format);
  return true;
}

// A number as a number, "yyyy-mm-dd" as a date, anything else as text; "" leaves the cell empty.
void WriteValue(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& text,
                const Formats& formats) {
  if (text.empty() || WriteDate(sheet, row, col, text, formats.date)) return;
  if (IsNumber(text)) {
    worksheet_write_number(sheet, row, col, std::strtod(text.c_str(), nullptr), nullptr);
  } else {
    worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
  }
}

// A drop-down of the fixed values; other values are still let through after a warning, since
// the import reads any text.
void AddList(lxw_worksheet* sheet, lxw_col_t col, const char* values) {
  std::vector<std::string> items;
  for (const char* start = values; *start != '\0';) {
    const char* comma = std::strchr(start, ',');
    items.emplace_back(start, comma != nullptr ? comma : start + std::strlen(start));
    start = comma != nullptr ? comma + 1 : start + std::strlen(start);
  }
  std::vector<char*> list;
  list.reserve(items.size() + 1);
  for (std::string& item : items) list.push_back(item.data());
  list.push_back(nullptr);
  lxw_data_validation validation{};
  validation.validate = LXW_VALIDATION_TYPE_LIST;
  validation.value_list = list.data();
  validation.error_type = LXW_VALIDATION_ERROR_TYPE_WARNING;
  worksheet_data_validation_range(sheet, kFirstDataRow - 1, col, kLastValidatedRow, col,
                                  &validation);
}

void WriteRecordSheet(lxw_workbook* book, const RecordSheet& layout,
                      const std::vector<std::vector<std::string>>& rows, const Formats& formats) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, layout.name);
  worksheet_write_string(sheet, 0, 0, layout.name, formats.title);
  for (std::size_t index = 0; index < layout.columns.size(); ++index) {
    const Column& column = layout.columns[index];
    const auto col = static_cast<lxw_col_t>(index);
    worksheet_write_string(sheet, kHeaderRow - 1, col, column.header, formats.header);
    worksheet_set_column(sheet, col, col, column.width,
                         column.kind == ColumnKind::Date ? formats.date : nullptr);
    if (column.list != nullptr) AddList(sheet, col, column.list);
  }
  worksheet_freeze_panes(sheet, kHeaderRow, 1);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t col = 0; col < rows[r].size(); ++col) {
      WriteValue(sheet, static_cast<lxw_row_t>(kFirstDataRow - 1 + r), static_cast<lxw_col_t>(col),
                 rows[r][col], formats);
    }
  }
}

void WriteOptionsSheet(lxw_workbook* book, const std::vector<OptionCell>& cells,
                       const Formats& formats) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Options");
  worksheet_set_column(sheet, 0, 0, 42, nullptr);
  worksheet_set_column(sheet, 1, 25, 16, nullptr);
  for (const OptionCell& cell : cells) {
    const lxw_row_t row = lxw_name_to_row(cell.cell.c_str());
    const lxw_col_t col = lxw_name_to_col(cell.cell.c_str());
    if (cell.number) {
      worksheet_write_number(sheet, row, col, *cell.number, nullptr);
    } else {
      worksheet_write_string(sheet, row, col, cell.text.c_str(),
                             col == 0 && !cell.fragment ? formats.label : nullptr);
    }
  }
}

}  // namespace

void WriteTemplate(const std::string& path, const std::string& version, const SheetRows& rows) {
  const TemplateLayout* layout = FindTemplateLayout(version);
  if (layout == nullptr) throw TemplateError("there is no template version '" + version + "'");
  lxw_workbook* book = workbook_new(path.c_str());
  if (book == nullptr) throw TemplateError("cannot create '" + path + "'");
  const Formats formats = MakeFormats(book);
  WriteOptionsSheet(book, layout->options, formats);
  static const std::vector<std::vector<std::string>> kNoRows;
  for (const RecordSheet& sheet : layout->sheets) {
    const auto filled = rows.find(sheet.name);
    WriteRecordSheet(book, sheet, filled != rows.end() ? filled->second : kNoRows, formats);
  }
  const lxw_error error = workbook_close(book);
  if (error != LXW_NO_ERROR) {
    throw TemplateError("cannot write '" + path + "': " + lxw_strerror(error));
  }
}

}  // namespace velloway::app
