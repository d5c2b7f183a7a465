// velloway template: a blank workbook of one template version, never over a file by accident.
#include <sys/stat.h>

#include <cstdio>

#include "app/Commands.h"
#include "app/TemplateWorkbook.h"

namespace velloway::app {

int RunTemplate(const TemplateOptions& options) {
  struct stat info {};
  if (!options.force && ::lstat(options.file.c_str(), &info) == 0) {
    std::fprintf(stderr, "velloway: '%s' exists; --force writes over it\n", options.file.c_str());
    return kExitFailed;
  }
  try {
    WriteTemplate(options.file, options.version);
  } catch (const TemplateError& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
    return kExitFailed;
  }
  std::printf("Wrote a blank template %s workbook to %s\n", options.version.c_str(),
              options.file.c_str());
  return kExitOk;
}

}  // namespace velloway::app
