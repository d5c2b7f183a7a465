// The one exception the readers throw: why a workbook cannot be opened, in a few words that
// follow "cannot open workbook 'PATH': " (e.g. "damaged package: xl/workbook.xml is missing").
#pragma once

#include <stdexcept>
#include <string>

namespace velloway::workbook {

class WorkbookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The reasons a diagnostic starts with, so that users see one of a few plain words first.
inline WorkbookError NotAWorkbook(const std::string& detail) {
  return WorkbookError("not a workbook (" + detail + ")");
}
inline WorkbookError Damaged(const std::string& detail) {
  return WorkbookError("damaged package: " + detail);
}
inline WorkbookError Encrypted() { return WorkbookError("encrypted workbook"); }
inline WorkbookError TooLarge(const std::string& detail) {
  return WorkbookError("too large: " + detail);
}

}  // namespace velloway::workbook
