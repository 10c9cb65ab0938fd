#pragma once
// Intervals: up to twelve user-defined sets of balls, and for each how many balls of every
// past draw fell into it (its Win history), with a frequency and an optional Markov table.
// The twelve texts are kept in ten numbered sets of the settings store; set 0 always holds
// the intervals of the last report.

#include <QChar>
#include <QString>
#include <array>
#include <optional>

#include "core/Chart.h"
#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

class TSettings;

inline constexpr int kIntervalCount = 12;
inline constexpr int kIntervalsHistoryDefault = 100;
inline constexpr int kIntervalsHistoryMin = 1;
inline constexpr int kIntervalsHistoryMax = 9999;
using TIntervalTexts = std::array<QString, kIntervalCount>;

// The panel PanelIntervals as a parameter record.
struct TIntervalsParams {
  int NextTira = 1;                        // T (seNextTira)
  int History = kIntervalsHistoryDefault;  // H (seIntervalsHistory)
  TIntervalTexts Texts;                    // editInterval01 .. editInterval12
  bool Markov = false;                     // checkIntervalsMarkov
  QChar DecimalSeparator = QLatin1Char('.');
};

// The balls an interval text denotes within 1 .. maxBall, ascending, each once. Ranges are
// clipped to the lottery before they are listed, so "1 .. 2000000000" costs nothing.
iArray IntervalBalls(const QString& text, int maxBall);
// The canonical text of an interval (" 1 ... 4 7"; empty for an empty interval).
QString CanonicalInterval(const QString& text, int maxBall);
// [Win(d), Win(d - 1), .., Win(d - H + 1)]: balls of each draw in the set (0 outside the table).
iArray IntervalWinHistory(const TLottery& lottery, const iArray& interval, int64_t d, int history);
// The frequency table of a win history under a title and, with markov, an empty line, its
// Markov table and an empty line; the analysed draw's win (when known) marked in both.
void PrintWinTables(TReportPane& pane, const iArray& wins, const QString& title,
                    std::optional<int> winT, bool markov, QChar decimalSeparator);

// The report; the texts in params are read as they are (the caller normalises the edits).
void ShowIntervalsReport(const TLottery& lottery, const TIntervalsParams& params,
                         TReportPane& pane);

// The charts beside it, one per interval that holds balls: its Win history and the
// frequency bars, the Win of T marked.
TCharts IntervalsCharts(const TLottery& lottery, const TIntervalsParams& params);

// The twelve texts of stored set n (0 .. 9), unchanged; missing values are empty.
TIntervalTexts LoadIntervalSet(const TSettings& settings, int set);
// Writes the twelve texts as set n.
void SaveIntervalSet(TSettings& settings, int set, const TIntervalTexts& texts);
