// Streams one XML part of a package through libxml2's SAX2 parser into a handler, chunk by
// chunk, so no part is ever held whole in memory nor built into a tree. A document type
// declaration ends the parse as damage: package parts never carry one, and refusing it means
// entities are never declared, expanded or fetched.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace velloway::workbook {

class ZipPackage;

// The attributes of one start tag, as libxml2 hands them over (five pointers each:
// local name, prefix, namespace, value start, value end).
class XmlAttributes {
 public:
  XmlAttributes(const unsigned char** raw, int count) : raw_(raw), count_(count) {}
  int Count() const { return count_; }
  const char* Name(int i) const { return reinterpret_cast<const char*>(Field(i, 0)); }
  std::string_view Value(int i) const {
    return std::string_view(reinterpret_cast<const char*>(Field(i, 3)),
                            static_cast<std::size_t>(Field(i, 4) - Field(i, 3)));
  }
  bool Qualified(int i) const { return Field(i, 2) != nullptr; }
  // The namespace URI of an attribute; empty when it has none.
  std::string_view Namespace(int i) const {
    const auto* uri = reinterpret_cast<const char*>(Field(i, 2));
    return uri == nullptr ? std::string_view() : std::string_view(uri);
  }

  // The value of the attribute with this local name and no namespace.
  std::optional<std::string_view> Get(const char* localName) const {
    return Find(localName, false);
  }
  // The value of the attribute with this local name in any namespace (e.g. r:id).
  std::optional<std::string_view> GetQualified(const char* localName) const {
    return Find(localName, true);
  }

 private:
  std::optional<std::string_view> Find(const char* localName, bool qualified) const {
    for (int i = 0; i < count_; ++i) {
      if (Qualified(i) == qualified && std::strcmp(Name(i), localName) == 0) return Value(i);
    }
    return std::nullopt;
  }
  const unsigned char* Field(int i, int field) const {
    return raw_[static_cast<std::size_t>(i) * 5 + static_cast<std::size_t>(field)];
  }
  const unsigned char** raw_;
  int count_;
};

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  // Names are local names; elements of every namespace arrive, so both the transitional and
  // the strict namespaces of the format read alike. Handlers may throw.
  virtual void StartElement(const char* name, const XmlAttributes& attributes) = 0;
  virtual void EndElement(const char* /*name*/) {}
  virtual void Characters(std::string_view /*text*/) {}
};

// Parses the named part into the handler. Throws WorkbookError when the part is missing,
// not well-formed, carries a document type declaration, or when the handler throws one.
void ParseXmlPart(ZipPackage& package, const std::string& partName, XmlHandler& handler);

// Equality of a local name from the parser with a literal.
inline bool Is(const char* name, const char* literal) { return std::strcmp(name, literal) == 0; }

}  // namespace velloway::workbook
