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
  if (found == nullptr) ADD_FAILURE() << "no sheet " << sheet;
  return found == nullptr ? std::string() : Read(*found, reference);
}

void ExpectCells(const workbook::Worksheet& sheet, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    const std::size_t eq = entry.find('=');
    EXPECT_EQ(Read(sheet, entry.substr(0, eq)), entry.substr(eq + 1))
        << sheet.Name() << " " << entry;
  }
}

namespace {

std::unique_ptr<workbook::Workbook> OpenWith(
    const std::function<std::unique_ptr<workbook::Workbook>()>& open) {
  try {
    auto book = open();
    book->SetFormat(TestFormat());
    return book;
  } catch (const workbook::WorkbookError& e) {
    ADD_FAILURE() << e.what();
    return std::make_unique<workbook::Workbook>();
  }
}

}  // namespace

std::unique_ptr<workbook::Workbook> Open(const std::string& path) {
  return OpenWith([&] { return workbook::OpenWorkbook(path); });
}

std::unique_ptr<workbook::Workbook> Open(const std::vector<unsigned char>& bytes) {
  return OpenWith([&] { return workbook::OpenWorkbookBytes(bytes); });
}

std::string FailureOf(const std::function<void()>& open) {
  try {
    open();
    return "opened";
  } catch (const workbook::WorkbookError& e) {
    return e.what();
  }
}

std::string OpenFailure(const std::string& path) {
  return FailureOf([&] { workbook::OpenWorkbook(path); });
}

std::string OpenFailure(const std::vector<unsigned char>& bytes) {
  return FailureOf([&] { workbook::OpenWorkbookBytes(bytes); });
}

std::string FirstBadlyRefusedCopy(const std::vector<unsigned char>& bytes) {
  std::vector<std::vector<unsigned char>> copies;
  for (std::size_t cut = 1; cut < 16; ++cut) {
    copies.emplace_back(bytes.begin(),
                        bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() * cut / 16));
  }
  for (std::size_t at = 0; at < bytes.size(); at += 1 + bytes.size() / 47) {
    copies.push_back(bytes);
    copies.back()[at] ^= static_cast<unsigned char>(1u << (at % 8));
  }
  for (const auto& copy : copies) {
    const std::string reason = OpenFailure(copy);
    const bool oneLine = !reason.empty() && reason.find('\n') == std::string::npos;
    if (!oneLine) return reason;
  }
  return {};
}

}  // namespace velloway::test
