#include "workbook/XlsxStyles.h"

#include <charconv>
#include <map>

#include "workbook/NumberFormat.h"
#include "workbook/XmlStream.h"

namespace velloway::workbook {
namespace {

int ToInt(std::string_view text) {
  int value = -1;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

class StylesHandler : public XmlHandler {
 public:
  void StartElement(const char* name, const XmlAttributes& attributes) override {
    if (Is(name, "numFmt")) {
      const auto id = attributes.Get("numFmtId");
      const auto code = attributes.Get("formatCode");
      if (id && code) custom_[ToInt(*id)] = KindOfFormatCode(*code);
    } else if (Is(name, "cellXfs")) {
      inCellFormats_ = true;
    } else if (Is(name, "xf") && inCellFormats_) {
      const auto id = attributes.Get("numFmtId");
      formatIds_.push_back(id ? ToInt(*id) : 0);
    }
  }
  void EndElement(const char* name) override {
    if (Is(name, "cellXfs")) inCellFormats_ = false;
  }

  std::vector<NumberKind> Kinds() const { return KindsOfFormats(formatIds_, custom_); }

 private:
  std::map<int, NumberKind> custom_;
  std::vector<int> formatIds_;
  bool inCellFormats_ = false;
};

}  // namespace

std::vector<NumberKind> ReadNumberStyles(ZipPackage& package, const std::string& partName) {
  StylesHandler handler;
  ParseXmlPart(package, partName, handler);
  return handler.Kinds();
}

}  // namespace velloway::workbook
