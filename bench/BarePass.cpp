#include "BarePass.h"

#include <libxml/parser.h>
#include <zip.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace velloway::bench {
namespace {

struct Archive {
  explicit Archive(const std::string& path) {
    int error = 0;
    handle = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (handle == nullptr) throw std::runtime_error("cannot open " + path);
  }
  ~Archive() { zip_discard(handle); }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;
  zip_t* handle;
};

template <typename Sink>
std::size_t ReadEntry(zip_t* archive, zip_uint64_t index, Sink sink) {
  zip_file_t* file = zip_fopen_index(archive, index, 0);
  if (file == nullptr) throw std::runtime_error("cannot open an entry");
  std::vector<char> buffer(std::size_t{256} * 1024);
  std::size_t total = 0;
  for (zip_int64_t got; (got = zip_fread(file, buffer.data(), buffer.size())) > 0;) {
    total += static_cast<std::size_t>(got);
    sink(buffer.data(), static_cast<int>(got));
  }
  zip_fclose(file);
  return total;
}

// What the bare pass keeps: strings of the shared-string table and every cell's value text,
// inline texts included.
struct Kept {
  std::vector<std::string> shared;
  std::vector<std::string> values;
  std::string text;
  bool inText = false;
  bool inValue = false;
};

void Start(void* user, const xmlChar* name, const xmlChar*, const xmlChar*, int, const xmlChar**,
           int, int, const xmlChar**) {
  auto& kept = *static_cast<Kept*>(user);
  const char* n = reinterpret_cast<const char*>(name);
  if (std::strcmp(n, "v") == 0) {
    kept.inValue = true;
    kept.text.clear();
  } else if (std::strcmp(n, "t") == 0) {
    kept.inText = true;
  } else if (std::strcmp(n, "si") == 0 || std::strcmp(n, "is") == 0) {
    kept.text.clear();
  }
}

void End(void* user, const xmlChar* name, const xmlChar*, const xmlChar*) {
  auto& kept = *static_cast<Kept*>(user);
  const char* n = reinterpret_cast<const char*>(name);
  if (std::strcmp(n, "v") == 0) {
    kept.inValue = false;
    kept.values.push_back(kept.text);
  } else if (std::strcmp(n, "t") == 0) {
    kept.inText = false;
  } else if (std::strcmp(n, "si") == 0) {
    kept.shared.push_back(kept.text);
  } else if (std::strcmp(n, "is") == 0) {
    kept.values.push_back(kept.text);
  }
}

void Characters(void* user, const xmlChar* text, int length) {
  auto& kept = *static_cast<Kept*>(user);
  if (kept.inValue || kept.inText) {
    kept.text.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
  }
}

}  // namespace

std::size_t InflateOnly(const std::string& path) {
  Archive archive(path);
  std::size_t total = 0;
  const zip_int64_t count = zip_get_num_entries(archive.handle, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    total += ReadEntry(archive.handle, static_cast<zip_uint64_t>(i), [](const char*, int) {});
  }
  return total;
}

std::size_t BareSax2Pass(const std::string& path) {
  Archive archive(path);
  xmlSAXHandler sax{};
  sax.initialized = XML_SAX2_MAGIC;
  sax.startElementNs = Start;
  sax.endElementNs = End;
  sax.characters = Characters;
  Kept kept;
  const zip_int64_t count = zip_get_num_entries(archive.handle, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const std::string name = zip_get_name(archive.handle, static_cast<zip_uint64_t>(i), 0);
    if (name.rfind("xl/worksheets/", 0) != 0 && name != "xl/sharedStrings.xml") continue;
    xmlParserCtxtPtr context = xmlCreatePushParserCtxt(&sax, &kept, nullptr, 0, name.c_str());
    ReadEntry(archive.handle, static_cast<zip_uint64_t>(i),
              [&](const char* data, int size) { xmlParseChunk(context, data, size, 0); });
    xmlParseChunk(context, nullptr, 0, 1);
    xmlFreeParserCtxt(context);
  }
  return kept.shared.size() + kept.values.size();
}

}  // namespace velloway::bench
