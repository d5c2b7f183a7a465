// Test workbooks described in a few lines: sheet, then cell, then typed value, written with
// libxlsxwriter. Formula results are written explicitly, as a spreadsheet program saves them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velloway::test {

class XlsxBuilder {
 public:
  XlsxBuilder& Sheet(const std::string& name);
  XlsxBuilder& Text(const std::string& cell, const std::string& text);
  XlsxBuilder& Number(const std::string& cell, double value, const std::string& format = "");
  XlsxBuilder& Boolean(const std::string& cell, bool value);
  XlsxBuilder& FormulaText(const std::string& cell, const std::string& formula,
                           const std::string& result);
  // Writes the workbook and returns the path.
  std::string Save(const std::string& path) const;

 private:
  struct Writer;
  using Step = std::function<void(Writer&)>;
  struct SheetSteps {
    std::string name;
    std::vector<Step> steps;
  };
  XlsxBuilder& Add(Step step);
  std::vector<SheetSteps> sheets_;
};

}  // namespace velloway::test
