// Building the risk list of a register document: one risk built, looked up by ID and appended
// per row, as the risks step does it. The time per risk must stay flat as the register grows.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchPid.h"
#include "core/LibraryState.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/clsXmlRisk.h"
#include "registerxml/modBuildXmlFile.h"

namespace velloway {
namespace {

using bench::kPid;

void BuildRiskList(benchmark::State& state) {
  const auto risks = static_cast<int>(state.range(0));
  LibraryState library{Platform{}};
  for (auto _ : state) {
    modBuildXmlFile::CreateXmlSkeleton(library);
    auto& doc = registerxml::TheDocument(library);
    const auto pid = modXMLToolbox::LoadXml(kPid);
    modXMLToolbox::AppendClone(
        modXMLToolbox::SelectSingleNode(doc.node(), modXMLToolbox::kRiskRegisterPath),
        xmlDocGetRootElement(pid.get()));
    clsXmlRisk risk;
    risk.m_strCurProb = "H";
    risk.m_strTarprob = "m";
    risk.m_strStartDate = "2025-01-31";
    risk.m_colCurImpacts.Add({"Cost", "H"});
    risk.m_colTarImpacts.Add({"Cost", "L"});
    for (int i = 0; i < risks; ++i) {
      risk.m_strID = "R" + std::to_string(i);
      const auto node = risk.GetNode(library, doc.get());
      if (doc.FindRisk(risk.m_strID) == nullptr) doc.AppendRisk(node.get());
    }
    benchmark::DoNotOptimize(doc.FindRisk("R0"));
  }
  state.SetItemsProcessed(state.iterations() * risks);
  state.SetComplexityN(risks);
}
BENCHMARK(BuildRiskList)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
}  // namespace velloway

BENCHMARK_MAIN();
