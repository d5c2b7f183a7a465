#include "workbook/Workbook.h"

#include <libxml/parser.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "workbook/BiffRecords.h"
#include "workbook/OdsReader.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsReader.h"
#include "workbook/XlsxReader.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

constexpr std::array<unsigned char, 4> kZipSignature = {'P', 'K', 3, 4};
constexpr std::array<unsigned char, 8> kCompoundSignature = {0xD0, 0xCF, 0x11, 0xE0,
                                                             0xA1, 0xB1, 0x1A, 0xE1};

enum class FileKind { Package, CompoundFile };

FileKind KindOf(std::span<const unsigned char> head) {
  if (head.size() >= kZipSignature.size() &&
      std::equal(kZipSignature.begin(), kZipSignature.end(), head.begin())) {
    return FileKind::Package;
  }
  if (head.size() >= kCompoundSignature.size() &&
      std::equal(kCompoundSignature.begin(), kCompoundSignature.end(), head.begin())) {
    return FileKind::CompoundFile;
  }
  // Excel 2.x to 4.x saved a bare record stream, starting with its BOF record.
  if (head.size() >= 4 && head[3] == 0) {
    if (const char* older = OlderFormatName(static_cast<std::uint16_t>(head[0] | head[1] << 8))) {
      throw OlderFormat(older);
    }
  }
  throw NotAWorkbook(head.empty() ? "the file is empty" : "no zip or compound file signature");
}

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

[[noreturn]] void Unreadable(const char* why) {
  throw WorkbookError(std::string("the file cannot be read (") + why + ")");
}

// The first bytes of the file. Only a regular file is read: a pipe or a device could keep
// the reader waiting for ever.
std::vector<unsigned char> FileHead(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) Unreadable(std::strerror(errno));
  if (S_ISDIR(info.st_mode)) Unreadable(std::strerror(EISDIR));
  if (!S_ISREG(info.st_mode)) Unreadable("not a regular file");
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) Unreadable(std::strerror(errno));
  std::vector<unsigned char> head(kCompoundSignature.size());
  head.resize(std::fread(head.data(), 1, head.size(), file.get()));
  if (std::ferror(file.get()) != 0) Unreadable(std::strerror(errno));
  return head;
}

// A zip package is an OpenDocument spreadsheet or an Office Open XML workbook; an
// OpenDocument package may lack its mimetype entry, but never has the other's relationships.
void ReadPackage(ZipPackage& package, Workbook& workbook) {
  if (IsOpenDocumentSpreadsheet(package) ||
      (!package.Has("_rels/.rels") && package.Has("content.xml"))) {
    ReadOds(package, workbook);
  } else {
    ReadXlsx(package, workbook);
  }
}

}  // namespace

const Worksheet* Workbook::FindSheet(const std::string& name) const {
  const auto it = std::find_if(sheets_.begin(), sheets_.end(),
                               [&](const Worksheet& sheet) { return sheet.Name() == name; });
  return it == sheets_.end() ? nullptr : &*it;
}

void Workbook::ReleaseCells(const Worksheet* sheet) {
  for (Worksheet& own : sheets_) {
    if (&own == sheet) own.ReleaseCells();
  }
}

std::unique_ptr<Workbook> OpenWorkbook(const std::string& path) {
  auto workbook = std::make_unique<Workbook>();
  if (KindOf(FileHead(path)) == FileKind::Package) {
    ZipPackage package = ZipPackage::OpenFile(path);
    ReadPackage(package, *workbook);
  } else {
    ReadXlsFile(path, *workbook);
  }
  return workbook;
}

std::unique_ptr<Workbook> OpenWorkbookBytes(std::span<const unsigned char> bytes) {
  auto workbook = std::make_unique<Workbook>();
  if (KindOf(bytes.first(std::min(bytes.size(), kCompoundSignature.size()))) == FileKind::Package) {
    ZipPackage package = ZipPackage::OpenBytes(bytes);
    ReadPackage(package, *workbook);
  } else {
    ReadXlsBytes(bytes, *workbook);
  }
  return workbook;
}

bool StartReaders() noexcept {
  xmlInitParser();
  return true;
}

}  // namespace velloway::workbook
