#include "PrognozExt.h"

#include <algorithm>

#include "core/Host.h"
#include "core/ReportPane.h"

using namespace Qt::StringLiterals;

QString TooManyCombinationsMessage(const QString& totalDigits) {
  return u"Всего возможных комбинаций: "_s + GroupThousands(totalDigits) +
         u"\rПеребор более 100.000.000 комбинаций превышает возможности компьютера"
         "\rи не имеет практического смысла."_s;
}

bool TPrognozExt::TestCombi(const iArray&) { return true; }

void TPrognozExt::Clear() {
  SourceRange.clear();
  PrognozTable.Reset(0);
  CombiSize = 0;
  NumCombTotal = NumCombFiltered = NumCombPrognoz = 0;
}

void TPrognozExt::SetTotalTable(THost* host) {
  PrognozTable.Reset(CombiSize);
  // Exact, not through the floating Binomial: that one is 0 for 171 or more source balls.
  NumCombTotal = BinomialCount(static_cast<int>(SourceRange.size()), CombiSize);
  if (NumCombTotal <= kMaxStoredSpace) {
    NumCombPrognoz = NumCombTotal;
  } else {
    if (host)
      host->ShowMessage(TooManyCombinationsMessage(
          BinomialText(static_cast<int>(SourceRange.size()), CombiSize)));
    NumCombPrognoz = 0;
  }
  NumCombPrognoz = std::min(NumCombPrognoz, kMaxPrognozRows);
  PrognozTable.Reserve(NumCombPrognoz);
}

void TPrognozExt::ReCalculate(THost* host) {
  SetTotalTable(host);
  WalkOneByOne(
      [host](int64_t done, int64_t total) { return !host || host->Progress(done, total); });
}

bool TPrognozExt::WalkOneByOne(const TWalkProgress& progress) {
  const int n = static_cast<int>(SourceRange.size());
  if (CombiSize > n || NumCombTotal == 0) return true;
  iArray positions(static_cast<size_t>(CombiSize));
  iArray combination(static_cast<size_t>(CombiSize));
  for (int i = 0; i < CombiSize; ++i) positions[static_cast<size_t>(i)] = i + 1;
  for (int64_t k = 0; k < NumCombTotal; ++k) {
    for (int i = 0; i < CombiSize; ++i)
      combination[static_cast<size_t>(i)] =
          SourceRange[static_cast<size_t>(positions[static_cast<size_t>(i)] - 1)];
    if (TestCombi(combination)) {
      if (PrognozTable.RowCount() < NumCombPrognoz) PrognozTable.AppendRow(combination);
      ++NumCombFiltered;
    }
    NextIndexCombination(positions, n);
    if ((k & 0xFFFF) == 0 && progress && !progress(k, NumCombTotal)) return false;
  }
  return true;
}
