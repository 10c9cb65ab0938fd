#pragma once
// Repeats: for every draw of a stretch of history, how many of its balls had come up in a
// small group of earlier draws (Win) and how many distinct balls that group held (Total).
// The source group of draw d is the C draws d − O − C + 1 … d − O.

#include <QChar>

#include "core/Chart.h"
#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

// The Repeats panel (PanelLastTira) as a parameter record.
struct TRepeatsParams {
  int NextTira = 1;   // T, the analysed draw (seNextTira)
  int History = 100;  // H, past draws listed (seRepeatsHistory)
  int Count = 1;      // C, draws in the source group (seRepeatsCount)
  int Otstup = 1;     // O, from a draw back to the newest draw of its group (seRepeatsOtstup)
  QChar DecimalSeparator = QLatin1Char('.');
};
inline constexpr int kRepeatsHistoryMin = 1;
inline constexpr int kRepeatsHistoryMax = 9999;
inline constexpr int kRepeatsCountMin = 1;
inline constexpr int kRepeatsCountMax = 99;
inline constexpr int kRepeatsOtstupMin = 1;
inline constexpr int kRepeatsOtstupMax = 999;

// Win and Total of one draw; both 0 for a draw (or a group) outside the table.
struct TRepeatsValue {
  int Win = 0;    // balls of the draw among the source balls
  int Total = 0;  // distinct balls of the source group
  bool operator==(const TRepeatsValue&) const = default;
};

// The value of one draw.
TRepeatsValue RepeatsOf(const TLottery& lottery, int draw, int count, int otstup);

// The series of the draws newest, newest − 1, …, newest − length + 1, newest first, found
// with one running count of the balls of the source group.
struct TRepeatsSeries {
  iArray Wins;
  iArray Totals;
};
TRepeatsSeries RepeatsHistory(const TLottery& lottery, int newest, int length, int count,
                              int otstup);

// The Repeats report: Win.Total of T and of the H draws before it, the Win series with its
// frequency table and its Markov table (Win after Win for C = 1, Win by Total for C ≥ 2).
void ShowRepeatsReport(const TLottery& lottery, const TRepeatsParams& params, TReportPane& pane);
// The chart beside it: the Win series and its frequency bars, the Win of T marked.
TChartModel RepeatsChart(const TLottery& lottery, const TRepeatsParams& params);
