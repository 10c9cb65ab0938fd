#pragma once
// Hot, warm and cold balls at a draw, WinCodes (three digits counting values per zone),
// and the balls of a run of draws.

#include <QString>
#include <array>
#include <cstdint>
#include <span>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"

// A WinCode: three digits 0..9 (or -1 for an undefined digit); fewer than three = no code.
using TWinCode = iArray;

struct THotWarmCold {
  iArray Hot, Warm, Cold;  // ascending; every ball 1..MaxBall is in exactly one
};

// P = round(10 * MaxBall / BallsInDraw), halves to even; 0 when there is no lottery.
int HotWindow(int ballsInDraw, int maxBall);
// The classes valid for draw T, from the draws before T.
THotWarmCold ClassifyHotWarmCold(const TLottery& lottery, int draw);
// How many of the draws newest, newest-1, ..., newest-count+1 contain the ball.
int CountDrawsWithBall(const TLottery& lottery, int ball, int newest, int count);
TWinCode WinCodeOf(const iArray& zone1, const iArray& zone2, const iArray& zone3,
                   const iArray& values);
int WinCodeToNumber(const TWinCode& code);
TWinCode WinCodeFromNumber(int number);
QString WinCodeText(const TWinCode& code);
// The balls of the draws newest, newest-1, ..., newest-count+1; with `distinct` each ball
// once, sorted ascending.
iArray BallsOfDraws(const TLottery& lottery, int newest, int count, bool distinct);

// The long window L = round(P / 2) and the short window S = round(P / 10) of the
// classification (halves to even): for 6 of 45, P = 75 gives L = 38 and S = 8.
int HotLongWindow(int hotWindow);
int HotShortWindow(int hotWindow);

// The hot, warm and cold classes of every ball at one draw, kept up to date while the draw
// moves back through the history one step at a time. Each ball's counts in the long and the
// short window change only by the draws that enter and leave the windows, so a step costs
// O(BallsInDraw) instead of recounting both windows for every ball; a history report of H
// draws is then linear in H. Balls outside 1..MaxBall and repeated balls of a row (possible
// only in an unchecked table) do not count. Keeps a reference to the lottery, which must
// outlive it and stay unchanged while it is used.
class THotWarmColdWindow {
public:
  enum TClass : int { Hot = 0, Warm = 1, Cold = 2 };

  // The classes valid for `draw`, from the draws before it.
  THotWarmColdWindow(const TLottery& lottery, int draw);

  int64_t Draw() const { return m_draw; }
  int LongWindow() const { return m_long; }
  int ShortWindow() const { return m_short; }
  // The classes valid for Draw() − 1.
  void StepBack();

  // Hot, Warm or Cold; -1 for a number outside 1..MaxBall.
  int ClassOf(int ball) const;
  // How many balls the class holds (Total_X).
  int Total(TClass cls) const { return m_totals[cls]; }
  THotWarmCold Classes() const;
  // [Win_hot, Win_warm, Win_cold] of a draw with these balls: how many distinct balls of the
  // list fall into each class. Numbers outside 1..MaxBall count nowhere.
  std::array<int, 3> Wins(std::span<const int32_t> balls);
  // The same for a draw of the table; all 0 for a draw outside it.
  std::array<int, 3> WinsOfDraw(int64_t draw);

private:
  void AddDraw(int64_t draw, int32_t* counts, int delta);
  void Reclassify(int ball);
  // The distinct balls in 1..MaxBall of a draw of the table (empty outside it).
  const iArray& DistinctBalls(int64_t draw);
  static int ClassOfCounts(int longCount, int shortCount);

  const TLottery& m_lottery;
  int64_t m_draw = 0;
  int m_long = 0;
  int m_short = 0;
  iArray m_longCounts;   // per ball 0..MaxBall: draws of the long window holding it
  iArray m_shortCounts;  // the same for the short window
  iArray m_classes;      // per ball: its TClass
  std::array<int, 3> m_totals{};
  iArray m_seen;  // per ball: the stamp of the last row that listed it
  int m_stamp = 0;
  iArray m_rowBalls;  // scratch of DistinctBalls
};
