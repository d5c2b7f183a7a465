// A zip package opened read-only, whose parts are streamed out in chunks. Every byte inflated
// is counted against a budget set by the package's own size, because the sizes written in the
// zip headers can lie.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

struct zip;

namespace velloway::workbook {

class ZipPackage {
 public:
  using Sink = std::function<void(std::span<const char>)>;

  // Throws WorkbookError when the package cannot be opened.
  static ZipPackage OpenFile(const std::string& path);
  // The bytes must outlive the package.
  static ZipPackage OpenBytes(std::span<const unsigned char> bytes);

  // Finds a part by name without regard to case, as part names are compared.
  bool Has(const std::string& name) const;
  // Streams the part's bytes into sink. Throws WorkbookError when the part is missing, damaged
  // or inflates beyond what its packed size makes believable.
  void Read(const std::string& name, const Sink& sink);

 private:
  struct Closer {
    void operator()(zip* archive) const noexcept;
  };
  ZipPackage(std::unique_ptr<zip, Closer> archive, std::uint64_t packedSize);
  std::int64_t Locate(const std::string& name) const;

  std::unique_ptr<zip, Closer> archive_;
  std::uint64_t budget_;  // bytes that may still be inflated in this package
};

}  // namespace velloway::workbook
