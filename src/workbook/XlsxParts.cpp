#include "workbook/XlsxParts.h"

#include <algorithm>

#include "workbook/OoxmlText.h"
#include "workbook/WorkbookError.h"
#include "workbook/XmlStream.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

class RelationshipsHandler : public XmlHandler {
 public:
  RelationshipsHandler(const std::string& source, std::vector<Relationship>& out)
      : source_(source), out_(out) {}
  void StartElement(const char* name, const XmlAttributes& attributes) override {
    if (!Is(name, "Relationship")) return;
    const auto id = attributes.Get("Id");
    const auto type = attributes.Get("Type");
    const auto target = attributes.Get("Target");
    if (!id || !type || !target) return;
    const auto mode = attributes.Get("TargetMode");
    const bool external = mode && *mode == "External";
    out_.push_back(Relationship{std::string(*id), std::string(*type),
                                external ? std::string() : ResolvePartName(source_, *target)});
  }

 private:
  const std::string& source_;
  std::vector<Relationship>& out_;
};

bool IsTrue(std::string_view value) { return value == "1" || value == "true"; }

class WorkbookHandler : public XmlHandler {
 public:
  explicit WorkbookHandler(WorkbookPart& out) : out_(out) {}
  void StartElement(const char* name, const XmlAttributes& attributes) override {
    if (!rootSeen_) {
      rootSeen_ = true;
      if (!Is(name, "workbook")) throw NotAWorkbook("the package holds no workbook");
    }
    if (Is(name, "workbookPr")) {
      if (const auto value = attributes.Get("date1904"); value && IsTrue(*value)) {
        out_.dates = DateSystem::From1904;
      }
    } else if (Is(name, "sheet")) {
      const auto sheetName = attributes.Get("name");
      const auto id = attributes.GetQualified("id");
      if (!sheetName || !id) throw Damaged("a sheet of the workbook has no name or no part");
      out_.sheets.push_back(SheetEntry{std::string(*sheetName), std::string(*id)});
    }
  }

 private:
  WorkbookPart& out_;
  bool rootSeen_ = false;
};

}  // namespace

std::vector<Relationship> ReadRelationships(ZipPackage& package, const std::string& sourcePart) {
  std::vector<Relationship> relationships;
  const std::string partName = RelationshipsPartOf(sourcePart);
  if (!package.Has(partName)) return relationships;
  RelationshipsHandler handler(sourcePart, relationships);
  ParseXmlPart(package, partName, handler);
  return relationships;
}

bool IsOfType(const Relationship& relationship, std::string_view kind) {
  const std::string_view type = relationship.type;
  return type.size() > kind.size() && type.substr(type.size() - kind.size()) == kind &&
         type[type.size() - kind.size() - 1] == '/';
}

const Relationship* FindOfType(const std::vector<Relationship>& relationships,
                               std::string_view kind) {
  const auto it = std::find_if(relationships.begin(), relationships.end(),
                               [&](const Relationship& r) { return IsOfType(r, kind); });
  return it == relationships.end() || it->part.empty() ? nullptr : &*it;
}

const Relationship* WorksheetOf(const SheetEntry& entry,
                                const std::vector<Relationship>& relationships) {
  const auto it = std::find_if(relationships.begin(), relationships.end(),
                               [&](const Relationship& r) { return r.id == entry.relationshipId; });
  if (it == relationships.end() || it->part.empty()) {
    throw Damaged("the part of sheet '" + entry.name + "' is not named");
  }
  return IsOfType(*it, "worksheet") ? &*it : nullptr;
}

WorkbookPart ReadWorkbookPart(ZipPackage& package, const std::string& partName) {
  WorkbookPart part;
  WorkbookHandler handler(part);
  ParseXmlPart(package, partName, handler);
  return part;
}

}  // namespace velloway::workbook
