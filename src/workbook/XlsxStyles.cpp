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
      if (id && code) customDate_[ToInt(*id)] = IsDateTimeFormatCode(*code);
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

  std::vector<bool> DateStyles() const {
    std::vector<bool> dates;
    dates.reserve(formatIds_.size());
    for (const int id : formatIds_) {
      // A code the file gives overrides the built-in meaning of its id.
      const auto custom = customDate_.find(id);
      dates.push_back(custom != customDate_.end() ? custom->second : IsBuiltInDateTimeFormat(id));
    }
    return dates;
  }

 private:
  std::map<int, bool> customDate_;
  std::vector<int> formatIds_;
  bool inCellFormats_ = false;
};

}  // namespace

std::vector<bool> ReadDateStyles(ZipPackage& package, const std::string& partName) {
  StylesHandler handler;
  ParseXmlPart(package, partName, handler);
  return handler.DateStyles();
}

}  // namespace velloway::workbook
