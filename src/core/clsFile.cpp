#include "core/clsFile.h"

#include <cerrno>
#include <cstring>

#include "core/ImportError.h"

namespace velloway {

void clsFile::My_Initialize(const std::string& fileName) {
  strFileName = fileName;
  file_.reset(std::fopen(fileName.c_str(), "wb"));
  if (!file_) throw ImportError(std::string("cannot open file: ") + std::strerror(errno), fileName);
}

void clsFile::WriteMess(const std::string& text) {
  if (!file_) throw ImportError("file is not open", strFileName);
  const std::string line = text + "\r\n";
  if (std::fwrite(line.data(), 1, line.size(), file_.get()) != line.size() ||
      std::fflush(file_.get()) != 0) {
    throw ImportError(std::string("cannot write file: ") + std::strerror(errno), strFileName);
  }
}

}  // namespace velloway
