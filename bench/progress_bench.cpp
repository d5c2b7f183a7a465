// The cost of progress reporting per imported row: one UpdateProgress call, with nothing drawn
// and with the terminal drawing throttled as on a real terminal (into memory here).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/LibraryState.h"
#include "ui/TerminalRenderer.h"
#include "ui/frmImportProgress.h"

namespace velloway {
namespace {

class IdleHost : public HostApplication {
 public:
  std::shared_ptr<Plan> ActivePlan() override { return nullptr; }
  void SetFormActive(bool /*active*/) override {}
  std::string InstallFolder() override { return {}; }
  std::int32_t MainWindowHandle() override { return 1; }
};

constexpr int kRows = 100000;

void ReportRows(benchmark::State& state, std::shared_ptr<ProgressRenderer> renderer) {
  Platform platform;
  platform.createHostApplication = [] { return std::make_shared<IdleHost>(); };
  platform.progressRenderer = std::move(renderer);
  LibraryState library(platform);
  frmImportProgress form(FormHostOf(library));
  form.SetProgressCounter(11);
  form.Show(FormShowMode::Modeless);
  const std::string label = "Importing Risk - R00042 (42 of 100000)";
  for (auto _ : state) {
    form.SetMaxValue(kRows);
    for (int row = 1; row <= kRows; ++row) form.UpdateProgress(row, label);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_ReportRowsSilently(benchmark::State& state) { ReportRows(state, MakeSilentRenderer()); }
BENCHMARK(BM_ReportRowsSilently)->Unit(benchmark::kMillisecond);

void BM_ReportRowsOnATerminal(benchmark::State& state) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  TerminalRendererOptions options;
  options.columns = 80;
  ReportRows(state, std::make_shared<TerminalRenderer>(out, options));
  std::fclose(out);
  std::free(buffer);
}
BENCHMARK(BM_ReportRowsOnATerminal)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velloway

BENCHMARK_MAIN();
