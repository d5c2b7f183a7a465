// Blank workbooks of the two templates, ready to fill by hand and import.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace velloway::app {

// The template versions a blank workbook can be made of.
inline const std::vector<std::string> kTemplateVersions{"2.2", "2.1"};

// Texts of rows to put below a record sheet's header, by sheet name: how tests fill a template.
// A text that is a number is written as a number, "yyyy-mm-dd" as a date.
using SheetRows = std::map<std::string, std::vector<std::vector<std::string>>>;

// The workbook could not be written; what() says why.
class TemplateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes a workbook of the template version (one of kTemplateVersions) to path: every sheet the
// import reads, each with its title and header row, and the "Options" sheet filled with working
// settings; then the rows given.
void WriteTemplate(const std::string& path, const std::string& version, const SheetRows& rows = {});

}  // namespace velloway::app
