#include "registerxml/RegisterXmlDocument.h"

#include <cstring>

#include "core/ImportError.h"

namespace velloway::registerxml {
namespace {

bool IsPlainElement(xmlNodePtr node, const char* name) {
  return node->type == XML_ELEMENT_NODE && node->ns == nullptr &&
         std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

}  // namespace

std::string RiskIdOf(xmlNodePtr risk) {
  for (xmlNodePtr child = risk->children; child != nullptr; child = child->next) {
    if (IsPlainElement(child, "ID")) return modXMLToolbox::NodeText(child);
  }
  return {};
}

xmlNodePtr RegisterXmlDocument::RiskList() const {
  return modXMLToolbox::SelectSingleNode(node(),
                                         std::string(modXMLToolbox::kRiskRegisterPath) + "/Risks");
}

void RegisterXmlDocument::CatchUp(xmlNodePtr risks) {
  if (risks != risksIndexed_) {
    byId_.clear();
    risksIndexed_ = risks;
    lastIndexed_ = nullptr;
  }
  if (risks == nullptr || risks->last == lastIndexed_) return;
  xmlNodePtr next = lastIndexed_ != nullptr ? lastIndexed_->next : risks->children;
  for (; next != nullptr; next = next->next) {
    if (IsPlainElement(next, "Risk")) byId_.emplace(RiskIdOf(next), next);
  }
  lastIndexed_ = risks->last;
}

xmlNodePtr RegisterXmlDocument::FindRisk(const std::string& id) {
  if (id.find('\'') != std::string::npos) {
    throw ImportError("the query for a risk is not valid: its ID holds a single quote", id);
  }
  CatchUp(RiskList());
  const auto found = byId_.find(id);
  return found != byId_.end() ? found->second : nullptr;
}

bool RegisterXmlDocument::AppendRisk(xmlNodePtr risk) {
  return modXMLToolbox::AppendClone(RiskList(), risk);
}

bool RegisterXmlDocument::ReplaceRisk(xmlNodePtr existing, xmlNodePtr risk) {
  if (existing == nullptr || risk == nullptr || existing->parent == nullptr) return false;
  CatchUp(RiskList());
  // Everything about existing is read now: it is freed by the replacement.
  xmlNodePtr parent = existing->parent;
  xmlNodePtr before = existing->prev;
  const bool wasLast = existing == lastIndexed_;
  const std::string oldId = RiskIdOf(existing);
  const auto indexed = byId_.find(oldId);
  const bool firstOfItsId = indexed != byId_.end() && indexed->second == existing;
  if (!modXMLToolbox::ReplaceXmlNode(existing, risk)) return false;
  xmlNodePtr copy = before != nullptr ? before->next : parent->children;
  if (wasLast) lastIndexed_ = copy;
  if (firstOfItsId && RiskIdOf(copy) == oldId) {
    indexed->second = copy;
  } else {
    // Another ID, or a later duplicate: the index is rebuilt from the list as it now stands.
    risksIndexed_ = nullptr;
  }
  return true;
}

}  // namespace velloway::registerxml
