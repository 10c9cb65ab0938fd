#pragma once
// The win statistic of a pool: had these combinations been played in a draw, how many of
// them would have matched 0, 1, 2, ... of its balls; printed as a small block of report
// lines. Also the pool deviation, a one-number measure of how unevenly a series is spread.

#include <QChar>
#include <QString>
#include <cstdint>

#include "core/CombinationTable.h"
#include "core/CommonFunctions.h"
#include "core/ReportPane.h"

class TWinStatistic {
public:
  QString Zagolovok;      // the title line of the printed block
  int64_t TotalComb = 0;  // rows of the table last loaded
  // WinStat[m]: rows with exactly m balls in common with the result range; m = 0 .. L, L the
  // smaller of the longest row and the result range. Sums to TotalComb.
  iArray WinStat;
  // The decimal separator of the percentages (the user's locale).
  QChar DecimalSeparator = QLatin1Char('.');

  // Counts the pool against the balls of a draw (empty for a draw not yet drawn).
  void ReLoad(const iArray2D& mTable, const iArray& resultRange);
  void ReLoad(const TCombinationTable& mTable, const iArray& resultRange);
  // Writes the block: appended when iLine < 0, else inserted from line iLine on (the title at
  // iLine, the total at iLine + 1, m matches at iLine + 2 + m). A line past the end appends.
  void Print(TReportPane& reTemp, int iLine) const;
};

// How unevenly a series is spread: the sum of its first tenth over the sum of its last tenth
// (a tenth is at least one value; 0 for an empty series or a last tenth summing to 0).
double Deviation(const iArray& values);
// Deviation with three decimals, or "x.xxx" when it is not above 0.
QString DeviationText(const iArray& values, QChar decimalSeparator = QLatin1Char('.'));
