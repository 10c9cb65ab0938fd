#pragma once
// Every report of the engine in one registry. The window's panels turn their controls and
// lotrix-cli's `report NAME` its options into a TReportParams; WriteReport runs the report
// that record is for. So the map from a report to its function and its parameter record
// exists here only: a new report is its engine file, one alternative of the variant and
// one row of the table.

#include <QStringView>
#include <optional>
#include <span>
#include <variant>

#include "analyses/Differences.h"
#include "analyses/EvenSleepy.h"
#include "analyses/FirstLastSum.h"
#include "analyses/Fotons.h"
#include "analyses/HotColdReport.h"
#include "analyses/Intervals.h"
#include "analyses/RangeStat.h"
#include "analyses/Repeats.h"
#include "analyses/Slice.h"
#include "analyses/TiraMap.h"
#include "analyses/Triplets.h"
#include "forecast/PastMatches.h"
#include "tools/Calculators.h"
#include "tools/Pool.h"

// The parameter record of one report run; its type says which report.
using TReportParams =
    std::variant<THotWarmColdParams, TEvenParams, TConsecutiveParams, TFirstLastBallParams,
                 TSumParams, TSumForBetsParams, TDifferencesParams, TRepeatsParams,
                 TRangeStatParams, TIntervalsParams, TSliceParams, TSliceTotalWinParams,
                 TTripletsParams, TTiraMapParams, TSkipsParams, TSkipsFrequencyParams,
                 TFlashListingParams, TParsecParams, TCalculatorParams, TMartingaleParams,
                 TPoolParams, TDeviationParams, TPastMatchesSourceParams, TPastMatchesParams,
                 TPastMatchesHistoryParams>;

struct TReportDef {
  const char16_t* Name;     // as lotrix-cli names it: "hot-cold"
  const char16_t* Summary;  // one line for the help
  bool NeedsLottery;        // false: the report reads a typed series, not a draws file
  bool Charted = false;     // it has charts beside its text (ReportCharts)
};

// Every report, in the order of the variant's alternatives.
std::span<const TReportDef> ReportDefs();
// The report of this name, or nullptr.
const TReportDef* FindReport(QStringView name);
// The report these parameters are for.
const TReportDef& ReportOf(const TReportParams& params);
// Writes that report into the pane (cleared by the report). `lottery` may be null only for
// a report that needs none; `host` (when given) hears the progress of the long ones and may
// stop them.
void WriteReport(const TLottery* lottery, const TReportParams& params, TReportPane& pane,
                 THost* host = nullptr);

// The charts beside the report these parameters are for; none for most reports.
TCharts ReportCharts(const TLottery* lottery, const TReportParams& params);
