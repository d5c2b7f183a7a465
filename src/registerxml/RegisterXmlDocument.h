// The register XML document of one import, with its risks indexed by ID so that finding a risk
// does not walk the whole list: a register of many thousand risks is built in linear time.
// Risks may join the list by AppendRisk or AppendClone; they are replaced only by ReplaceRisk,
// and their ID children are never rewritten, so the index always agrees with the tree.
#pragma once

#include <string>
#include <unordered_map>

#include "registerxml/modXMLToolbox.h"

namespace velloway::registerxml {

class RegisterXmlDocument {
 public:
  explicit RegisterXmlDocument(modXMLToolbox::XmlDocument doc) : doc_(std::move(doc)) {}

  xmlDocPtr get() const { return doc_.get(); }
  // The document as a node, for queries that start from the top ("ksrr:Kestrion/...").
  xmlNodePtr node() const { return modXMLToolbox::DocumentNode(doc_.get()); }

  // "ksrr:Kestrion/RiskRegister/Risks", or null.
  xmlNodePtr RiskList() const;
  // What "ksrr:Kestrion/RiskRegister/Risks/Risk[ID='" + id + "']" selects first, or null. Like
  // that query, an ID holding a single quote throws ImportError.
  xmlNodePtr FindRisk(const std::string& id);
  // Appends a deep copy of risk to the risk list; false when there is no list.
  bool AppendRisk(xmlNodePtr risk);
  // Appends a risk made for this document as it is, without a copy.
  bool AppendRisk(modXMLToolbox::XmlNode risk);
  // Puts a deep copy of risk in place of existing, a risk of the list, and frees existing.
  bool ReplaceRisk(xmlNodePtr existing, xmlNodePtr risk);

 private:
  // Takes into the index the risks appended since it last looked, so the list may also grow
  // through AppendClone. Risks leave or change only through ReplaceRisk.
  void CatchUp(xmlNodePtr risks);

  modXMLToolbox::XmlDocument doc_;
  std::unordered_map<std::string, xmlNodePtr> byId_;  // the first risk of each ID, in list order
  xmlNodePtr risksIndexed_ = nullptr;                 // the list the index describes
  xmlNodePtr lastIndexed_ = nullptr;                  // its last child when it was last looked at
};

// The ID of a risk element as the queries see it: the text of its first "ID" child.
std::string RiskIdOf(xmlNodePtr risk);

}  // namespace velloway::registerxml
