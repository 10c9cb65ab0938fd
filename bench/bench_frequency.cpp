// Frequency and Markov tables of a long per-draw series printed into the result pane, with
// every column switched on: the heaviest form an analysis asks for.
#include <benchmark/benchmark.h>

#include <random>

#include "core/ReportPane.h"
#include "stats/Frequency.h"
#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

namespace {

// A series like the even counts of a long history: values 0..6, newest first.
iArray SmallValueSeries(size_t length) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int32_t> value(0, 6);
  iArray series(length);
  for (int32_t& v : series) v = value(rng);
  return series;
}

void BM_FrequencyAndMarkovReport(benchmark::State& state) {
  const iArray series = SmallValueSeries(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    TReportPane pane;
    TFrequency frequency;
    frequency.Otbor.TableTitle = u"Частота выпадения:"_s;
    frequency.Otbor.ValueTitle = u"Чётные"_s;
    frequency.Otbor.PrintSteps = true;
    frequency.Otbor.PrintSeries = true;
    frequency.Otbor.PrintFreqOrder = true;
    frequency.Otbor.SelectRed = {series.front()};
    frequency.CreateFrequencyTable(series);
    frequency.Print(pane);

    TMarkovTable markov;
    markov.Otbor.TableTitle = u"Таблица Маркова (Markov Table)."_s;
    markov.Otbor.NameMaster = u"Previous"_s;
    markov.Otbor.NameSlave = u"Next"_s;
    markov.Otbor.ShowNext.Show = true;
    markov.Otbor.ShowWin.Show = true;
    markov.Otbor.ShowWin.Value = 3;
    markov.CreateMarkovTable(series);
    markov.Print(pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
}
BENCHMARK(BM_FrequencyAndMarkovReport)->Arg(10'000)->Unit(benchmark::kMillisecond);

// A series of many distinct values (a typed range): the steps padding and series texts grow
// with values × length.
void BM_FrequencyManyValues(benchmark::State& state) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int32_t> value(0, 999);
  iArray series(static_cast<size_t>(state.range(0)));
  for (int32_t& v : series) v = value(rng);
  for (auto _ : state) {
    TReportPane pane;
    TFrequency frequency;
    frequency.Otbor.PrintSteps = true;
    frequency.Otbor.PrintSeries = true;
    frequency.Otbor.PrintFreqOrder = true;
    frequency.CreateFrequencyTable(series);
    frequency.Print(pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
}
BENCHMARK(BM_FrequencyManyValues)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
