#pragma once
// Lotteries for tests: a hand-made table, or a bundled example loaded as the program loads it.

#include <numeric>
#include <random>

#include "core/Lottery.h"
#include "core/SilentHost.h"

inline TLottery MakeLottery(int ballsInDraw, int maxBall, const iArray2D& rows) {
  TLottery lottery;
  lottery.BallsInDraw = ballsInDraw;
  lottery.MaxBall = maxBall;
  lottery.Tirazhi = rows;
  lottery.SetDrawRange();
  return lottery;
}

inline TLottery LoadExample(const QString& fileName) {
  const QString path = QString::fromUtf8(LOTRIX_EXAMPLES_DIR) + QLatin1Char('/') + fileName;
  TSilentHost host;
  TLottery lottery;
  lottery.ReadLotteryFromFileName(path);
  LoadDraws(lottery, path, QStringLiteral("eng"), host);
  lottery.SetDrawRange();
  return lottery;
}

// The values from..to, ascending.
inline iArray Range(int from, int to) {
  iArray values;
  for (int v = from; v <= to; ++v) values.push_back(v);
  return values;
}

// A K-of-N history of `draws` random draws (draw numbers from 1), the same for the same seed.
inline TLottery RandomLottery(int ballsInDraw, int maxBall, int draws, unsigned seed) {
  std::mt19937 rng(seed);
  iArray balls(static_cast<size_t>(maxBall));
  std::iota(balls.begin(), balls.end(), 1);
  iArray2D rows;
  for (int n = 1; n <= draws; ++n) {
    std::shuffle(balls.begin(), balls.end(), rng);
    iArray row{n};
    row.insert(row.end(), balls.begin(), balls.begin() + ballsInDraw);
    rows.push_back(row);
  }
  return MakeLottery(ballsInDraw, maxBall, rows);
}
