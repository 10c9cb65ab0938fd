#include "Prognoz.h"

#include <algorithm>

#include "FilterSyntax.h"
#include "ForecastWalk.h"
#include "analyses/Differences.h"
#include "analyses/EvenSleepy.h"
#include "analyses/FirstLastSum.h"
#include "stats/HotWarmCold.h"

bool TMainPrognoz::TestCombi(const iArray& combination) {
  const TMainPrognozFilters& f = Filters;
  TFiltersStatistics& s = FiltersStatistics;
  auto pass = [&](int index, bool passes) {
    if (passes)
      ++s[static_cast<size_t>(index)].Accepted;
    else
      ++s[static_cast<size_t>(index)].Denied;
    return passes;
  };
  const std::span<const int32_t> balls(combination);
  if (!pass(1, f.Even.empty() || SortedContains(f.Even, EvenCount(balls)))) return false;
  if (!pass(2, f.Sleepy.empty() || SortedContains(f.Sleepy, SleepyCount(balls, MaxBall))))
    return false;
  if (!pass(3, f.SumBalls.empty() || SortedContains(f.SumBalls, SumOfBalls(balls)))) return false;
  if (!pass(4, (f.FirstBall.empty() || SortedContains(f.FirstBall, FirstBall(balls))) &&
                   (f.LastBall.empty() || SortedContains(f.LastBall, LastBall(balls)))))
    return false;
  if (!pass(5, f.HotColdWinCode.empty() ||
                   AnyCodeFits(f.HotColdWinCode, CountCommon(combination, f.Hot),
                               CountCommon(combination, f.Warm), CountCommon(combination, f.Cold))))
    return false;
  if (!f.DifferencesWinCode.empty()) {
    const iArray gaps = DrawDifferences(combination);
    if (!pass(6, AnyCodeFits(f.DifferencesWinCode, CountCommon(gaps, f.DiffZone1),
                             CountCommon(gaps, f.DiffZone2), CountCommon(gaps, f.DiffZone3))))
      return false;
  } else {
    pass(6, true);
  }
  for (size_t i = 0; i < 10; ++i) {
    const bool passes = f.AnyRange[i].empty() ||
                        SortedContains(f.AnyRangeWin[i], CountCommon(combination, f.AnyRange[i]));
    if (!pass(10 + static_cast<int>(i), passes)) return false;
  }
  return true;
}

void TMainPrognoz::Clear() {
  TPrognozExt::Clear();
  NextTira = 0;
  NumCombAuto = 0;
  AutoTable.Reset(0);
  ExportTable.Reset(0);
  FiltersStatistics = {};
  Matches.clear();
}

bool TMainPrognoz::SetFilters(const TLottery& lottery, TPrognozFields& fields) {
  bool cut = false;
  TMainPrognozFilters& f = Filters;
  MaxBall = lottery.MaxBall;
  auto list = [&](TFilterField& field) {
    return field.Checked ? ReadNumberListEdit(field.Text, &cut) : iArray();
  };
  f.Even = list(fields.Chetnie);
  f.Sleepy = list(fields.Sleepy);
  f.SumBalls = list(fields.SumBalls);
  f.FirstBall.clear();
  f.LastBall.clear();
  if (fields.FirstBall.Checked) {
    const iArray2D rows = ReadFirstLastEdit(fields.FirstBall.Text, &cut);
    f.FirstBall = rows[0];
    if (rows.size() >= 2) f.LastBall = rows[1];
  }
  f.HotColdWinCode = fields.HotCold.Checked ? ReadWinCodeEdit(fields.HotCold.Text) : iArray2D();
  const THotWarmCold classes = ClassifyHotWarmCold(lottery, NextTira);
  f.Hot = classes.Hot;
  f.Warm = classes.Warm;
  f.Cold = classes.Cold;
  f.DifferencesWinCode =
      fields.Differences.Checked ? ReadWinCodeEdit(fields.Differences.Text) : iArray2D();
  const TDifferenceZones zones = DifferenceZones(lottery, NextTira);
  f.DiffZone1 = zones.Zone1;
  f.DiffZone2 = zones.Zone2;
  f.DiffZone3 = zones.Zone3;
  for (size_t i = 0; i < 10; ++i) {
    f.AnyRange[i] = list(fields.AnyRange[i]);
    f.AnyRangeWin[i] = ReadNumberListEdit(fields.AnyRangeWin[i], &cut);
  }
  return !cut;
}

bool TMainPrognoz::Walk(THost* host) {
  SetTotalTable(host);
  if (NumCombTotal == 0 || CombiSize > static_cast<int>(SourceRange.size())) return true;
  if (!TForecastWalk::Takes(CombiSize, SourceRange)) return WalkOneByOne(Progress);
  TForecastWalk walk(Filters, SourceRange, CombiSize, MaxBall);
  if (MatchDraw != nullptr) walk.CountMatches(*MatchDraw);
  TWalkResult result = walk.Run(Threads, StoreRows ? NumCombPrognoz : 0, Progress, PrognozTable);
  Matches = std::move(result.Matches);
  for (size_t i = 0; i < FiltersStatistics.size(); ++i) {
    FiltersStatistics[i].Accepted += result.Statistics[i].Accepted;
    FiltersStatistics[i].Denied += result.Statistics[i].Denied;
  }
  NumCombFiltered += result.Filtered;
  return !result.Cancelled;
}
