// A zip package opened read-only, whose parts are streamed out in chunks. Every byte inflated
// is counted against a budget set by the package's own size, because the sizes written in the
// zip headers can lie.
#pragma once

#include <atomic>
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

  // The same package opened once more, for another thread: libzip serves one thread per
  // opening. Both openings draw on one budget. Throws WorkbookError as the first opening did.
  ZipPackage Reopen() const;

  // Finds a part by name without regard to case, as part names are compared.
  bool Has(const std::string& name) const;
  // What the part's header says it inflates to (0 when missing); a hint only, as it may lie.
  std::uint64_t StatedSize(const std::string& name) const;
  // Streams the part's bytes into sink. Throws WorkbookError when the part is missing, damaged
  // or inflates beyond what its packed size makes believable.
  void Read(const std::string& name, const Sink& sink);

 private:
  struct Closer {
    void operator()(zip* archive) const noexcept;
  };
  using Budget = std::atomic<std::uint64_t>;  // bytes that may still be inflated
  ZipPackage(std::unique_ptr<zip, Closer> archive, std::shared_ptr<Budget> budget);
  static std::unique_ptr<zip, Closer> OpenArchive(const std::string& path);
  static std::unique_ptr<zip, Closer> OpenArchive(std::span<const unsigned char> bytes);
  std::int64_t Locate(const std::string& name) const;
  bool Spend(std::uint64_t count);

  std::unique_ptr<zip, Closer> archive_;
  std::shared_ptr<Budget> budget_;
  // The file, held open so that another opening reads the very file the first one read even
  // when its name is given to another file meanwhile; null for bytes in memory.
  struct HeldFile {
    int fd = -1;
    ~HeldFile();
  };
  std::shared_ptr<const HeldFile> file_;
  std::span<const unsigned char> bytes_;  // the bytes opened, when not a file
};

}  // namespace velloway::workbook
