#pragma once
// The forecast: every combination of the available balls tested against the user's filters
// (even balls, consecutive pairs, sum, first/last ball, hot/warm/cold code, difference code,
// ten free any-range conditions), with per-filter accepted/denied counters.

#include "PrognozExt.h"
#include "core/Lottery.h"

#include <QString>

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>

// Whether an ascending list holds the value.
inline bool SortedContains(const iArray& sorted, int64_t value) {
  return std::binary_search(sorted.begin(), sorted.end(), value);
}
// Whether some code [a, b, c] fits the counts: each digit is -1 (any) or equals its count.
bool AnyCodeFits(const iArray2D& codes, int a, int b, int c);

// The filter settings of one run.
struct TMainPrognozFilters {
  iArray Even;            // filter 01
  iArray Sleepy;          // filter 02
  iArray SumBalls;        // filter 03
  iArray FirstBall;       // filter 04
  iArray LastBall;        // filter 04
  iArray2D HotColdWinCode;  // filter 05: [hot, warm, cold], -1 = any
  iArray Hot, Warm, Cold;   // the classes for draw NextTira
  iArray2D DifferencesWinCode;  // filter 06: [zone 1, zone 2, zone 3], -1 = any
  iArray DiffZone1, DiffZone2, DiffZone3;  // the difference zones for draw NextTira
  std::array<iArray, 10> AnyRange;     // filter 10 + i: the ball set
  std::array<iArray, 10> AnyRangeWin;  // filter 10 + i: allowed numbers of balls from it
};

// One filter of PanelPrognoz: its check box and its edit field.
struct TFilterField {
  bool Checked = false;
  QString Text;
};

// The fields of PanelPrognoz with their defaults. SetFilters rewrites the texts it reads in
// their normal form, as the panel shows them after a run.
struct TPrognozFields {
  TFilterField Chetnie{false, QStringLiteral(" 1 .. 4")};
  TFilterField Sleepy{false, QStringLiteral(" 0 1")};
  TFilterField SumBalls{false, QStringLiteral(" 72 .. 107 120 .. 124")};
  TFilterField FirstBall{false, QStringLiteral(" 1 .. 10 / 25 .. 36")};
  TFilterField HotCold{false, QStringLiteral("212  122  0XX ")};
  TFilterField Differences{false, QStringLiteral("211  121  0XX")};
  std::array<TFilterField, 10> AnyRange;
  std::array<QString, 10> AnyRangeWin;
};

// A per-filter counter pair.
struct TFilterCount {
  int64_t Denied = 0;
  int64_t Accepted = 0;
  bool operator==(const TFilterCount&) const = default;
};
using TFiltersStatistics = std::array<TFilterCount, 31>;

class TMainPrognoz : public TPrognozExt {
public:
  int NextTira = 0;
  int MaxBall = 0;  // of the lottery the filters were set for (1 and MaxBall are neighbours)
  int NumCombAuto = 0;
  TCombinationTable AutoTable;
  TCombinationTable ExportTable;
  TFiltersStatistics FiltersStatistics{};
  TMainPrognozFilters Filters;

  // Threads of the walk (0: all cores) and its progress/cancel callback.
  int Threads = 0;
  TWalkProgress Progress;

  bool TestCombi(const iArray& combination) override;
  void Clear() override;
  // Reads the ticked fields into Filters (rewriting them in normal form) and the classes and
  // zones of draw NextTira; returns false when a range had to be cut (the caller says so).
  bool SetFilters(const TLottery& lottery, TPrognozFields& fields);
  // The walk over all combinations on `Threads` cores: the same rows in the same order and
  // the same counters as walking them one by one through TestCombi. Returns false when the
  // progress callback cancelled it (the results are then incomplete). Sizes the mask walk
  // does not take (see TForecastWalk::Takes) go one by one.
  bool Walk(THost* host);
  void ReCalculate(THost* host) override { Walk(host); }
};
