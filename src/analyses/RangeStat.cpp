#include "RangeStat.h"

#include "core/Lottery.h"
#include "stats/Frequency.h"
#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

namespace {
const QString kSeparator = QString(110, u'-');
}

void ShowRangeStatistic(const TRangeStatParams& params, TReportPane& pane) {
  pane.Clear();
  pane.AddLine(u"Статистика Ряда. (The Range statistic)."_s);
  pane.AddLine(QString());

  iArray series = ExtractNumbers(params.SourceText);
  const bool cut = series.size() > kMaxRangeValues;
  if (cut) series.resize(kMaxRangeValues);
  pane.AddLine(u"<-- <-- Исходный Ряд (Source Range) <-- <--"_s);
  pane.AddLine(NumbersToText(0, series));
  pane.AddLine(QString());
  pane.AddLine(u"Число Шаров = "_s + QString::number(series.size()));
  if (cut)
    pane.AddLine(u"Учтены только первые "_s + QString::number(kMaxRangeValues) +
                 u" значений (only the first "_s + QString::number(kMaxRangeValues) +
                 u" values are used)."_s);
  pane.AddLine(kSeparator);
  pane.AddLine(QString());
  pane.AddLine(QString());

  PrintFrequencyTable(pane, series,
                      {.TableTitle = u"Частота выпадения Шаров:"_s,
                       .ValueTitle = u"Шар"_s,
                       .Sort = params.Sort,
                       .SortSteps = params.StepsSort,
                       .PrintSteps = params.Steps,
                       .PrintSeries = params.Series,
                       .PrintFreqOrder = true,
                       .InsertSpace = 10},
                      params.DecimalSeparator);

  if (params.Markov) {
    pane.AddLine(QString());
    PrintMarkovOfSeries(pane, series, u"Цепи Маркова:"_s, u"Последнее"_s, u"Должно выпасть:"_s,
                        true);
    pane.AddLine(QString());
    pane.AddLine(kSeparator);
    pane.AddLine(QString());
  }
}

QString ReverseRangeSource(const QString& sourceText) {
  return ShowNumbersInEdit(ArrayReverse(ExtractNumbers(sourceText)));
}

QString ClearRangeSource() { return QString(); }

TChartModel RangeStatChart(const TRangeStatParams& params) {
  iArray values = ExtractNumbers(params.SourceText);  // newest first, as the report reads it
  if (values.size() > kMaxRangeValues) values.resize(kMaxRangeValues);
  // Positions stand for draws: the oldest value is 1, the newest the series' length.
  return SeriesChart(u"Ряд (Range)"_s, static_cast<int>(values.size()) + 1, values, std::nullopt);
}
