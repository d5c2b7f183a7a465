// The first and the last step of the register XML road: the empty document, and its text
// handed to the plan.
#include <future>

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

std::future<XmlTextBlocks> StartXmlText(LibraryState& state) {
  auto& run = registerxml::RegisterXmlRun(state);
  if (!run.document || !HostApp(state).ActivePlan()) return {};
  // Where no thread can be had, the text is written when it is asked for.
  return std::async(std::launch::async | std::launch::deferred,
                    [doc = run.document->get()] { return WriteXmlBlocks(doc); });
}

void StoreXmlInPlan(LibraryState& state, std::future<XmlTextBlocks> text) {
  if (!text.valid()) return;
  XmlTextBlocks blocks = text.get();
  // Nothing needs the tree once it is written: freed before its text is joined and copied into
  // the plan, that memory takes the text instead of the text adding to it.
  registerxml::RegisterXmlRun(state).document.reset();
  const std::string joined = blocks.Join();
  if (joined.empty()) return;
  // The plan is fetched afresh for each write, as every plan operation does.
  RequirePlan(state)->WriteAppData(kRegisterXmlTag, "");
  RequirePlan(state)->WriteAppData(kRegisterXmlTag, joined);
}

void StoreXmlInPlan(LibraryState& state) { StoreXmlInPlan(state, StartXmlText(state)); }

}  // namespace velloway::modBuildXmlFile
