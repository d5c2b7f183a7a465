#include "unit/register/RegisterFixture.h"

#include <algorithm>

#include "app/TemplateLayout.h"
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
  for (const app::OptionCell& cell : app::FindTemplateLayout("2.2")->options) {
    if (cell.number) {
      Option(cell.cell, *cell.number);
    } else {
      Option(cell.cell, cell.text);
    }
  }
  // Without scenarios; the tests that want them name them.
  Option("B3", "Harbour Bridge").Option("B56", 0.0).ClearOption("B57").ClearOption("B59");
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
