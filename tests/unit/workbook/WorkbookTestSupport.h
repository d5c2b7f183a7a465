// Shared helpers of the workbook tests: the text a cell reads as, under fixed patterns.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "workbook/CellText.h"
#include "workbook/Workbook.h"

namespace velloway::test {

// "dd/MM/yyyy" and "HH:mm:ss" with "." as the separator: what the tests' expectations assume.
inline workbook::TextFormat TestFormat() {
  return workbook::TextFormat{".", {"dd/MM/yyyy", "HH:mm:ss"}};
}

// The text of a cell given by its A1 reference, as the cell reader would give it.
std::string Read(const workbook::Worksheet& sheet, const std::string& reference);
std::string Read(const workbook::Workbook& book, const std::string& sheet,
                 const std::string& reference);

// Checks "A1=text" for each entry: what the cell of the sheet reads as.
void ExpectCells(const workbook::Worksheet& sheet, const std::vector<std::string>& entries);

// Opens a workbook and sets the test format; fails the test when it cannot be opened.
std::unique_ptr<workbook::Workbook> Open(const std::string& path);
std::unique_ptr<workbook::Workbook> Open(const std::vector<unsigned char>& bytes);

// Copies of a workbook cut short and with single bits flipped, each opened: every one must
// open or be refused with a one-line reason. Returns the first that is neither.
std::string FirstBadlyRefusedCopy(const std::vector<unsigned char>& bytes);

// The reason a workbook cannot be opened, or "opened" when it can.
std::string FailureOf(const std::function<void()>& open);
std::string OpenFailure(const std::string& path);
std::string OpenFailure(const std::vector<unsigned char>& bytes);

}  // namespace velloway::test
