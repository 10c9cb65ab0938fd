#pragma once
// The histories the benchmarks run on: the test fixtures (a bundled example, a random
// history), and a long random 6-of-49 history.

#include "LotteryFixtures.h"
#include "forecast/Prognoz.h"

inline TLottery Random649Lottery(int draws) { return RandomLottery(6, 49, draws, 49); }

// Settings a user might take from the analyses of a 6- or 7-of-49 history.
inline TPrognozFields RealisticFields(int balls) {
  using namespace Qt::StringLiterals;
  TPrognozFields f;
  f.Chetnie = {true, balls == 7 ? u" 3 4"_s : u" 2 .. 4"_s};
  f.Sleepy = {true, u" 0 1"_s};
  f.SumBalls = {true, balls == 7 ? u" 150 .. 200"_s : u" 120 .. 180"_s};
  f.FirstBall = {true, u" 1 .. 8 / 40 .. 49"_s};
  f.HotCold = {true, u"XX1  XX2  XX3"_s};
  f.Differences = {true, u"X3X  X4X  X5X"_s};
  for (int i = 0; i < 10; ++i) {
    f.AnyRange[static_cast<size_t>(i)] = {
        true, QString::number(4 * i + 1) + u" .. "_s + QString::number(4 * i + 10)};
    f.AnyRangeWin[static_cast<size_t>(i)] = u" 1 2"_s;
  }
  return f;
}
