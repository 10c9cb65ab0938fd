#pragma once
// Lotteries for tests: a hand-made table, or a bundled example loaded as the program loads it.

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
