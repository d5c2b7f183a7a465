#include "register/ActionSummary.h"

#include <cmath>

namespace velloway {

ActionSummaries IndexActions(const OrderedCollection<clsQualRiskAction>& actions,
                             const workbook::RecordTexts& texts) {
  ActionSummaries summaries;
  for (const clsQualRiskAction& action : actions) {
    ActionTotals& totals = summaries[texts[action.m_strRiskID]];
    if (totals.endedAtOverflow) continue;
    const double sum = totals.cost + action.m_dbMitCost;
    // The platform's overflow error ends the summary of this risk only, before the action's name
    // is looked at; the risk still has actions.
    if (!std::isfinite(sum)) {
      totals.endedAtOverflow = true;
      continue;
    }
    totals.cost = sum;
    if (texts[totals.name].empty()) totals.name = action.m_strMitName;
  }
  return summaries;
}

std::int32_t SummariseRiskActions(const ActionSummaries& summaries, const clsQualRisk& risk,
                                  const workbook::RecordTexts& texts, double& cost,
                                  workbook::TextRef& name) {
  const auto found = summaries.find(texts[risk.strRiskID]);
  if (found == summaries.end()) {
    cost = 0;
    return 0;
  }
  cost += found->second.cost;
  if (texts[name].empty()) name = found->second.name;
  return 1;
}

}  // namespace velloway
