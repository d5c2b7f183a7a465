// velloway dump: the plan's application data as JSON, or one tag's text.
#include <cstdio>

#include "app/Commands.h"
#include "host/PlanDump.h"
#include "host/SqlitePlan.h"

namespace velloway::app {

int RunDump(const DumpOptions& options) {
  try {
    auto plan = host::SqlitePlan::Open(options.plan, host::SqlitePlan::Mode::OpenExisting);
    const auto contents = plan->Contents(options.tag);
    if (options.raw) {
      if (contents.empty() || !contents.front().data) {
        std::fprintf(stderr, "velloway: the plan holds no text under the tag '%s'\n",
                     options.tag->c_str());
        return kExitFailed;
      }
      std::fwrite(contents.front().data->data(), 1, contents.front().data->size(), stdout);
      return kExitOk;
    }
    const std::string json = host::PlanJson(contents);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return kExitOk;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
    return kExitFailed;
  }
}

}  // namespace velloway::app
