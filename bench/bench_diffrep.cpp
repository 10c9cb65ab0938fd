// The Differences report with the longest code history and both options, and the Repeats
// report with the longest history and the largest source group, on the keno example and on a
// 10,000-draw 6-of-49 history. The per-combination difference code of the forecast as well.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "BenchLotteries.h"
#include "analyses/Differences.h"
#include "analyses/Repeats.h"
#include "core/Lottery.h"
#include "core/SilentHost.h"

using namespace Qt::StringLiterals;

namespace {

TLottery KenoLottery() { return LoadExample(u"20x80 hungary keno.txt"_s); }

const TLottery& Lottery(int which) {
  static const TLottery keno = KenoLottery();
  static const TLottery lotto = Random649Lottery(10'000);
  return which == 0 ? keno : lotto;
}

void Label(benchmark::State& state, const TLottery& lottery) {
  state.SetLabel(QString::number(lottery.BallsInDraw).toStdString() + "x" +
                 QString::number(lottery.MaxBall).toStdString() + ", " +
                 std::to_string(lottery.Tirazhi.size()) +
                 " draws, T = " + std::to_string(lottery.NewTira));
}

void BM_DifferencesReport(benchmark::State& state) {
  const TLottery& lottery = Lottery(static_cast<int>(state.range(0)));
  if (lottery.Tirazhi.empty()) state.SkipWithError("no draws");
  TDifferencesParams params;
  params.NextTira = lottery.NewTira;
  params.History = 2000;
  params.WinCode = true;
  params.Source = true;
  for (auto _ : state) {
    TReportPane pane;
    ShowDifferencesReport(lottery, params, pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
  Label(state, lottery);
}
BENCHMARK(BM_DifferencesReport)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RepeatsReport(benchmark::State& state) {
  const TLottery& lottery = Lottery(static_cast<int>(state.range(0)));
  if (lottery.Tirazhi.empty()) state.SkipWithError("no draws");
  TRepeatsParams params;
  params.NextTira = lottery.NewTira;
  params.History = 9999;
  params.Count = 99;
  for (auto _ : state) {
    TReportPane pane;
    ShowRepeatsReport(lottery, params, pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
  Label(state, lottery);
}
BENCHMARK(BM_RepeatsReport)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The forecast's per-combination test: differences of a sorted 6-of-49 combination against
// the zones of the forecast draw, a million combinations per iteration.
void BM_DifferenceWinCodeOfCombinations(benchmark::State& state) {
  const TLottery& lottery = Lottery(1);
  const TDifferenceZoneMap zones = DifferenceZoneMap(DifferenceZones(lottery, lottery.NewTira));
  std::mt19937 rng(6);
  std::vector<std::array<int32_t, 6>> combinations(1 << 12);
  iArray balls(49);
  std::iota(balls.begin(), balls.end(), 1);
  for (auto& c : combinations) {
    std::shuffle(balls.begin(), balls.end(), rng);
    std::copy(balls.begin(), balls.begin() + 6, c.begin());
    std::sort(c.begin(), c.end());
  }
  for (auto _ : state) {
    int64_t sum = 0;
    for (int i = 0; i < 1'000'000; ++i)
      sum += DifferenceWinCodeNumber(zones, combinations[static_cast<size_t>(i) & 4095]);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_DifferenceWinCodeOfCombinations)->Unit(benchmark::kMillisecond);

}  // namespace
