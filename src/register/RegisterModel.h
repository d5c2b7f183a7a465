// The in-memory register of the current template: plain records filled by the sheet loaders and
// read by the section writers, and the holders they live in. A holder is created on first use
// and dropped when the register has been written. A record's texts are references into the
// model's texts, which name the workbook's own text where a cell's text is taken as it stands;
// so the model must not outlive the workbook it was loaded from. Its loader sets every field.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/LibraryState.h"
#include "core/OrderedCollection.h"
#include "workbook/RecordTexts.h"

namespace velloway {

class frmImportProgress;

// Register details, from Options!B2:B4.
struct clsDetails {
  std::string strCurrency = "\xC2\xA3";    // B2, "£"
  std::string strTitle = "Risk Register";  // B3
  std::string strVersion = "2.2";          // B4
};

// Register options, from Options!B36:B45.
struct clsOptions {
  std::int32_t nRGBTarget = 9602507;           // B36
  std::int32_t nRGBCurrent = 14871722;         // B37
  std::int32_t nRGBOpportunity = 12561751;     // B38
  std::int32_t nRGBThreat = 5992447;           // B39
  std::int32_t nCostsIncludeDur = 0;           // B40
  std::int32_t nSpreadCosts = 1;               // B41
  std::int32_t nMaxVHValue = 2;                // B42
  std::int32_t nDefaultShape = 1;              // B43
  std::int32_t nIncludeRisksWithScoreNum = 0;  // B44
  std::int32_t nIncludeRisksWithScore = 0;     // B45
};

// The probability-impact definition, from Options!B11:Z26.
struct clsPid {
  OrderedCollection<std::string> colPIDScores;  // B18:Z18
  std::string strProbVHigh;                     // F17
  std::string strCostVHigh;                     // F26
  std::string strSchVHigh;                      // F16
  std::string strPerfVHigh;                     // B11
  std::string strProbHigh;                      // E17
  std::string strSchHigh;                       // E16
  std::string strCostHigh;                      // E26
  std::string strPerfHigh;                      // B12
  std::string strProbMedium;                    // D17
  std::string strCostMedium;                    // D26
  std::string strSchMedium;                     // D16
  std::string strPerfMedium;                    // B13
  std::string strProbLow;                       // C17
  std::string strCostLow;                       // C26
  std::string strSchLow;                        // C16
  std::string strPerfLow;                       // B14
  std::string strProbVLow;                      // B17
  std::string strCostVLow;                      // B26
  std::string strSchVLow;                       // B16
  std::string strPerfVLow;                      // B15
  double nGreenScore = 0;                       // B22
  double nRedScore = 0;                         // C22
  std::int32_t nScoreImpactPerf = 0;            // B19
  std::int32_t nScoreImpactTime = 0;            // B20
  std::int32_t nScoreImpactCost = 0;            // B21
  std::int32_t nImpacts = 0;                    // B23
  std::int32_t nProbs = 0;                      // B24
  std::int32_t nRiskScoring = 0;                // B25
};

// One scenario's settings, from the three-row blocks below the scenario names on Options.
struct clsScenario {
  std::string m_nImpactsLinked;  // first row of the block
  std::string m_strLinkedTo;     // second row of the block
};

// The records keep their numbers first, so that no padding falls between four-byte texts.

// One qualitative risk; also one risk-history record.
struct clsQualRisk {
  double dblScore = 0;
  double dblTargetScore = 0;
  double dblMitCost = 0;      // set while writing: the cost of the risk's actions
  std::int32_t bActions = 0;  // set while writing: 1 when the risk has actions
  bool bQRisk = true;
  workbook::TextRef strRiskID;
  workbook::TextRef strTitle;
  workbook::TextRef strType;
  workbook::TextRef strProb;
  workbook::TextRef strCost;
  workbook::TextRef strTime;
  workbook::TextRef strPerformance;
  workbook::TextRef strTargetProb;
  workbook::TextRef strTargetCost;
  workbook::TextRef strTargetTime;
  workbook::TextRef strTargetPerformance;
  workbook::TextRef strTargetDate;
  workbook::TextRef strMitName;  // set while writing: from the risk's actions
  workbook::TextRef strOwner;
  workbook::TextRef strDescription;
  workbook::TextRef strCause;
  workbook::TextRef strEffect;
  workbook::TextRef strRBS;
  workbook::TextRef strStatus;
  workbook::TextRef strExpiry;
  workbook::TextRef strAuditDat;  // history records only
};

// One response action of a qualitative risk.
struct clsQualRiskAction {
  double m_dbMitCost = 0;
  double m_dblScore = 0;
  workbook::TextRef m_strRiskID;
  workbook::TextRef m_strDescr;
  workbook::TextRef m_strRespon;
  workbook::TextRef m_strTargetDate;
  workbook::TextRef m_strActualDate;
  workbook::TextRef m_strProb;
  workbook::TextRef m_strCost;
  workbook::TextRef m_strTime;
  workbook::TextRef m_strPerformance;
  workbook::TextRef m_strStatus;
  workbook::TextRef m_strMitName;
};

// One quantitative risk.
struct clsQuantRisk {
  workbook::TextRef m_strRiskID;
  workbook::TextRef m_strTitle;
  workbook::TextRef m_strProb;
  workbook::TextRef m_strMitCost;
  workbook::TextRef m_strMitActions;
  workbook::TextRef m_strScenarioName;
};

// One task impact of a quantitative risk.
struct clsQuantRiskImpact {
  std::int32_t m_bCorrelate = 1;
  std::int32_t m_bLink = 1;
  std::int32_t m_bScenarioLink = 1;
  workbook::TextRef m_strRiskID;
  workbook::TextRef m_strTaskID;
  workbook::TextRef m_strDurImpactShape;
  workbook::TextRef m_strMinDur;
  workbook::TextRef m_strLikelyDur;
  workbook::TextRef m_strMaxDur;
  workbook::TextRef m_strCostImpactShape;
  workbook::TextRef m_strMinCost;
  workbook::TextRef m_strLikelyCost;
  workbook::TextRef m_strMaxCost;
  workbook::TextRef m_strScenarioName;
};

// The holders of one loaded library, each empty until first used.
struct RegisterModel {
  std::optional<clsDetails> details;
  std::optional<clsOptions> options;
  std::optional<clsPid> pid;
  std::optional<OrderedCollection<std::string>> scenarioNames;
  std::optional<OrderedCollection<clsScenario>> scenarioSettings;
  std::optional<OrderedCollection<clsQualRisk>> qualitativeRisks;
  std::optional<OrderedCollection<clsQualRiskAction>> riskActions;
  std::optional<OrderedCollection<clsQualRisk>> riskHistory;
  std::optional<OrderedCollection<clsQuantRisk>> quantitativeRisks;
  std::optional<OrderedCollection<clsQuantRiskImpact>> taskImpacts;
  // The distinct scenario names of the quantitative risks, keyed by themselves.
  std::optional<OrderedCollection<std::string>> scenarios;
  // What the records' texts refer to.
  workbook::RecordTexts texts;
};

// A holder's object, created with its defaults when the holder is empty.
template <typename T>
T& Held(std::optional<T>& holder) {
  if (!holder) holder.emplace();
  return *holder;
}

// What the current-template road keeps between its load and its write: the model and the
// progress form every loader and writer reports to.
// The road's per-run state: made by its entry, dropped when the road ends.
struct RegisterRoadState : RoadState {
  RegisterModel model;
  std::unique_ptr<frmImportProgress> form;
  // Out of line, where the form's type is complete.
  RegisterRoadState();
  ~RegisterRoadState() override;
};

}  // namespace velloway
