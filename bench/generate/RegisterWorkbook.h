// Writes a register workbook of either template at any size, as a spreadsheet program saves
// one: texts of varied length (some with line breaks), amounts with cents as number cells in a
// currency format, dates both as date cells and as texts, empty cells and single blank rows
// inside the data. The same shape and seed always give the same workbook.
#pragma once

#include <string>

namespace velloway::bench {

enum class TemplateKind { Current, Older };
// Shared: texts in the shared-string table. Inline: texts in the cells themselves.
enum class StringForm { Shared, Inline };

struct RegisterShape {
  TemplateKind kind = TemplateKind::Current;
  int risks = 10000;
  StringForm strings = StringForm::Shared;
};

// Writes the workbook to path; throws std::runtime_error when it cannot.
// Current template: risks, two actions and a history row per risk, a quantitative row and two
// task impacts per risk. Older template: risks, two actions, two task impacts, a quantitative
// row and two history rows per risk.
void WriteRegisterWorkbook(const std::string& path, const RegisterShape& shape);

const char* TemplateName(TemplateKind kind);
const char* StringFormName(StringForm form);

}  // namespace velloway::bench
