#include "WorkbookTestSupport.h"

#include <gtest/gtest.h>

#include "workbook/OoxmlText.h"
#include "workbook/WorkbookError.h"

namespace velloway::test {

std::string Read(const workbook::Worksheet& sheet, const std::string& reference) {
  std::uint32_t row = 0;
  std::uint16_t column = 0;
  if (!workbook::ParseCellReference(reference, row, column)) {
    ADD_FAILURE() << "bad reference " << reference;
    return {};
  }
  return workbook::CellText(sheet.Cell(row, column), sheet.Owner().Format());
}

std::string Read(const workbook::Workbook& book, const std::string& sheet,
                 const std::string& reference) {
  const workbook::Worksheet* found = book.FindSheet(sheet);
  if (found == nullptr) {
    ADD_FAILURE() << "no sheet " << sheet;
    return {};
  }
  return Read(*found, reference);
}

std::unique_ptr<workbook::Workbook> Open(const std::string& path) {
  try {
    auto book = workbook::OpenWorkbook(path);
    book->SetFormat(TestFormat());
    return book;
  } catch (const workbook::WorkbookError& e) {
    ADD_FAILURE() << path << ": " << e.what();
    return std::make_unique<workbook::Workbook>();
  }
}

std::string OpenFailure(const std::string& path) {
  try {
    workbook::OpenWorkbook(path);
    return "opened";
  } catch (const workbook::WorkbookError& e) {
    return e.what();
  }
}

std::string OpenFailure(const std::vector<unsigned char>& bytes) {
  try {
    workbook::OpenWorkbookBytes(bytes);
    return "opened";
  } catch (const workbook::WorkbookError& e) {
    return e.what();
  }
}

}  // namespace velloway::test
