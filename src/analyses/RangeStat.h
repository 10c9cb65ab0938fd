#pragma once
// The Range statistic: the frequency (and optionally Markov) table of any typed series.

#include <QChar>
#include <QString>

#include "core/Chart.h"
#include "core/ReportPane.h"

struct TRangeStatParams {
  QString SourceText;      // poleRangeStatSource: every digit run is one value, newest first
  bool Sort = false;       // checkRangeStatSort
  bool Series = false;     // checkRangeStatSeries
  bool Steps = false;      // checkRangeStatSteps
  bool StepsSort = false;  // checkRangeStatStepsSort
  bool Markov = false;     // checkRangeStatMarkov
  QChar DecimalSeparator = QLatin1Char('.');
};

// The newest values the report reads. Each value's steps and series columns grow with the
// series, and every line is padded to the widest, so an unbounded paste could need gigabytes.
inline constexpr size_t kMaxRangeValues = 10000;

void ShowRangeStatistic(const TRangeStatParams& params, TReportPane& pane);
// The numbers of the field in reverse order, written back as " a b c ".
QString ReverseRangeSource(const QString& sourceText);
// The emptied field.
QString ClearRangeSource();

// The chart beside the range statistic: the typed series oldest first (its last value is the
// newest, numbered by position) and the frequency bars of its values; nothing is marked.
TChartModel RangeStatChart(const TRangeStatParams& params);
