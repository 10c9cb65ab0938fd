// Loading a long history: read + split + extract + validate + both written forms.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "core/Lottery.h"
#include "core/SilentHost.h"

namespace {

// A 6-of-49 history of `draws` random draws, written as a user's file would be.
QString WriteHistory(const QTemporaryDir& dir, int draws) {
  const QString path = dir.filePath(QStringLiteral("6x49 bench.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  std::mt19937 rng(49);
  QByteArray text;
  for (int n = 1; n <= draws; ++n) {
    std::vector<int> balls(49);
    for (int b = 0; b < 49; ++b) balls[static_cast<size_t>(b)] = b + 1;
    std::shuffle(balls.begin(), balls.end(), rng);
    text += QByteArray::number(n);
    for (int i = 0; i < 6; ++i) text += ' ' + QByteArray::number(balls[static_cast<size_t>(i)]);
    text += '\n';
  }
  file.write(text);
  return path;
}

void BM_LoadDraws100k(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteHistory(dir, static_cast<int>(state.range(0)));
  TSilentHost host;
  for (auto _ : state) {
    TLottery lottery;
    lottery.ReadLotteryFromFileName(path);
    const TDrawsTexts texts = LoadDraws(lottery, path, QStringLiteral("eng"), host).Texts(lottery);
    if (lottery.Tirazhi.size() != static_cast<size_t>(state.range(0)))
      state.SkipWithError("load failed");
    benchmark::DoNotOptimize(texts.MemoTirazhiUp.size());
  }
}
BENCHMARK(BM_LoadDraws100k)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
