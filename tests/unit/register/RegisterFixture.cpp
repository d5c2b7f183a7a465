#include "unit/register/RegisterFixture.h"

#include <algorithm>

#include "control/modSubMain.h"

namespace velloway::test {

RegisterImport::RegisterImport() {
  fakes.host->installFolder = dir.path();
  dir.Write("Kestrion.ini", "[RegPath]\nWorkingKey=Main\n");
  // A day-month locale, so that date cells read as dd/MM/yyyy texts.
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International",
                              "sShortDate", "dd/MM/yyyy");
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal",
                              ".");
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International",
                              "sThousand", ",");
}

void RegisterImport::OptionsSheet() {
  withOptions = true;
  Option("B2", "$").Option("B3", "Harbour Bridge").Option("B4", "2.2");
  const char* performance[] = {"Critical", "Major", "Moderate", "Minor", "Negligible"};
  for (int i = 0; i < 5; ++i) Option("B" + std::to_string(11 + i), performance[i]);
  const std::string columns = "BCDEF";
  for (int i = 0; i < 5; ++i) {
    const std::string c(1, columns[static_cast<std::size_t>(i)]);
    Option(c + "16", "S" + std::to_string(i + 1));
    Option(c + "17", (i + 1) * 0.2);
    Option(c + "26", "C" + std::to_string(i + 1));
  }
  for (int i = 0; i < 25; ++i) Option(std::string(1, static_cast<char>('B' + i)) + "18", i + 1.0);
  Option("B19", 1.0).Option("B20", 1.0).Option("B21", 0.0).Option("B22", 0.5).Option("C22", 1.25);
  Option("B23", 5.0).Option("B24", 5.0).Option("B25", 2.0);
  const double values[] = {9602507, 14871722, 12561751, 5992447, 0, 1, 2, 1, 0, 0};
  for (int i = 0; i < 10; ++i) Option("B" + std::to_string(36 + i), values[i]);
  Option("B56", 0.0);
}

RegisterImport& RegisterImport::Option(const std::string& cell,
                                       std::variant<std::string, double> value) {
  optionCells[cell] = std::move(value);
  return *this;
}

RegisterImport& RegisterImport::ClearOption(const std::string& cell) {
  optionCells.erase(cell);
  return *this;
}

RegisterImport& RegisterImport::Row(int row, const std::vector<std::string>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (!texts[i].empty())
      book.Text(std::string(1, static_cast<char>('A' + i)) + std::to_string(row), texts[i]);
  }
  return *this;
}

void RegisterImport::Import() {
  if (withOptions) {
    book.Sheet("Options");
    for (const auto& [cell, value] : optionCells) {
      if (const auto* text = std::get_if<std::string>(&value)) {
        book.Text(cell, *text);
      } else {
        book.Number(cell, std::get<double>(value));
      }
    }
  }
  const std::string path = book.Save(dir.File("register.xlsx"));
  fakes.registry->WriteString(RegistryHive::CurrentUser,
                              "SOFTWARE\\Kestrion Software\\Main\\RiskRegister", "ExcelImportPath",
                              path);
  modSubMain::Main(state);
}

std::vector<std::pair<std::string, std::string>> RegisterImport::Section(
    const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> values;
  for (const PlanCall& call : fakes.host->plan->calls) {
    if (call.op == "WriteAppValue" && call.tag == "RR2" && call.section == section) {
      values.emplace_back(call.key, call.value);
    }
  }
  return values;
}

std::vector<std::string> RegisterImport::Sections() const {
  std::vector<std::string> sections;
  for (const PlanCall& call : fakes.host->plan->calls) {
    if (call.op == "WriteAppValue" &&
        std::find(sections.begin(), sections.end(), call.section) == sections.end()) {
      sections.push_back(call.section);
    }
  }
  return sections;
}

std::vector<std::string> RegisterImport::BoxTexts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : fakes.ui->boxes) texts.push_back(box.text);
  return texts;
}

int RegisterImport::WriteCount() const {
  return static_cast<int>(std::count_if(fakes.host->plan->calls.begin(),
                                        fakes.host->plan->calls.end(),
                                        [](const PlanCall& c) { return c.op != "SavePlan"; }));
}

std::vector<std::string> Fields(const std::string& value) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = value.find('\t', start);
    fields.push_back(value.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

}  // namespace velloway::test
