#pragma once
// The First and last ball, the Sum of balls and the Sum for Bets analyses: one number per
// draw (the smallest ball, the largest ball, the sum of the balls), its series over the
// history and its frequency table; Sum for Bets turns the sums into a series of hits against
// a level.
//
// The per-draw values are also the forecast filters FirstBall, LastBall and SumBalls, so each
// has an allocation-free form on a ball list besides the form on a draw of the lottery.

#include <QChar>
#include <cstdint>
#include <span>

#include "core/Chart.h"
#include "core/ReportPane.h"

class TLottery;

// seFirstBallHistory, seSummaBallsHistory, seSumForBetsHistory: default, minimum, maximum of H.
inline constexpr int kFirstLastSumHistoryDefault = 100;
inline constexpr int kFirstLastSumHistoryMin = 1;
inline constexpr int kFirstLastSumHistoryMax = 9999;
// seSumForBetsLevel.
inline constexpr int kSumForBetsLevelDefault = 82;
inline constexpr int kSumForBetsLevelMin = 5;
inline constexpr int kSumForBetsLevelMax = 300;
// The number of draws listed in the table at the top of the Sum report.
inline constexpr int kSumListedDraws = 20;

// The smallest, the largest ball and the sum of the balls, in any order; 0 for no balls.
// A sum beyond the int range is clamped to it (real draws are far below).
int FirstBall(std::span<const int32_t> balls);
int LastBall(std::span<const int32_t> balls);
int SumOfBalls(std::span<const int32_t> balls);
// The same values of draw `draw` of the lottery; 0 for a draw outside the table.
int FirstBall(const TLottery& lottery, int draw);
int LastBall(const TLottery& lottery, int draw);
int SumOfBalls(const TLottery& lottery, int draw);
// Sum for Bets: 1 when sum <= level (Low) or sum >= level (High), else 0.
int SumForBetsHit(int sum, int level, bool high);

// PanelFirstBall.
struct TFirstLastBallParams {
  int NextTira = 1;                           // seNextTira: T, the analysed draw
  int History = kFirstLastSumHistoryDefault;  // seFirstBallHistory: H
  bool Sort = false;                          // checkFirstBallSort
  bool Series = false;                        // checkFirstBallSeriesShow
  QChar DecimalSeparator = QLatin1Char('.');
};

// PanelSummaBalls.
struct TSumParams {
  int NextTira = 1;                           // seNextTira: T, the analysed draw
  int History = kFirstLastSumHistoryDefault;  // seSummaBallsHistory: H
  bool Sort = true;                           // checkSummaBallsSort
  QChar DecimalSeparator = QLatin1Char('.');
};

// PanelSumForBets.
struct TSumForBetsParams {
  int NextTira = 1;                           // seNextTira: T, the analysed draw
  int History = kFirstLastSumHistoryDefault;  // seSumForBetsHistory: H
  int Level = kSumForBetsLevelDefault;        // seSumForBetsLevel: v
  bool High = false;  // rbSumForBetsHighLevel selected; false: rbSumForBetsLowLevel
};

// Each report clears the pane and writes the whole report. H outside its spin edit's range
// is taken as the nearest bound; the level is used as given.
void ShowFirstLastBallReport(const TLottery& lottery, const TFirstLastBallParams& params,
                             TReportPane& pane);
void ShowSumReport(const TLottery& lottery, const TSumParams& params, TReportPane& pane);
void ShowSumForBetsReport(const TLottery& lottery, const TSumForBetsParams& params,
                          TReportPane& pane);

// The charts beside the first/last report (one per ball), the sum and the sum-for-bets
// reports: the history's values (sums; 1 and 0 for a sum within the level) and their
// frequency bars.
TCharts FirstLastBallCharts(const TLottery& lottery, const TFirstLastBallParams& params);
TChartModel SumChart(const TLottery& lottery, const TSumParams& params);
TChartModel SumForBetsChart(const TLottery& lottery, const TSumForBetsParams& params);
