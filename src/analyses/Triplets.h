#pragma once
// Triplets: the close triples of one draw — every three of its balls whose two gaps are at
// most 10, the balls taken as a circle so that a triple may run over MaxBall back to 1.

#include <vector>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

struct TmyTriplet {
  iArray Balls;  // the three balls, their real numbers (a wrap copy shown as itself)
  int Next = 0;
  iArray Diff;  // the two gaps, on the circle
  int MaxDiff = 0;
  iArray SkipsSingles;
  iArray SkipsPairs;
  int Win = 0;
  bool Active = false;
};

class TTripletsPool {
public:
  std::vector<TmyTriplet> Triplets;
  // The triplets of the balls with gaps at most maxDiff in a lottery of maxBall balls.
  void Init(iArray range, int maxDiff, int maxBall);
};

struct TTripletsParams {
  int NextTira = 1;  // T (seNextTira)
};

inline constexpr int kTripletsMaxDiff = 10;

void ShowTriplets(const TLottery& lottery, const TTripletsParams& params, TReportPane& pane);
