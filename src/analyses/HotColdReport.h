#pragma once
// The Hot/Warm/Cold report: the hot, warm and cold balls valid for the analysed draw, how
// many balls of that draw fell into each class, the same Win.Total pairs for every draw of a
// history, and on request the Markov tables of those pairs, the WinCodes of the history with
// their frequency table, and the frequency table of the balls of a recent window.

#include <QChar>

#include "core/Chart.h"
#include "core/ReportPane.h"

class TLottery;

// seHotColdHistory and seHotColdOkno: default, minimum and maximum. The form's default of
// the window is replaced by the hot window P (HotWindow) whenever a lottery is opened.
inline constexpr int kHotColdHistoryDefault = 100;
inline constexpr int kHotColdHistoryMin = 1;
inline constexpr int kHotColdHistoryMax = 9999;
inline constexpr int kHotColdOknoDefault = 21;
inline constexpr int kHotColdOknoMin = 1;
inline constexpr int kHotColdOknoMax = 9999;

// PanelHotCold.
struct THotWarmColdParams {
  int NextTira = 1;                      // seNextTira: T, the analysed draw
  int History = kHotColdHistoryDefault;  // seHotColdHistory: H
  int Okno = kHotColdOknoDefault;        // seHotColdOkno: O, draws of the ball frequency table
  bool Markov = false;                   // checkHotColdMarkov: the three Markov tables
  bool WinCode = false;                  // checkHotColdWinCode: WinCode history and its table
  bool FrequencyTable = false;           // checkHotColdFrequencyTable: the ball frequency table
  bool Sort = false;                     // checkHotColdSort: that table by frequency
  QChar DecimalSeparator = QLatin1Char('.');
};

// Clears the pane and writes the whole report. H and O outside their spin edits' ranges are
// taken as the nearest bound. Linear in H: the classes slide back through the history.
void ShowHotWarmColdReport(const TLottery& lottery, const THotWarmColdParams& params,
                           TReportPane& pane);

// The chart beside the report: for every ball, in how many of the long window's draws before
// T it came (the classification's long window), its bar coloured by its class at T.
TChartModel HotWarmColdChart(const TLottery& lottery, const THotWarmColdParams& params);
