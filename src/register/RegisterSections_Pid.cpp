// The probability-impact definition: Options rows 11 to 26.
#include "register/CellValues.h"
#include "register/RecordSheet.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"

namespace velloway {
namespace {

constexpr std::int32_t kColumnB = 2;
constexpr std::int32_t kColumnZ = 26;

// A row of five levels from very high in column F down to very low in column B.
void ReadLevelRow(const workbook::Worksheet* sheet, std::int32_t row, std::string& vHigh,
                  std::string& high, std::string& medium, std::string& low, std::string& vLow) {
  vHigh = workbook::GetCellText(sheet, row, 6);
  high = workbook::GetCellText(sheet, row, 5);
  medium = workbook::GetCellText(sheet, row, 4);
  low = workbook::GetCellText(sheet, row, 3);
  vLow = workbook::GetCellText(sheet, row, 2);
}

// Five levels from very low to very high, one TAB between neighbours.
std::string LevelList(const std::string& vLow, const std::string& low, const std::string& medium,
                      const std::string& high, const std::string& vHigh) {
  return vLow + "\t" + low + "\t" + medium + "\t" + high + "\t" + vHigh;
}

// Every score followed by a TAB.
std::string ScoreList(const OrderedCollection<std::string>& scores) {
  std::string list;
  for (const std::string& score : scores) list += score + "\t";
  return list;
}

void ReadPid(LibraryState& state, const workbook::Worksheet* sheet, clsPid& pid) {
  pid.strPerfVHigh = workbook::GetCellText(sheet, 11, kColumnB);
  pid.strPerfHigh = workbook::GetCellText(sheet, 12, kColumnB);
  pid.strPerfMedium = workbook::GetCellText(sheet, 13, kColumnB);
  pid.strPerfLow = workbook::GetCellText(sheet, 14, kColumnB);
  pid.strPerfVLow = workbook::GetCellText(sheet, 15, kColumnB);
  ReadLevelRow(sheet, 16, pid.strSchVHigh, pid.strSchHigh, pid.strSchMedium, pid.strSchLow,
               pid.strSchVLow);
  ReadLevelRow(sheet, 17, pid.strProbVHigh, pid.strProbHigh, pid.strProbMedium, pid.strProbLow,
               pid.strProbVLow);
  ReadLevelRow(sheet, 26, pid.strCostVHigh, pid.strCostHigh, pid.strCostMedium, pid.strCostLow,
               pid.strCostVLow);
  // Appended to what the collection holds: it is not emptied first.
  for (std::int32_t column = kColumnB; column <= kColumnZ; ++column) {
    pid.colPIDScores.Add(workbook::GetCellText(sheet, 18, column));
  }
  pid.nScoreImpactPerf = WholeNumber(state, workbook::GetCellText(sheet, 19, kColumnB));
  pid.nScoreImpactTime = WholeNumber(state, workbook::GetCellText(sheet, 20, kColumnB));
  pid.nScoreImpactCost = WholeNumber(state, workbook::GetCellText(sheet, 21, kColumnB));
  pid.nGreenScore = Number(state, workbook::GetCellText(sheet, 22, kColumnB));
  pid.nRedScore = Number(state, workbook::GetCellText(sheet, 22, 3));
  pid.nImpacts = WholeNumber(state, workbook::GetCellText(sheet, 23, kColumnB));
  pid.nProbs = WholeNumber(state, workbook::GetCellText(sheet, 24, kColumnB));
  pid.nRiskScoring = WholeNumber(state, workbook::GetCellText(sheet, 25, kColumnB));
}

}  // namespace

bool modLoadRisks::LoadPid(LibraryState& state, const workbook::Worksheet* sheet) {
  return LoadFixedSheet(
      state, sheet, [&] { ReadPid(state, sheet, Held(Model(state).pid)); },
      "Loading risk register pid data complete.");
}

void modWriteRisks::WritePid(LibraryState& state) {
  const clsPid& pid = Held(Model(state).pid);
  const auto write = [&](const char* key, const std::string& value) {
    WriteRegisterValue(state, "RiskPID", key, value);
  };
  write("PerfVH", pid.strPerfVHigh);
  write("PerfH", pid.strPerfHigh);
  write("PerfM", pid.strPerfMedium);
  write("PerfL", pid.strPerfLow);
  write("PerfVL", pid.strPerfVLow);
  write("Schedule", LevelList(pid.strSchVLow, pid.strSchLow, pid.strSchMedium, pid.strSchHigh,
                              pid.strSchVHigh));
  write("Costs", LevelList(pid.strCostVLow, pid.strCostLow, pid.strCostMedium, pid.strCostHigh,
                           pid.strCostVHigh));
  write("Probabilities", LevelList(pid.strProbVLow, pid.strProbLow, pid.strProbMedium,
                                   pid.strProbHigh, pid.strProbVHigh));
  write("PIScores", ScoreList(pid.colPIDScores));
  write("ScoreWithImpactPerf", DecimalText(pid.nScoreImpactPerf));
  write("ScoreWithImpactTime", DecimalText(pid.nScoreImpactTime));
  write("ScoreWithImpactCost", DecimalText(pid.nScoreImpactCost));
  write("Thresholds", NumberText(state, pid.nGreenScore) + "\t" + NumberText(state, pid.nRedScore));
  write("NumImpacts", DecimalText(pid.nImpacts));
  write("NumProbs", DecimalText(pid.nProbs));
  write("RiskScoring", DecimalText(pid.nRiskScoring));
  ReportStep(state, "Writing risk register pid data complete.");
}

}  // namespace velloway
