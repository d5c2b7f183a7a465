// What the register XML tests share: a library state on fakes, a register document with a PID
// section, an installed schema, and readers of element shapes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "control/WorkbookConnection.h"
#include "core/LibraryState.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "registerxml/modXMLToolbox.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace velloway::test {

using Strings = std::vector<std::string>;

inline std::string Level(int position, const std::string& shortName, const std::string& fullName) {
  return "<Level Position=\"" + std::to_string(position) + "\"><ShortName>" + shortName +
         "</ShortName><FullName>" + fullName + "</FullName></Level>";
}
inline std::string LevelType(const std::string& name, const std::string& levels) {
  return "<LevelType Name=\"" + name + "\"><Levels>" + levels + "</Levels></LevelType>";
}

// Probability levels VL to VH at positions 1 to 5 (with a second "m" at 9, which the first
// "M" hides), impact levels L/M/H and manageability levels by full name.
inline const std::string kPidFragment =
    "<PID><LevelTypes>" +
    LevelType("Probability", Level(1, "VL", "Very Low") + Level(2, "L", "Low") +
                                 Level(3, "M", "Medium") + Level(9, "m", "Shadowed") +
                                 Level(4, "H", "High") + Level(5, "VH", "Very High")) +
    LevelType("Impacts", Level(1, "L", "Low") + Level(2, "M", "Medium") + Level(3, "H", "High")) +
    LevelType("Manageability", Level(1, "E", "Easy") + Level(2, "D", "Difficult")) +
    "</LevelTypes></PID>";

class RegisterXmlTest : public ::testing::Test {
 protected:
  RegisterXmlTest() { fakes.host->installFolder = dir.path(); }

  // A skeleton document; with the PID fragment in place when asked.
  registerxml::RegisterXmlDocument& NewDocument(bool withPid = true) {
    EXPECT_TRUE(modBuildXmlFile::CreateXmlSkeleton(state));
    auto& doc = registerxml::TheDocument(state);
    if (withPid) {
      const auto pid = modXMLToolbox::LoadXml(kPidFragment);
      modXMLToolbox::AppendClone(RiskRegister(), xmlDocGetRootElement(pid.get()));
    }
    return doc;
  }
  xmlNodePtr RiskRegister() {
    return modXMLToolbox::SelectSingleNode(registerxml::TheDocument(state).node(),
                                           modXMLToolbox::kRiskRegisterPath);
  }

  // The shipped schema under the install folder, and the INI switch (none: no key at all).
  void InstallSchema(const char* validationSwitch = "TRUE") {
    std::string ini = "[RegPath]\nWorkingKey=Main\n";
    if (validationSwitch != nullptr)
      ini += std::string("[XML]\nSchemaValidationOn=") + validationSwitch + "\n";
    dir.Write("Kestrion.ini", ini);
    std::filesystem::create_directories(dir.File("RiskRegister"));
    std::filesystem::copy_file(
        std::string(VELLOWAY_SOURCE_SHARE) + "/RiskRegister/RiskRegister.xsd",
        dir.File("RiskRegister/RiskRegister.xsd"),
        std::filesystem::copy_options::overwrite_existing);
    state.SchemaPath = dir.File("RiskRegister/RiskRegister.xsd");
  }

  std::vector<std::string> BoxTexts() const { return fakes.ui->Texts(); }

  TempDir dir;
  FakePlatform fakes;
  LibraryState state{fakes.platform};
};

// The names of an element's child elements, in order, separated by blanks.
inline std::string ChildNames(xmlNodePtr node) {
  std::string names;
  for (xmlNodePtr child = node->children; child != nullptr; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    names += (names.empty() ? "" : " ") + std::string(reinterpret_cast<const char*>(child->name));
  }
  return names;
}

inline std::string Text(xmlNodePtr node, const std::string& xpath) {
  return modXMLToolbox::GetXmlNodeText(node, xpath);
}

// Checks "xpath=text" for each entry: the text of the node the xpath selects under node.
inline void ExpectTexts(xmlNodePtr node, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    const std::size_t eq = entry.find('=');
    EXPECT_EQ(Text(node, entry.substr(0, eq)), entry.substr(eq + 1)) << entry;
  }
}

// The error log's heading for a step.
inline std::string Heading(const std::string& title) {
  const std::string rule(50, '-');
  return rule + "\r\n" + title + "\r\n" + rule + "\r\n";
}

inline bool Has(xmlNodePtr node, const std::string& xpath) {
  const auto nodes = modXMLToolbox::SelectXmlNodes(node, xpath);
  return nodes && !nodes->empty();
}

}  // namespace velloway::test
