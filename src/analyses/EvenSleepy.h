#pragma once
// The Even and the Consecutive ("Слипы") analyses: how many balls of a draw are even, and how
// many pairs of neighbouring numbers a draw holds (1 and MaxBall count as neighbours). Each
// report lists the last 20 draws before the analysed draw, the analysed draw's value, the
// series of values over the history and its frequency and Markov tables.
//
// The per-draw values are also computed by the forecast filters and the pool generators for
// every combination, so each has an allocation-free form on a ball list besides the form on a
// draw of the lottery.

#include <QChar>
#include <cstdint>
#include <span>

#include "core/Chart.h"
#include "core/CommonFunctions.h"
#include "core/ReportPane.h"

class TLottery;

// seEvenHistory and seSleepyHistory: default, minimum and maximum of H.
inline constexpr int kEvenSleepyHistoryDefault = 100;
inline constexpr int kEvenSleepyHistoryMin = 1;
inline constexpr int kEvenSleepyHistoryMax = 9999;
// The number of draws listed in the table at the top of both reports.
inline constexpr int kEvenSleepyListedDraws = 20;

// The number of even balls (b mod 2 = 0); the balls in any order.
int EvenCount(std::span<const int32_t> balls);
// The number of adjacent pairs with difference 1, plus one when the smallest ball is 1 and
// the largest is maxBall (the numbers wrap round). The balls must be sorted ascending, as
// the combinations of the forecast are; 0 for no balls.
int SleepyCount(std::span<const int32_t> sortedBalls, int maxBall);
// The balls that take part in a counted pair, in any order on input: both balls of every
// adjacent pair with difference 1 (a run 3 4 5 gives 3, 4, 4, 5) and 1 and maxBall for the
// wrap; sorted ascending.
iArray SleepyBalls(std::span<const int32_t> balls, int maxBall);

// The values of draw `draw` of the lottery (its balls as the table holds them); 0 for a draw
// outside the table.
int EvenCount(const TLottery& lottery, int draw);
int SleepyCount(const TLottery& lottery, int draw);

// PanelEven.
struct TEvenParams {
  int NextTira = 1;                         // seNextTira: T, the analysed draw
  int History = kEvenSleepyHistoryDefault;  // seEvenHistory: H
  QChar DecimalSeparator = QLatin1Char('.');
};

// PanelSleepy.
struct TConsecutiveParams {
  int NextTira = 1;                         // seNextTira: T, the analysed draw
  int History = kEvenSleepyHistoryDefault;  // seSleepyHistory: H
  QChar DecimalSeparator = QLatin1Char('.');
};

// Both reports clear the pane and write the whole report. H outside the spin edit's range is
// taken as its nearest bound.
void ShowEvenReport(const TLottery& lottery, const TEvenParams& params, TReportPane& pane);
void ShowConsecutiveReport(const TLottery& lottery, const TConsecutiveParams& params,
                           TReportPane& pane);

// The charts beside the two reports: the same history series and its frequency bars.
TChartModel EvenChart(const TLottery& lottery, const TEvenParams& params);
TChartModel ConsecutiveChart(const TLottery& lottery, const TConsecutiveParams& params);
