#include "workbook/XlsCompoundFile.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <memory>
#include <mutex>
#include <optional>

#include "workbook/WorkbookError.h"

namespace velloway::workbook {
namespace {

// No workbook stream of the format can be larger than its sheets can hold.
constexpr gsf_off_t kMaxStream = 1LL << 30;

struct Unref {
  void operator()(void* object) const noexcept { g_object_unref(object); }
};
using Input = std::unique_ptr<GsfInput, Unref>;
using Infile = std::unique_ptr<GsfInfile, Unref>;

struct ErrorFree {
  void operator()(GError* error) const noexcept { g_error_free(error); }
};

std::string Message(GError* raw, const char* fallback) {
  const std::unique_ptr<GError, ErrorFree> error(raw);
  return error && error->message != nullptr ? error->message : fallback;
}

void Silent(const gchar* /*domain*/, GLogLevelFlags /*level*/, const gchar* /*message*/,
            gpointer /*data*/) {}

// libgsf reports a damaged compound file on stderr as well as through its results; the
// results are what count here, so its own messages are kept quiet.
void InitializeOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    gsf_init();
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);
    for (const char* domain : {"libgsf", "libgsf:msole", "libgsf:utils"}) {
      g_log_set_handler(domain, levels, Silent, nullptr);
    }
  });
}

std::optional<int> ChildIndex(GsfInfile* root, const char* name) {
  const int count = gsf_infile_num_children(root);
  for (int i = 0; i < count; ++i) {
    const char* child = gsf_infile_name_by_index(root, i);
    if (child != nullptr && g_ascii_strcasecmp(child, name) == 0) return i;
  }
  return std::nullopt;
}

std::vector<std::uint8_t> ReadStream(GsfInput* source) {
  GError* error = nullptr;
  const Infile root(gsf_infile_msole_new(source, &error));
  if (!root) throw Damaged(Message(error, "not a compound file"));
  if (ChildIndex(root.get(), "EncryptedPackage")) throw Encrypted();
  // Excel 5.0 and 95 named the stream "Book"; a file saved for both keeps both, and the
  // newer one is read.
  auto index = ChildIndex(root.get(), "Workbook");
  if (!index) index = ChildIndex(root.get(), "Book");
  if (!index) throw NotAWorkbook("the compound file holds no workbook stream");
  const Input stream(gsf_infile_child_by_index(root.get(), *index));
  if (!stream) throw Damaged("the workbook stream cannot be opened");
  const gsf_off_t size = gsf_input_size(stream.get());
  // A stream's stated size is believed only as far as the file itself could hold it.
  if (size < 0 || size > gsf_input_size(source))
    throw Damaged("the workbook stream's size is wrong");
  if (size > kMaxStream) throw TooLarge("the workbook stream is too large");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (size > 0 && gsf_input_read(stream.get(), bytes.size(), bytes.data()) == nullptr) {
    throw Damaged("the workbook stream cannot be read");
  }
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> ReadWorkbookStreamFromFile(const std::string& path) {
  InitializeOnce();
  GError* error = nullptr;
  const Input input(gsf_input_stdio_new(path.c_str(), &error));
  if (!input) throw WorkbookError("the file cannot be read (" + Message(error, "") + ")");
  return ReadStream(input.get());
}

std::vector<std::uint8_t> ReadWorkbookStreamFromBytes(std::span<const unsigned char> bytes) {
  InitializeOnce();
  const Input input(
      gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE));
  if (!input) throw Damaged("the compound file cannot be read");
  return ReadStream(input.get());
}

}  // namespace velloway::workbook
