// The first and the last step of the register XML road: the empty document, and its text
// handed to the plan.
#include "core/HostApp.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modBuildXmlFile {

using namespace modXMLToolbox;

bool CreateXmlSkeleton(LibraryState& state) {
  try {
    XmlDocument doc = CreateXmlDocument(kRegisterRootName, kRegisterNamespaceUri);
    AddXmlAttribute(doc.get(), xmlDocGetRootElement(doc.get()), "xml:space", "preserve");
    {
      const XmlNode riskRegister = CreateXmlElement(doc.get(), "RiskRegister");
      const XmlNode risks = CreateXmlElement(doc.get(), "Risks");
      AppendClone(riskRegister.get(), risks.get());
      AppendCloneToRoot(doc.get(), riskRegister.get());
    }
    registerxml::RegisterXmlRun(state).document =
        std::make_shared<registerxml::RegisterXmlDocument>(std::move(doc));
    return true;
  } catch (...) {
    return false;
  }
}

void StoreXmlInPlan(LibraryState& state) {
  auto& run = registerxml::RegisterXmlRun(state);
  if (!run.document || !HostApp(state).ActivePlan()) return;
  XmlTextBlocks blocks = WriteXmlBlocks(run.document->get());
  // Nothing needs the tree once it is written: freed before its text is joined and copied into
  // the plan, that memory takes the text instead of the text adding to it.
  run.document.reset();
  const std::string text = blocks.Join();
  if (text.empty()) return;
  // The plan is fetched afresh for each write, as every plan operation does.
  RequirePlan(state)->WriteAppData(kRegisterXmlTag, "");
  RequirePlan(state)->WriteAppData(kRegisterXmlTag, text);
}

}  // namespace velloway::modBuildXmlFile
