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

  TFrequency frequency;
  frequency.DecimalSeparator = params.DecimalSeparator;
  frequency.Otbor.TableTitle = u"Частота выпадения Шаров:"_s;
  frequency.Otbor.ValueTitle = u"Шар"_s;
  frequency.Otbor.Sort = params.Sort;
  frequency.Otbor.SortUp = false;
  frequency.Otbor.DelZero = true;
  frequency.Otbor.PrintSeries = params.Series;
  frequency.Otbor.PrintSteps = params.Steps;
  frequency.Otbor.SortSteps = params.StepsSort;
  frequency.Otbor.PrintFreqOrder = true;
  frequency.Otbor.InsertSpace = 10;
  frequency.CreateFrequencyTable(series);
  frequency.Print(pane);

  if (params.Markov) {
    pane.AddLine(QString());
    PrintMarkovOfSeries(pane, series, u"Цепи Маркова:"_s, u"Последнее"_s, u"Должно выпасть:"_s, true);
    pane.AddLine(QString());
    pane.AddLine(kSeparator);
    pane.AddLine(QString());
  }
}

QString ReverseRangeSource(const QString& sourceText) {
  return ShowNumbersInEdit(ArrayReverse(ExtractNumbers(sourceText)));
}

QString ClearRangeSource() { return QString(); }
