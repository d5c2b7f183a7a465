#include "workbook/ZipPackage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <vector>

#include "workbook/WorkbookError.h"

namespace velloway::workbook {
namespace {

// Budget for the whole package: a generous multiple of its size plus room for small files.
constexpr std::uint64_t kBudgetFloor = 64ULL << 20;
constexpr std::uint64_t kBudgetRatio = 100;
constexpr std::uint64_t kBudgetCeiling = 8ULL << 30;
// One part may inflate to this multiple of its packed size once it passes the floor; real
// spreadsheet parts stay far below it, deflate bombs run near the format's limit of ~1000.
constexpr std::uint64_t kPartRatio = 250;
constexpr std::uint64_t kPartFloor = 16ULL << 20;
constexpr std::size_t kChunk = std::size_t{256} * 1024;

struct FileCloser {
  void operator()(zip_file_t* file) const noexcept { zip_fclose(file); }
};

std::uint64_t BudgetFor(std::uint64_t packedSize) {
  return std::min(kBudgetCeiling, kBudgetFloor + kBudgetRatio * packedSize);
}

std::string ErrorText(zip_error_t& error) {
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

}  // namespace

void ZipPackage::Closer::operator()(zip* archive) const noexcept { zip_discard(archive); }

ZipPackage::ZipPackage(std::unique_ptr<zip, Closer> archive, std::shared_ptr<Budget> budget)
    : archive_(std::move(archive)), budget_(std::move(budget)) {}

std::unique_ptr<zip, ZipPackage::Closer> ZipPackage::OpenArchive(const std::string& path) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
  if (archive == nullptr) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    throw Damaged(ErrorText(error));
  }
  return std::unique_ptr<zip, Closer>(archive);
}

std::unique_ptr<zip, ZipPackage::Closer> ZipPackage::OpenArchive(
    std::span<const unsigned char> bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) throw Damaged(ErrorText(error));
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive == nullptr) {
    zip_source_free(source);
    throw Damaged(ErrorText(error));
  }
  zip_error_fini(&error);
  return std::unique_ptr<zip, Closer>(archive);
}

ZipPackage::HeldFile::~HeldFile() {
  if (fd >= 0) ::close(fd);
}

ZipPackage ZipPackage::OpenFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) throw WorkbookError("the file cannot be read");
  auto held = std::make_shared<HeldFile>();
  held->fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ZipPackage package(OpenArchive(path),
                     std::make_shared<Budget>(BudgetFor(static_cast<std::uint64_t>(info.st_size))));
  // Kept only when it is the file the archive was opened from; without it the package is not
  // opened again and its parts are read on one thread.
  struct stat kept {};
  struct stat named {};
  if (held->fd >= 0 && ::fstat(held->fd, &kept) == 0 && ::stat(path.c_str(), &named) == 0 &&
      kept.st_dev == named.st_dev && kept.st_ino == named.st_ino) {
    package.file_ = std::move(held);
  }
  return package;
}

ZipPackage ZipPackage::OpenBytes(std::span<const unsigned char> bytes) {
  ZipPackage package(OpenArchive(bytes), std::make_shared<Budget>(BudgetFor(bytes.size())));
  package.bytes_ = bytes;
  return package;
}

ZipPackage ZipPackage::Reopen() const {
  if (bytes_.data() != nullptr) {
    ZipPackage package(OpenArchive(bytes_), budget_);
    package.bytes_ = bytes_;
    return package;
  }
  if (!file_) throw WorkbookError("the package cannot be opened again");
  ZipPackage package(OpenArchive("/proc/self/fd/" + std::to_string(file_->fd)), budget_);
  package.file_ = file_;
  return package;
}

bool ZipPackage::Spend(std::uint64_t count) {
  std::uint64_t left = budget_->load();
  do {
    if (count > left) return false;
  } while (!budget_->compare_exchange_weak(left, left - count));
  return true;
}

std::int64_t ZipPackage::Locate(const std::string& name) const {
  auto find = [&](const std::string& entry) {
    std::int64_t index = zip_name_locate(archive_.get(), entry.c_str(), 0);
    if (index < 0) index = zip_name_locate(archive_.get(), entry.c_str(), ZIP_FL_NOCASE);
    return index;
  };
  const std::int64_t index = find(name);
  if (index >= 0 || name.find('/') == std::string::npos) return index;
  // Some writers separate the folders of entry names with backslashes; the spreadsheet
  // program reads such a package as if they were slashes.
  std::string windows = name;
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return find(windows);
}

bool ZipPackage::Has(const std::string& name) const { return Locate(name) >= 0; }

std::uint64_t ZipPackage::StatedSize(const std::string& name) const {
  const std::int64_t index = Locate(name);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (index < 0 ||
      zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      (stat.valid & ZIP_STAT_SIZE) == 0) {
    return 0;
  }
  return stat.size;
}

void ZipPackage::Read(const std::string& name, const Sink& sink) {
  const std::int64_t index = Locate(name);
  if (index < 0) throw Damaged(name + " is missing");
  const auto entry = static_cast<zip_uint64_t>(index);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_.get(), entry, 0, &stat) != 0 ||
      (stat.valid & ZIP_STAT_COMP_SIZE) == 0) {
    throw Damaged(name + " cannot be read");
  }
  if (stat.encryption_method != ZIP_EM_NONE) throw Encrypted();
  std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive_.get(), entry, 0));
  if (!file) throw Damaged(name + ": " + zip_error_strerror(zip_get_error(archive_.get())));

  const std::uint64_t partLimit = std::max(kPartFloor, kPartRatio * stat.comp_size);
  std::uint64_t inflated = 0;
  std::vector<char> buffer(kChunk);
  for (;;) {
    const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
    if (got < 0) throw Damaged(name + ": " + zip_error_strerror(zip_file_get_error(file.get())));
    if (got == 0) break;
    const auto count = static_cast<std::uint64_t>(got);
    inflated += count;
    if (inflated > partLimit) {
      throw TooLarge(name + " inflates to more than " + std::to_string(kPartRatio) +
                     " times its packed size");
    }
    if (!Spend(count)) throw TooLarge("the package inflates beyond its budget");
    sink(std::span<const char>(buffer.data(), static_cast<std::size_t>(count)));
  }
}

}  // namespace velloway::workbook
