// What the sheets of each template hold: the record sheets' columns and the "Options" sheet's
// cells, as a blank workbook of that template carries them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velloway::app {

// Row 1 holds the sheet's title, row 2 the header; the import finds the header as the first row
// from row 2 down with a key, and the data below it.
inline constexpr int kHeaderRow = 2;
inline constexpr int kFirstDataRow = 3;
// Drop-down lists reach this far down.
inline constexpr int kLastValidatedRow = 2000;

enum class ColumnKind { Text, Number, Date, Flag };

struct Column {
  const char* header;
  double width;
  ColumnKind kind = ColumnKind::Text;
  const char* list = nullptr;  // comma-separated fixed values, or none
};

struct RecordSheet {
  const char* name;
  std::vector<Column> columns;
};

// One cell of the "Options" sheet: a label, a setting's text or number, or an XML fragment.
struct OptionCell {
  std::string cell;
  std::string text;
  std::optional<double> number;
  bool fragment = false;
};

struct TemplateLayout {
  std::vector<OptionCell> options;
  std::vector<RecordSheet> sheets;
};

// The layout of template version "2.2" or "2.1"; null for any other.
const TemplateLayout* FindTemplateLayout(const std::string& version);

}  // namespace velloway::app
