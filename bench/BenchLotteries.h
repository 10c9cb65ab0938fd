#pragma once
// The histories the benchmarks run on: a bundled example, and a long random 6-of-49 history.

#include "core/Lottery.h"
#include "core/SilentHost.h"

#include <algorithm>
#include <numeric>
#include <random>

inline TLottery LoadExample(const QString& fileName) {
  const QString path = QString::fromUtf8(LOTRIX_EXAMPLES_DIR) + QLatin1Char('/') + fileName;
  TSilentHost host;
  TLottery lottery;
  lottery.ReadLotteryFromFileName(path);
  LoadDraws(lottery, path, QStringLiteral("eng"), host);
  lottery.SetDrawRange();
  return lottery;
}

inline TLottery Random649Lottery(int draws) {
  TLottery lottery;
  lottery.BallsInDraw = 6;
  lottery.MaxBall = 49;
  std::mt19937 rng(49);
  iArray balls(49);
  std::iota(balls.begin(), balls.end(), 1);
  for (int n = 1; n <= draws; ++n) {
    std::shuffle(balls.begin(), balls.end(), rng);
    iArray row{n};
    row.insert(row.end(), balls.begin(), balls.begin() + 6);
    lottery.Tirazhi.push_back(row);
  }
  lottery.SetDrawRange();
  return lottery;
}
