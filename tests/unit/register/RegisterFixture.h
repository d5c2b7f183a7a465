// A "2.2" register workbook built in a few lines, imported through the real reader into the
// recording host, with the calls the plan received at hand.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "core/LibraryState.h"
#include "register/RegisterStore.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "support/XlsxBuilder.h"

namespace velloway::test {

class RegisterImport : public ::testing::Test {
 public:
  RegisterImport();

  // Gives the workbook the Options sheet of a blank current template, titled and without
  // scenarios; tests change its cells with Option before Import writes it.
  void OptionsSheet();
  RegisterImport& Option(const std::string& cell, std::variant<std::string, double> value);
  RegisterImport& ClearOption(const std::string& cell);
  // Texts in one row of the sheet last begun, from column A on; "" leaves a cell empty.
  RegisterImport& Row(int row, const std::vector<std::string>& texts);
  // Saves the workbook, points the registry at it and runs one import.
  void Import();

  // The values written under "RR2" in one section, as (key, value) pairs in write order.
  std::vector<std::pair<std::string, std::string>> Section(const std::string& section) const;
  // Every section written, in the order first written.
  std::vector<std::string> Sections() const;
  std::vector<std::string> BoxTexts() const;
  int WriteCount() const;

  TempDir dir;
  FakePlatform fakes;
  LibraryState state{fakes.platform};
  XlsxBuilder book;
  std::map<std::string, std::variant<std::string, double>> optionCells;
  bool withOptions = false;
};

// The fields of a record value; the first is the empty field before the leading TAB.
std::vector<std::string> Fields(const std::string& value);

}  // namespace velloway::test
