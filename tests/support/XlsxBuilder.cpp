#include "support/XlsxBuilder.h"

#include <xlsxwriter.h>

#include <map>
#include <stdexcept>

namespace velloway::test {

// The open workbook and sheet a step writes into, with formats made once per code.
struct XlsxBuilder::Writer {
  lxw_workbook* book = nullptr;
  lxw_worksheet* sheet = nullptr;
  std::map<std::string, lxw_format*> formats;

  lxw_format* Format(const std::string& code) {
    if (code.empty()) return nullptr;
    auto& format = formats[code];
    if (format == nullptr) {
      format = workbook_add_format(book);
      format_set_num_format(format, code.c_str());
    }
    return format;
  }
  void Check(lxw_error error) const {
    if (error != LXW_NO_ERROR) throw std::runtime_error(lxw_strerror(error));
  }
  lxw_row_t Row(const std::string& cell) const { return lxw_name_to_row(cell.c_str()); }
  lxw_col_t Col(const std::string& cell) const { return lxw_name_to_col(cell.c_str()); }
};

XlsxBuilder& XlsxBuilder::Sheet(const std::string& name) {
  sheets_.push_back(SheetSteps{name, {}});
  return *this;
}

XlsxBuilder& XlsxBuilder::Add(Step step) {
  if (sheets_.empty()) Sheet("Sheet1");
  sheets_.back().steps.push_back(std::move(step));
  return *this;
}

XlsxBuilder& XlsxBuilder::Text(const std::string& cell, const std::string& text) {
  return Add([=](Writer& w) {
    w.Check(worksheet_write_string(w.sheet, w.Row(cell), w.Col(cell), text.c_str(), nullptr));
  });
}

XlsxBuilder& XlsxBuilder::Number(const std::string& cell, double value, const std::string& format) {
  return Add([=](Writer& w) {
    w.Check(worksheet_write_number(w.sheet, w.Row(cell), w.Col(cell), value, w.Format(format)));
  });
}

XlsxBuilder& XlsxBuilder::Boolean(const std::string& cell, bool value) {
  return Add([=](Writer& w) {
    w.Check(worksheet_write_boolean(w.sheet, w.Row(cell), w.Col(cell), value ? 1 : 0, nullptr));
  });
}

XlsxBuilder& XlsxBuilder::FormulaText(const std::string& cell, const std::string& formula,
                                      const std::string& result) {
  return Add([=](Writer& w) {
    w.Check(worksheet_write_formula_str(w.sheet, w.Row(cell), w.Col(cell), formula.c_str(), nullptr,
                                        result.c_str()));
  });
}

std::string XlsxBuilder::Save(const std::string& path) const {
  Writer w;
  w.book = workbook_new(path.c_str());
  if (w.book == nullptr) throw std::runtime_error("cannot create " + path);
  for (const SheetSteps& sheet : sheets_) {
    w.sheet = workbook_add_worksheet(w.book, sheet.name.c_str());
    if (w.sheet == nullptr) throw std::runtime_error("cannot add sheet " + sheet.name);
    for (const Step& step : sheet.steps) step(w);
  }
  w.Check(workbook_close(w.book));
  return path;
}

}  // namespace velloway::test
