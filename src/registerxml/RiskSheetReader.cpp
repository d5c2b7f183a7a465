#include "registerxml/RiskSheetReader.h"

#include "registerxml/LayoutColumns.h"
#include "registerxml/RecordSheetRows.h"
#include "registerxml/RegisterXmlAccess.h"

namespace velloway::registerxml {
namespace {

constexpr std::int32_t kNameRow = 2;  // the names of the impact and user field columns

bool IsPlainElement(xmlNodePtr node, const char* name) {
  return node != nullptr && node->type == XML_ELEMENT_NODE && node->ns == nullptr &&
         xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

// What "//UserFieldDefinitions/UserFieldDefinition" selects, in document order: a walk through
// the tree costs a fraction of the query, which the register's risks make large.
modXMLToolbox::XmlNodeList UserFieldDefinitionNodes(xmlDocPtr doc) {
  modXMLToolbox::XmlNodeList found;
  xmlNodePtr node = xmlDocGetRootElement(doc);
  while (node != nullptr) {
    if (IsPlainElement(node, "UserFieldDefinition") &&
        IsPlainElement(node->parent, "UserFieldDefinitions")) {
      found.push_back(node);
    }
    if (node->type == XML_ELEMENT_NODE && node->children != nullptr) {
      node = node->children;
      continue;
    }
    while (node != nullptr && node->next == nullptr) {
      node = node->parent;
      if (node != nullptr && node->type == XML_DOCUMENT_NODE) node = nullptr;
    }
    if (node != nullptr) node = node->next;
  }
  return found;
}

}  // namespace

RiskSheetReader::RiskSheetReader(LibraryState& state, const workbook::Worksheet* sheet,
                                 bool bHistory)
    : state_(state),
      sheet_(sheet),
      history_(bHistory),
      preScore_(LayoutColumn(state, Layout::PreScore)),
      postScore_(LayoutColumn(state, Layout::PostScore)),
      lastUserField_(LayoutColumn(state, Layout::LastUserField)) {}

void RiskSheetReader::Fill(clsXmlRisk& risk, std::int32_t row) {
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet_, row, column); };
  const auto number = [&](std::int32_t column) { return CellNumber(state_, sheet_, row, column); };
  const std::int32_t response = preScore_ + 1;
  const std::int32_t details = postScore_ + 1;
  const std::int32_t preProbability = LayoutColumn(state_, Layout::PreProbability);
  const std::int32_t postProbability = LayoutColumn(state_, Layout::PostProbability);

  risk.m_strType = text(2);
  risk.m_strTitle = text(3);
  risk.m_strManageability = text(details + 6);
  risk.m_strCurProb = text(preProbability);
  risk.m_dblCurScore = number(preScore_);
  FillImpacts(risk.m_colCurImpacts, row, preProbability, preScore_);
  risk.m_strTarprob = text(postProbability);
  risk.m_dblTarScore = number(postScore_);
  FillImpacts(risk.m_colTarImpacts, row, postProbability, postScore_);
  risk.m_strResponse = text(response);
  risk.m_strResponTitle = text(response + 1);
  risk.m_dblResponCost = number(response + 2);
  risk.m_strOwner = text(details);
  risk.m_strDescription = text(details + 2);
  risk.m_strCause = text(details + 1);
  risk.m_strEffect = text(details + 3);
  risk.m_strRBS = text(details + 4);
  risk.m_strStatus = text(details + 5);
  risk.m_strProximity = text(details + 7);
  // An empty cell leaves a risk quantifiable and quantified.
  risk.m_bQuantifiable = CellFlag(state_, sheet_, row, details + 11, true);
  risk.m_bQuantified = CellFlag(state_, sheet_, row, details + 12, true);
  if (history_) {
    risk.m_strAuditDate = text(lastUserField_ + 1);
  } else {
    risk.m_strFallback = text(lastUserField_ + 1);
  }
  risk.m_strStartDate = text(details + 8);
  risk.m_strEndDate = text(details + 9);
  risk.m_dblExpos = number(details + 10);
  FillUserFields(risk.m_colUserfields, row);
}

void RiskSheetReader::FillImpacts(clsXmlImpacts& impacts, std::int32_t row, std::int32_t after,
                                  std::int32_t before) const {
  for (std::int32_t column = after + 1; column < before; ++column) {
    impacts.Add({workbook::GetCellText(sheet_, kNameRow, column),
                 workbook::GetCellText(sheet_, row, column)});
  }
}

void RiskSheetReader::FillUserFields(clsXMLUserfields& userfields, std::int32_t row) {
  const std::int32_t first = LayoutColumn(state_, Layout::FirstUserField);
  for (std::int32_t column = first; column <= lastUserField_; ++column) {
    clsXmlUserfield field;
    field.m_strName = workbook::GetCellText(sheet_, kNameRow, column);
    if (const auto found = Definitions().find(field.m_strName); found != Definitions().end()) {
      field.m_strID = found->second.first;
      field.m_strType = found->second.second;
    }
    field.m_strValue = workbook::GetCellText(sheet_, row, column);
    userfields.Add(std::move(field));
  }
}

const std::map<std::string, std::pair<std::string, std::string>>& RiskSheetReader::Definitions() {
  if (definitions_) return *definitions_;
  // The definitions stay as they are while the sheet is read, so they are gathered once.
  using modXMLToolbox::GetXmlNodeText;
  definitions_.emplace();
  for (xmlNodePtr definition : UserFieldDefinitionNodes(TheDocument(state_).get())) {
    (*definitions_)[GetXmlNodeText(definition, "Name")] = {GetXmlNodeText(definition, "@ID"),
                                                           GetXmlNodeText(definition, "Type")};
  }
  return *definitions_;
}

}  // namespace velloway::registerxml
