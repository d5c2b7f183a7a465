// The one exception type of the import: what went wrong, and where when that is known (a file,
// a sheet and cell such as "Qualitative Risks!H7", a record ID).
#pragma once

#include <stdexcept>
#include <string>

namespace velloway {

class ImportError : public std::runtime_error {
 public:
  explicit ImportError(const std::string& what, std::string where = {})
      : std::runtime_error(where.empty() ? what : where + ": " + what), where_(std::move(where)) {}
  const std::string& where() const { return where_; }

 private:
  std::string where_;
};

// A text that does not convert to the type asked for ("Type mismatch").
class ConversionError : public ImportError {
 public:
  using ImportError::ImportError;
};

}  // namespace velloway
