// The skip list, the skip frequency and their baseline: the skips alone (a flash built and
// refreshed, no text), on the keno example and on the 5-of-36 sample.
#include <benchmark/benchmark.h>

#include "BenchLotteries.h"
#include "analyses/Fotons.h"

using namespace Qt::StringLiterals;

namespace {

const TLottery& Lottery(int which) {
  static const TLottery keno = LoadExample(u"20x80 hungary keno.txt"_s);
  static const TLottery sample = LoadExample(u"5x36 sample.txt"_s);
  return which == 0 ? keno : sample;
}

// Args: lottery (0 keno, 1 sample), foton type, history.
void Label(benchmark::State& state, const TLottery& lottery) {
  state.SetLabel(std::to_string(lottery.BallsInDraw) + "x" + std::to_string(lottery.MaxBall) +
                 ", kind " + std::to_string(state.range(1)) + ", H " +
                 std::to_string(state.range(2)));
}

void BM_SkipsOnly(benchmark::State& state) {
  const TLottery& lottery = Lottery(static_cast<int>(state.range(0)));
  const TDrawMasks masks(lottery);
  for (auto _ : state) {
    TFlash flash;
    flash.Otbor.Next = lottery.NewTira;
    flash.Otbor.Okno = static_cast<int>(state.range(2));
    flash.Otbor.FotonType = static_cast<int>(state.range(1));
    iArray all(static_cast<size_t>(lottery.MaxBall));
    for (int b = 1; b <= lottery.MaxBall; ++b) all[static_cast<size_t>(b - 1)] = b;
    flash.Rebuild(all);
    flash.Refresh(masks);
    benchmark::DoNotOptimize(flash.Fotons.data());
  }
  Label(state, lottery);
}

void BM_SkipList(benchmark::State& state) {
  const TLottery& lottery = Lottery(static_cast<int>(state.range(0)));
  TSkipsParams params;
  params.NextTira = lottery.NewTira;
  params.FotonType = static_cast<int>(state.range(1));
  params.History = static_cast<int>(state.range(2));
  for (auto _ : state) {
    TReportPane pane;
    ShowSkipsList(lottery, params, pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
  Label(state, lottery);
}

void BM_SkipFrequency(benchmark::State& state) {
  const TLottery& lottery = Lottery(static_cast<int>(state.range(0)));
  TSkipsFrequencyParams params;
  params.NextTira = lottery.NewTira;
  params.FotonType = static_cast<int>(state.range(1));
  params.History = static_cast<int>(state.range(2));
  for (auto _ : state) {
    TReportPane pane;
    ShowSkipsFrequency(lottery, params, pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
  Label(state, lottery);
}

// Double over keno with H = 9999, Four over the sample with H = 9999, Four over keno H = 100.
#define LOTRIX_SKIP_ARGS           \
  Args({0, 22, 9999})              \
      ->Args({1, 44, 9999})        \
      ->Args({0, 44, 100})         \
      ->Repetitions(3)             \
      ->ReportAggregatesOnly(true) \
      ->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SkipsOnly)->LOTRIX_SKIP_ARGS;
BENCHMARK(BM_SkipList)->LOTRIX_SKIP_ARGS;
BENCHMARK(BM_SkipFrequency)
    ->Args({0, 44, 1000})
    ->Args({0, 22, 1000})
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
