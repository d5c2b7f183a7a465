// What a risk's response actions add up to: whether it has any, their total cost and the first
// non-empty action name. Built once per write from the action list, indexed by risk ID.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "register/RegisterModel.h"

namespace velloway {

struct ActionTotals {
  double cost = 0;
  workbook::TextRef name;
  // The sum overflowed: the summary ended there, keeping the cost and name it had reached.
  bool endedAtOverflow = false;
};

// Risk ID (exact, case-sensitive) -> the totals of its actions, summed in list order.
using ActionSummaries = std::unordered_map<std::string_view, ActionTotals>;

ActionSummaries IndexActions(const OrderedCollection<clsQualRiskAction>& actions,
                             const workbook::RecordTexts& texts);

// 1 when the risk has actions, else 0; adds their cost to cost (0 when none) and sets name to the
// first non-empty action name while it is empty.
std::int32_t SummariseRiskActions(const ActionSummaries& summaries, const clsQualRisk& risk,
                                  const workbook::RecordTexts& texts, double& cost,
                                  workbook::TextRef& name);

}  // namespace velloway
