#include "workbook/XlsxSharedStrings.h"

#include "workbook/OoxmlText.h"
#include "workbook/StringPool.h"
#include "workbook/XlsxStringItem.h"
#include "workbook/XmlScanner.h"

namespace velloway::workbook {
namespace {

class SharedStringsHandler : public XmlHandler {
 public:
  explicit SharedStringsHandler(StringPool& pool) : pool_(pool) {}
  void StartElement(const char* name, const XmlAttributes& /*attributes*/) override {
    if (Is(name, "si")) {
      item_.Begin();
    } else {
      item_.Start(name);
    }
  }
  void EndElement(const char* name) override {
    if (Is(name, "si")) {
      pool_.Add(item_.Text());
      ++count_;
    } else {
      item_.End(name);
    }
  }
  void Characters(std::string_view text) override { item_.Characters(text); }
  std::size_t Count() const { return count_; }

 private:
  StringPool& pool_;
  StringItem item_;
  std::size_t count_ = 0;
};

}  // namespace

std::size_t ReadSharedStrings(ZipPackage& package, const std::string& partName, StringPool& pool) {
  SharedStringsHandler handler(pool);
  ScanXmlPart(package, partName, handler);
  return handler.Count();
}

}  // namespace velloway::workbook
