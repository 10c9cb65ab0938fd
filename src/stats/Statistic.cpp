#include "Statistic.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Which values 0..255 the result range holds: a row's matches by lookup, not by search.
std::array<bool, 256> BallSet(const iArray& balls) {
  std::array<bool, 256> set{};
  for (int32_t b : balls)
    if (b >= 0 && b < 256) set[static_cast<size_t>(b)] = true;
  return set;
}

}  // namespace

void TWinStatistic::ReLoad(const iArray2D& mTable, const iArray& resultRange) {
  size_t longest = 0;
  for (const iArray& row : mTable) longest = std::max(longest, row.size());
  const size_t limit = std::min(longest, resultRange.size());
  WinStat.assign(limit + 1, 0);
  for (const iArray& row : mTable) {
    const size_t m = static_cast<size_t>(CountCommon(row, resultRange));
    if (m <= limit) ++WinStat[m];
  }
  TotalComb = static_cast<int64_t>(mTable.size());
}

void TWinStatistic::ReLoad(const TCombinationTable& mTable, const iArray& resultRange) {
  const size_t longest = mTable.IsEmpty() ? 0 : static_cast<size_t>(mTable.RowLength());
  const size_t limit = std::min(longest, resultRange.size());
  WinStat.assign(limit + 1, 0);
  const std::array<bool, 256> drawn = BallSet(resultRange);
  for (int64_t i = 0; i < mTable.RowCount(); ++i) {
    size_t m = 0;
    for (uint8_t ball : mTable.Row(i)) m += drawn[ball];
    if (m <= limit) ++WinStat[m];
  }
  TotalComb = mTable.RowCount();
}

void TWinStatistic::Print(TReportPane& reTemp, int iLine) const {
  QStringList lines;
  lines.append(Zagolovok);
  lines.append(u"Всего Комбинаций   = "_s +
               PadLeft(11, GroupThousands(QString::number(TotalComb))));
  const size_t last = WinStat.empty() ? 0 : WinStat.size() - 1;
  for (size_t m = 0; m < WinStat.size(); ++m) {
    QString line = u"Совпадений "_s + IntPadLeft(2, static_cast<int64_t>(m)) + u"      = "_s +
                   PadLeft(11, GroupThousands(QString::number(WinStat[m])));
    if (m < last && TotalComb > 0) {
      const double percent =
          static_cast<double>(WinStat[m]) / static_cast<double>(TotalComb) * 100.0;
      line += u"    "_s + PadLeft(6, DecimalText(percent, 3, DecimalSeparator)) + u'%';
    }
    lines.append(line);
  }
  if (iLine < 0 || iLine > reTemp.LineCount()) iLine = reTemp.LineCount();
  for (const QString& line : lines) reTemp.InsertLine(iLine++, line);
}

double Deviation(const iArray& values) {
  if (values.empty()) return 0.0;
  const size_t n = values.size();
  size_t a = 1;
  if (n > 10) a = static_cast<size_t>(RoundHalfEven(static_cast<double>(n) / 10.0));
  int64_t s1 = 0, s2 = 0;
  for (size_t i = 0; i < a; ++i) {
    s1 += values[i];
    s2 += values[n - 1 - i];
  }
  return s2 > 0 ? static_cast<double>(s1) / static_cast<double>(s2) : 0.0;
}

QString DeviationText(const iArray& values, QChar decimalSeparator) {
  const double deviation = Deviation(values);
  return deviation > 0 ? DecimalText(deviation, 3, decimalSeparator) : u"x.xxx"_s;
}
