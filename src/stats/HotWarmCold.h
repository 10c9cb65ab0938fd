#pragma once
// Hot, warm and cold balls at a draw, WinCodes (three digits counting values per zone),
// and the balls of a run of draws.

#include "core/CommonFunctions.h"
#include "core/Lottery.h"

#include <QString>

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
