// Writes one text file: opened (emptied or created) by My_Initialize, closed when released.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace velloway {

class clsFile {
 public:
  // Throws ImportError naming the file and the system's reason when it cannot be opened.
  void My_Initialize(const std::string& fileName);
  // Writes the text followed by CR LF; throws when the write fails.
  void WriteMess(const std::string& text);

  std::string strFileName;

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace velloway
