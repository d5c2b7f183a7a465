// The import in windows lives in a module of its own, which the command loads only for
// `import --gui`: the desktop front end brings GTK and some eighty shared libraries, and linking
// them into the command would make every run of every command pay for loading them. The module
// is built and installed with the command; between the two is this one C function, so no C++
// type or exception crosses.
#pragma once

extern "C" {

struct VellowayWindowedImport {
  const char* workbook;  // absolute
  const char* plan;
  const char* installDir;
  int answer;  // the answer to every question: 1 yes, 0 no, -1 ask the user
  int quiet;   // nonzero: no summary on stdout
};

// Runs the import with its form and boxes as windows; returns the command's exit status. The
// module defines it; the command looks it up by name.
int velloway_import_in_windows(const VellowayWindowedImport* import);
typedef int (*VellowayImportInWindows)(const VellowayWindowedImport* import);

}  // extern "C"

inline constexpr const char* kWindowedImportEntry = "velloway_import_in_windows";
