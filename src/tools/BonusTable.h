#pragma once
// The bonus table of the random pools: what usually follows the present state of the even
// count and of the consecutive count. Over the W = round(10 N / K) draws before Next (newest
// first, a draw outside the table counting 0), Even = [v, c0, c1, .., cK]: v the newest even
// count, cn how often a draw whose even count was v was followed, by the next newer draw, by
// one with n even balls (the Markov row of the newest value). Consecutive is the same for the
// consecutive count. A range's bonus adds, for each of its K-ball parts with e even balls and
// s consecutive pairs, Even[1 + e] + Consecutive[1 + s]; the parts are counted, never walked.

#include <cstdint>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"

class TBonusTable {
public:
  int Next = 0;  // the draw the table is made for
  iArray Even, Consecutive;

  // Both rows for the draw Next of the lottery.
  void Refresh(const TLottery& lottery);
  // The bonus of a range of distinct balls of the lottery (any order); 0 for a range shorter
  // than the draw. Saturates at INT64_MAX for a huge range.
  int64_t Bonus(const iArray& range) const;

private:
  int m_ballsInDraw = 0, m_maxBall = 0;
};

// The history the table covers: 10 x MaxBall / BallsInDraw, rounded (72 for 5 of 36).
int BonusWindow(const TLottery& lottery);
