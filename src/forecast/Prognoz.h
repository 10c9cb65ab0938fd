#pragma once
// The forecast: every combination of the available balls tested against the user's filters
// (even balls, consecutive pairs, sum, first/last ball, hot/warm/cold code, difference code,
// ten free any-range conditions), with per-filter accepted/denied counters.

#include <QString>
#include <array>

#include "PrognozExt.h"
#include "PrognozFilters.h"
#include "core/Lottery.h"

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
  // When set, the walk also counts the survivors sharing 0 .. K balls with these balls into
  // Matches (left empty by a walk one by one); StoreRows false keeps no rows then.
  const iArray* MatchDraw = nullptr;
  bool StoreRows = true;
  std::vector<int64_t> Matches;

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
