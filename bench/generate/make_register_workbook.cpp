// Writes a generated register workbook:
//   make_register_workbook 2.2|2.1 RISKS OUTPUT.xlsx [inline]
// 2.2 is the current template, 2.1 the older one; "inline" puts the texts in the cells instead
// of the shared-string table.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "RegisterWorkbook.h"

int main(int argc, char** argv) {
  using velloway::bench::StringForm;
  using velloway::bench::TemplateKind;
  const std::string version = argc > 1 ? argv[1] : "";
  if ((argc != 4 && argc != 5) || (version != "2.2" && version != "2.1") ||
      (argc == 5 && std::string(argv[4]) != "inline") || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: %s 2.2|2.1 RISKS OUTPUT.xlsx [inline]\n", argv[0]);
    return 2;
  }
  const velloway::bench::RegisterShape shape{
      version == "2.2" ? TemplateKind::Current : TemplateKind::Older, std::atoi(argv[2]),
      argc == 5 ? StringForm::Inline : StringForm::Shared};
  try {
    velloway::bench::WriteRegisterWorkbook(argv[3], shape);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
