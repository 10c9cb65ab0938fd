#include "stats/MarkovChains.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Ascending distinct values.
iArray Distinct(iArray values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

size_t IndexIn(const iArray& sortedDistinct, int32_t value) {
  return static_cast<size_t>(std::lower_bound(sortedDistinct.begin(), sortedDistinct.end(), value) -
                             sortedDistinct.begin());
}

}  // namespace

QString TMarkovTable::GetValueTitle(int Value) const { return QString::number(Value); }

void TMarkovTable::CreateMarkovTable(const iArray& mSourceRange) {
  iArray2D pairs;
  if (mSourceRange.size() >= 2) {
    pairs.reserve(mSourceRange.size() - 1);
    for (size_t i = 0; i + 1 < mSourceRange.size(); ++i)
      pairs.push_back({mSourceRange[i + 1], mSourceRange[i]});
  }
  Otbor.ShowNext.Value = mSourceRange.empty() ? 0 : mSourceRange.front();
  CreateMarkovTable(pairs);
}

void TMarkovTable::CreateMarkovTable(const iArray& mMasterRange, const iArray& mSlaveRange) {
  const size_t n = std::min(mMasterRange.size(), mSlaveRange.size());
  iArray2D pairs;
  pairs.reserve(n);
  for (size_t i = 0; i < n; ++i) pairs.push_back({mMasterRange[i], mSlaveRange[i]});
  CreateMarkovTable(pairs);
}

void TMarkovTable::CreateMarkovTable(const iArray2D& SourceTable) {
  MarkovTable.assign(1, iArray{-1});
  m_tooManyValues = false;

  iArray masters;
  iArray slaves;
  masters.reserve(SourceTable.size());
  slaves.reserve(SourceTable.size());
  for (const iArray& pair : SourceTable) {
    if (pair.size() < 2) continue;
    masters.push_back(pair[0]);
    slaves.push_back(pair[1]);
  }
  if (masters.empty()) return;

  const iArray rowValues = Distinct(masters);
  const iArray columnValues = Distinct(slaves);
  const int64_t cells = int64_t(rowValues.size() + 1) * int64_t(columnValues.size() + 1);
  if (cells > MaxMarkovCells) {
    m_tooManyValues = true;
    return;
  }

  MarkovTable.assign(rowValues.size() + 1, iArray(columnValues.size() + 1, 0));
  MarkovTable[0][0] = -1;
  for (size_t c = 0; c < columnValues.size(); ++c) MarkovTable[0][c + 1] = columnValues[c];
  for (size_t r = 0; r < rowValues.size(); ++r) MarkovTable[r + 1][0] = rowValues[r];
  for (size_t i = 0; i < masters.size(); ++i)
    ++MarkovTable[IndexIn(rowValues, masters[i]) + 1][IndexIn(columnValues, slaves[i]) + 1];
}

void TMarkovTable::Print(TReportPane& reTemp) const {
  const int w = static_cast<int>(
      std::max<qsizetype>({8, Otbor.NameMaster.size() + 1, Otbor.NameSlave.size() + 1}));
  static const iArray noHeads;
  const iArray& heads = MarkovTable.empty() ? noHeads : MarkovTable.front();
  const int n = std::max(1, static_cast<int>(heads.size()));  // an unbuilt table prints as empty

  reTemp.AddLine(Otbor.TableTitle);

  QString heading = PadLeft(w, Otbor.NameSlave) + u" |"_s;
  int winColumn = -1;
  for (size_t c = 1; c < heads.size(); ++c) {
    if (Otbor.ShowWin.Show && heads[c] == Otbor.ShowWin.Value)
      winColumn = static_cast<int>(heading.size());
    heading += PadLeft(5, GetValueTitle(heads[c]));
    heading += u" |"_s;
  }
  reTemp.AddLine(heading);

  const QString separator = RepeatText(7 * n + w - 5, u"-"_s);
  reTemp.AddLine(separator);
  reTemp.AddLine(PadRight(w, PadLeft(5, Otbor.NameMaster)) + u" |"_s);

  for (size_t r = 1; r < MarkovTable.size(); ++r) {
    const iArray& row = MarkovTable[r];
    QString line = PadRight(w, PadLeft(5, GetValueTitle(row[0])));
    line.reserve(line.size() + 2 + 7 * static_cast<qsizetype>(row.size()));
    line += u" |"_s;
    for (size_t c = 1; c < row.size(); ++c) {
      line += row[c] < 1 ? u"    ."_s : IntPadLeft(5, row[c]);
      line += u" |"_s;
    }
    const int index = reTemp.AddLine(line);
    if (row[0] == Otbor.ShowNext.Value) {
      // The red cell first, the grey row after it: a marked cell in a shaded row ends up
      // red and bold on grey.
      if (winColumn >= 0) reTemp.HighlightSpan(index, winColumn, 5, clRed, clWhite, fsBold);
      if (Otbor.ShowNext.Show)
        reTemp.HighlightSpan(index, 0, static_cast<int>(line.size()), clLeave, clLightGrey, 0);
    }
  }
  if (m_tooManyValues)
    reTemp.AddLine(u"Слишком много разных значений для таблицы (too many distinct values): "_s +
                   GroupThousands(QString::number(MaxMarkovCells)) +
                   u" клеток (cells) наибольшее"_s);

  reTemp.AddLine(separator);
}

void PrintMarkovTable(TReportPane& pane, const iArray& series, TOtborMarkovTable otbor) {
  TMarkovTable table;
  table.Otbor = std::move(otbor);
  table.CreateMarkovTable(series);
  table.Print(pane);
}

void PrintMarkovTable(TReportPane& pane, const iArray& masters, const iArray& slaves,
                      TOtborMarkovTable otbor) {
  TMarkovTable table;
  table.Otbor = std::move(otbor);
  table.CreateMarkovTable(masters, slaves);
  table.Print(pane);
}

void PrintMarkovOfSeries(TReportPane& pane, const iArray& series, const QString& TableTitle,
                         const QString& NameMaster, const QString& NameSlave, bool ShowNextShow) {
  PrintMarkovTable(pane, series,
                   {.TableTitle = TableTitle,
                    .NameMaster = NameMaster,
                    .NameSlave = NameSlave,
                    .ShowNext = {.Show = ShowNextShow}});
}
