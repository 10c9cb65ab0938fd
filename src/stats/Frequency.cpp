#include "stats/Frequency.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using TValueCount = std::pair<int32_t, int>;  // [value, count]

// The values that occur in `values`, ascending, with their counts. A counting array when the
// value span is small, else a sort of a copy, so a span of two billion costs nothing.
std::vector<TValueCount> CountOccurring(const iArray& values, int32_t lo, int32_t hi) {
  std::vector<TValueCount> result;
  const int64_t span = int64_t(hi) - lo + 1;
  const int64_t denseLimit = std::max<int64_t>(MaxDenseFrequencySpan, 4 * int64_t(values.size()));
  if (span <= denseLimit) {
    std::vector<int> counts(static_cast<size_t>(span), 0);
    for (int32_t v : values) ++counts[static_cast<size_t>(int64_t(v) - lo)];
    for (size_t i = 0; i < counts.size(); ++i)
      if (counts[i] > 0) result.emplace_back(static_cast<int32_t>(lo + int64_t(i)), counts[i]);
    return result;
  }
  iArray sorted = values;
  std::sort(sorted.begin(), sorted.end());
  for (size_t i = 0; i < sorted.size();) {
    size_t j = i;
    while (j < sorted.size() && sorted[j] == sorted[i]) ++j;
    result.emplace_back(sorted[i], static_cast<int>(j - i));
    i = j;
  }
  return result;
}

// The table of all counted values. `withZeroRows`: the rows between the smallest and the
// largest value that never occur are listed with count 0 (only up to MaxDenseFrequencySpan).
TFrequencyTable BuildTable(const iArray& values, bool withZeroRows) {
  TFrequencyTable table;
  if (values.empty()) return table;
  const auto [loIt, hiIt] = std::minmax_element(values.begin(), values.end());
  const int32_t lo = *loIt;
  const int32_t hi = *hiIt;
  table.TotalCount = static_cast<int>(values.size());

  const std::vector<TValueCount> occurring = CountOccurring(values, lo, hi);
  const int64_t span = int64_t(hi) - lo + 1;
  if (withZeroRows && span <= MaxDenseFrequencySpan) {
    table.Table.reserve(static_cast<size_t>(span));
    size_t next = 0;
    for (int64_t v = lo; v <= hi; ++v) {
      int count = 0;
      if (next < occurring.size() && occurring[next].first == v) count = occurring[next++].second;
      table.Table.push_back({static_cast<int32_t>(v), count});
    }
  } else {
    table.Table.reserve(occurring.size());
    for (const auto& [value, count] : occurring) table.Table.push_back({value, count});
  }

  // Occurring values by decreasing count; the stable sort keeps ties ascending by value.
  std::vector<TValueCount> order = occurring;
  std::stable_sort(order.begin(), order.end(),
                   [](const TValueCount& a, const TValueCount& b) { return a.second > b.second; });
  table.MaxFreq = order.empty() ? 0 : order.front().second;
  table.RangeFrequencyOrder.reserve(order.size());
  for (const auto& vc : order) table.RangeFrequencyOrder.push_back(vc.first);
  return table;
}

iArray Flatten(const iArray2D& rows) {
  size_t total = 0;
  for (const iArray& row : rows) total += row.size();
  iArray all;
  all.reserve(total);
  for (const iArray& row : rows) all.insert(all.end(), row.begin(), row.end());
  return all;
}

QString StepsText(const iArray& steps, bool sortSteps) {
  if (steps.empty()) return {};
  QString text;
  text.reserve(5 + 8 + 8 + 12 * static_cast<qsizetype>(steps.size()));
  text += IntPadLeft(5, steps.front());
  text += u"   ..   "_s;
  iArray rest(steps.begin() + 1, steps.end());
  if (sortSteps) std::sort(rest.begin(), rest.end());
  for (int32_t step : rest) {
    text += QString::number(step);
    text += u' ';
  }
  text += QString(8, u' ');
  return text;
}

// The series-text template: every position a full stop, a space after every tenth one.
QString EmptySeriesText(size_t length) {
  const qsizetype size = static_cast<qsizetype>(length + length / 10);
  QString text(size, u'.');
  QChar* data = text.data();
  for (qsizetype p = 10; p < size; p += 11) data[p] = u' ';
  return text;
}

// Character index of series element `position` in the series text.
qsizetype SeriesTextIndex(size_t position) {
  return static_cast<qsizetype>(position + position / 10);
}

}  // namespace

TFrequencyTable MakeFrequencyTable(const iArray& series) { return BuildTable(series, true); }

TFrequencyTable MakeFrequencyTableOfRows(const iArray2D& rows) {
  return BuildTable(Flatten(rows), true);
}

void SortRowsByColumn(iArray2D& rows, int column, bool ascending) {
  if (column < 0) return;
  const size_t c = static_cast<size_t>(column);
  for (const iArray& row : rows)
    if (row.size() <= c) return;
  // A stable sort orders exactly as repeated passes of adjacent exchanges that never swap
  // equal keys would, without their quadratic cost.
  if (ascending)
    std::stable_sort(rows.begin(), rows.end(),
                     [c](const iArray& a, const iArray& b) { return a[c] < b[c]; });
  else
    std::stable_sort(rows.begin(), rows.end(),
                     [c](const iArray& a, const iArray& b) { return a[c] > b[c]; });
}

iArray FrequencySteps(const iArray& series, int value) {
  iArray steps;
  int32_t counter = 1;
  for (int32_t v : series) {
    if (v == value) {
      steps.push_back(counter);
      counter = 0;
    }
    ++counter;
  }
  return steps;
}

QString FrequencySeriesText(const iArray& series, int value) {
  QString text = EmptySeriesText(series.size());
  QChar* data = text.data();
  for (size_t p = 0; p < series.size(); ++p)
    if (series[p] == value) data[SeriesTextIndex(p)] = u'1';
  return text;
}

// ---- TFrequency ----

QString TFrequency::GetValueTitle(int Value) const { return QString::number(Value); }

// The per-cent text rounds as the "0.00"-style format patterns of the reports do (DecimalText).
QString TFrequency::ProcentText(double procent) const {
  int decimals = Otbor.ProcentRazr;
  if (decimals < 0 || decimals > 3) decimals = 2;
  return DecimalText(procent * 100.0, decimals, DecimalSeparator);
}

QString TFrequency::PrintValueFrequency(const TFrequencyValue& Value) const {
  QString line = PadRight(16, PadLeft(8, GetValueTitle(Value.Value)));
  line.reserve(70);
  line += PadLeft(8, Value.Procent > 0 ? Value.ProcentString : u"."_s);
  line += u"%   "_s;
  line += IntPadLeft(4, Value.Count);
  line += u' ';
  if (Value.Count <= 0) {
    line += u'.';
  } else {
    // scale = ceil(MaxFreq / 30); a count above MaxFreq (inconsistent input) scales by itself,
    // so the bar never exceeds 30 asterisks.
    const int64_t maxFreq = std::max(Value.MaxFreq, Value.Count);
    const int64_t scale = (maxFreq + 29) / 30;
    const int64_t stars = RoundHalfEven(double(Value.Count) / double(scale));
    line += QString(static_cast<qsizetype>(stars), u'*');
  }
  return PadRight(70, line);
}

void TFrequency::FillValues(const TFrequencyTable& table) {
  Values.reserve(table.Table.size());
  for (const iArray& row : table.Table) {
    TFrequencyValue fv;
    fv.Value = row[0];
    fv.Count = row[1];
    fv.Procent = table.TotalCount > 0 ? double(fv.Count) / double(table.TotalCount) : 0.0;
    fv.ProcentString = ProcentText(fv.Procent);
    fv.MaxFreq = table.MaxFreq;
    fv.FrequencyString = PrintValueFrequency(fv);
    Values.push_back(std::move(fv));
  }
  RangeFrequencyOrder = table.RangeFrequencyOrder;
}

void TFrequency::CreateFrequencyTable(const iArray& SourceRange) {
  Values.clear();
  RangeFrequencyOrder.clear();
  // Without zero rows from the start equals building them and dropping them afterwards.
  TFrequencyTable table = BuildTable(SourceRange, !Otbor.DelZero);
  if (Otbor.Sort) SortRowsByColumn(table.Table, 1, Otbor.SortUp);
  FillValues(table);
  const int64_t rows = static_cast<int64_t>(Values.size());
  m_seriesWidth = SeriesTextIndex(SourceRange.size());
  SeriesLeftOut = Otbor.PrintSeries && rows * m_seriesWidth > MaxFrequencyColumnChars;
  StepsLeftOut = false;

  if (Otbor.PrintSteps || (Otbor.PrintSeries && !SeriesLeftOut)) {
    // One walk over the series serves every value: linear in the series length.
    std::unordered_map<int32_t, size_t> indexOf;
    indexOf.reserve(Values.size());
    for (size_t i = 0; i < Values.size(); ++i) indexOf.emplace(Values[i].Value, i);

    if (Otbor.PrintSteps) {
      for (TFrequencyValue& fv : Values) fv.Steps.reserve(static_cast<size_t>(fv.Count));
      std::vector<int64_t> lastPosition(Values.size(), -1);
      for (size_t p = 0; p < SourceRange.size(); ++p) {
        const size_t i = indexOf.at(SourceRange[p]);
        Values[i].Steps.push_back(static_cast<int32_t>(int64_t(p) - lastPosition[i]));
        lastPosition[i] = int64_t(p);
      }
    }
    if (Otbor.PrintSeries && !SeriesLeftOut) {
      const QString empty = EmptySeriesText(SourceRange.size());
      for (TFrequencyValue& fv : Values) {
        fv.SeriesString = empty;
        fv.SeriesString.detach();
      }
      for (size_t p = 0; p < SourceRange.size(); ++p)
        Values[indexOf.at(SourceRange[p])].SeriesString[SeriesTextIndex(p)] = u'1';
    }
  }

  qsizetype width = 30;
  for (TFrequencyValue& fv : Values) {
    fv.StepsString = StepsText(fv.Steps, Otbor.SortSteps);
    width = std::max(width, fv.StepsString.size());
  }
  m_stepsWidth = width;
  StepsLeftOut = Otbor.PrintSteps && rows * width > MaxFrequencyColumnChars;
  for (TFrequencyValue& fv : Values) {
    if (StepsLeftOut) {
      fv.Steps = iArray();
      fv.StepsString.clear();
    } else {
      fv.StepsString = PadRight(static_cast<int>(width), fv.StepsString);
    }
  }
}

void TFrequency::CreateFrequencyTable(const iArray2D& SourceTable) {
  Values.clear();
  RangeFrequencyOrder.clear();
  TFrequencyTable table = BuildTable(Flatten(SourceTable), !Otbor.DelZero);
  if (Otbor.Sort) SortRowsByColumn(table.Table, 1, Otbor.SortUp);
  FillValues(table);
}

namespace {

// The note of a column left out: "Серия не показана (series not shown): ...".
QString LeftOutNote(const QString& column, qsizetype rows, qsizetype width) {
  return column + u": "_s + GroupThousands(QString::number(rows)) + u" строк (rows) по "_s +
         GroupThousands(QString::number(width)) + u" знаков (characters), больше "_s +
         GroupThousands(QString::number(MaxFrequencyColumnChars)) + u" знаков (characters)."_s;
}

}  // namespace

void TFrequency::Print(TReportPane& reTemp) const {
  reTemp.AddLine(Otbor.TableTitle);
  const bool printSteps = Otbor.PrintSteps && !StepsLeftOut;
  const bool printSeries = Otbor.PrintSeries && !SeriesLeftOut;
  const qsizetype rows = static_cast<qsizetype>(Values.size());
  if (StepsLeftOut)
    reTemp.AddLine(LeftOutNote(u"Шаги не показаны (steps not shown)"_s, rows, m_stepsWidth));
  if (SeriesLeftOut)
    reTemp.AddLine(LeftOutNote(u"Серия не показана (series not shown)"_s, rows, m_seriesWidth));

  const qsizetype firstWidth = Values.empty() ? 0 : Values.front().FrequencyString.size();
  const qsizetype firstStepsWidth = Values.empty() ? 0 : Values.front().StepsString.size();
  QString heading = PadRight(16, PadLeft(8, Otbor.ValueTitle));
  heading += u"     %%"_s;
  heading += QString(10, u' ');
  heading += u"Частота (Frequency)"_s;
  heading = PadRight(static_cast<int>(firstWidth), heading);
  if (printSteps) {
    heading += u" Skip   ..   Шаги (Steps)"_s;
    heading = PadRight(static_cast<int>(firstWidth + firstStepsWidth), heading);
  }
  if (printSeries) heading += u"<-- <-- Серия (Series) <-- <--"_s;
  reTemp.AddLine(heading);

  int number = 0;
  for (const TFrequencyValue& fv : Values) {
    ++number;
    QString line = fv.FrequencyString;
    if (printSteps) line += fv.StepsString;
    if (printSeries) line += fv.SeriesString;
    const int index = reTemp.AddLine(line);
    if (!Otbor.SelectRed.empty() && ArrayContains(fv.Value, Otbor.SelectRed))
      reTemp.HighlightSpan(index, 0, static_cast<int>(fv.FrequencyString.size()), clRed, clWhite,
                           fsBold);
    if (Otbor.MaxPrint > 0 && number == Otbor.MaxPrint) break;
    if (Otbor.InsertSpace > 0 && number % Otbor.InsertSpace == 0) reTemp.AddLine(QString());
  }

  if (Otbor.PrintFreqOrder) {
    reTemp.AddLine(QString());
    reTemp.AddLine(u"В порядке частоты выпадения: "_s);
    const QString order = NumbersToText(0, RangeFrequencyOrder);
    const int index = reTemp.AddLine(order);
    HighlightNumbers(Otbor.SelectRed, index, 0, order, clRed, reTemp);
  }
}

// ---- TFrequencyWinCode ----

QString TFrequencyWinCode::GetValueTitle(int Value) const {
  if (Value < 0) return u"xxx"_s;
  const int digits[3] = {Value / 100, (Value % 100) / 10, Value % 10};
  QString text;
  for (int d : digits) text += (d >= 0 && d <= 9) ? QChar(u'0' + d) : QChar(u'x');
  return text;
}

// ---- one-call form ----

void PrintFrequencyOfSeries(TReportPane& pane, const iArray& series, const QString& TableTitle,
                            const QString& ValueTitle, bool Sort, bool SortUp, bool DelZero,
                            int MaxPrint, bool PrintFreqOrder, const iArray& SelectRed,
                            QChar DecimalSeparator) {
  TFrequency frequency;
  frequency.DecimalSeparator = DecimalSeparator;
  frequency.Otbor.TableTitle = TableTitle;
  frequency.Otbor.ValueTitle = ValueTitle;
  frequency.Otbor.Sort = Sort;
  frequency.Otbor.SortUp = SortUp;
  frequency.Otbor.DelZero = DelZero;
  frequency.Otbor.MaxPrint = MaxPrint;
  frequency.Otbor.PrintFreqOrder = PrintFreqOrder;
  frequency.Otbor.SelectRed = SelectRed;
  frequency.CreateFrequencyTable(series);
  frequency.Print(pane);
}
