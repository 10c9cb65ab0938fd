#pragma once
// The draws map: a grid of one row per draw and one column per ball, the 20 draws before the
// analysed draw T and room for the 10 draws from T on (filled only with "Show next"). The
// model is computed here; the window paints it and lotrix-cli prints it as characters.

#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

inline constexpr int kTiraMapRows = 30;
inline constexpr int kTiraMapHistoryRows = 20;

struct TTiraMapParams {
  int NextTira = 1;      // T (seNextTira)
  bool ShowNext = true;  // checkTiraMapShowNext: fill the rows of T .. T + 9
};

struct TTiraMap {
  int MaxBall = 0;
  int Cell = 14;    // s: 20 pixels for MaxBall 30 .. 50 (LottoClass 1 or 2), else 14
  iArray Labels;    // the 30 draw numbers T - 20 .. T + 9
  iArray2D Filled;  // per row, the balls filled in green, ascending
};

TTiraMap BuildTiraMap(const TLottery& lottery, const TTiraMapParams& params);
// The map as characters: per row its draw number, then "#" for a filled cell and "." (history)
// or " " (the rows from T on) for an empty one.
void ShowDrawsMap(const TLottery& lottery, const TTiraMapParams& params, TReportPane& pane);
