#pragma once
// Frequency tables of a value series: how often each value occurs, printed into the result
// pane as per-cent, count and an asterisk bar, optionally with the gaps between occurrences
// (steps), a picture of where the value occurs (series text) and the values in order of
// decreasing frequency. Almost every analysis prints one of these for its per-draw series.

#include <QChar>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/CommonFunctions.h"
#include "core/ReportPane.h"

// The counts of a series or of all elements of a table of rows.
struct TFrequencyTable {
  // Rows [value, count], ascending by value, from the smallest to the largest value of the
  // input; values in between that never occur have count 0. When the span between the
  // smallest and the largest value exceeds MaxDenseFrequencySpan, only occurring values are
  // listed (see MaxDenseFrequencySpan).
  iArray2D Table;
  int TotalCount = 0;          // number of observations counted
  int MaxFreq = 0;             // highest count in Table
  iArray RangeFrequencyOrder;  // occurring values by decreasing count; ties ascending by value
};

// The widest value span (largest − smallest + 1) for which the table lists the zero-count
// values in between. A series such as {0, 2000000000} would otherwise ask for two billion
// rows; beyond this span the table keeps only the values that occur. Real report series
// (counts, sums, skips, codes) span a few thousand values at most, so they always get the
// full table. 100,000 rows keep a table printed with every zero row (value objects and pane
// lines of ~100 characters each) within a few tens of megabytes.
inline constexpr int64_t MaxDenseFrequencySpan = 100'000;

// The steps and series columns are padded to one width on every row, so their text grows as
// rows × width. A column that would pass this many characters is left out, and the table
// says so: 10,000 distinct values of a 10,000-long series would need 110,000,000.
inline constexpr int64_t MaxFrequencyColumnChars = 16'000'000;

TFrequencyTable MakeFrequencyTable(const iArray& series);
// Every element of every row counted once; rows may differ in length.
TFrequencyTable MakeFrequencyTableOfRows(const iArray2D& rows);
// Stable sort of whole rows by one column (equal keys keep their order). A negative column,
// or a column that some row does not hold, leaves the rows as they are.
void SortRowsByColumn(iArray2D& rows, int column, bool ascending);

// The options of one TFrequency, with their defaults.
struct TOtborFrequency {
  QString TableTitle;           // first line printed
  QString ValueTitle;           // heading of the value column
  int MaxPrint = 0;             // > 0: at most this many value lines
  bool DelZero = true;          // drop values with count 0
  int ProcentRazr = 2;          // decimals of the per-cent text: 0..3, anything else means 2
  bool Sort = false;            // order by count instead of by value
  bool SortUp = false;          // with Sort: ascending counts
  bool SortSteps = true;        // sort the steps after the first one ascending
  bool PrintSteps = false;      // compute and print the steps column
  bool PrintSeries = false;     // compute and print the series column
  bool PrintFreqOrder = false;  // after the table, all occurring values by frequency
  int InsertSpace = 0;          // > 0: an empty line after every InsertSpace-th value line
  iArray SelectRed;             // values marked in red
};

// One value shown by a TFrequency, with its line texts.
struct TFrequencyValue {
  int Value = 0;
  int Count = 0;
  double Procent = 0.0;     // Count / TotalCount, 0..1
  QString ProcentString;    // Procent × 100 with ProcentRazr decimals
  iArray Steps;             // gaps between occurrences (only with PrintSteps)
  int MaxFreq = 0;          // the table's MaxFreq; scales the bar
  QString FrequencyString;  // title, per cent, count and bar, 70 characters
  QString SeriesString;     // occurrence picture (only with PrintSeries)
  QString StepsString;      // steps column text
};

// Builds and prints the frequency table of one series (or of a table of rows).
// Use: set Otbor and DecimalSeparator, CreateFrequencyTable, Print.
class TFrequency {
public:
  TFrequency() = default;
  virtual ~TFrequency() = default;
  TFrequency(const TFrequency&) = default;
  TFrequency& operator=(const TFrequency&) = default;

  std::vector<TFrequencyValue> Values;  // in print order
  TOtborFrequency Otbor;
  iArray RangeFrequencyOrder;
  // The decimal separator of the per-cent texts; callers set it from THost::DecimalSeparator().
  QChar DecimalSeparator = QLatin1Char('.');

  // From a series, newest first: fills Values (with steps and series text as asked) and
  // RangeFrequencyOrder. Builds every line text, so set the options first.
  void CreateFrequencyTable(const iArray& SourceRange);
  // From all elements of a table of rows; no steps and no series text.
  void CreateFrequencyTable(const iArray2D& SourceTable);
  // A braced series such as {9} or {} is a series, not a table of rows.
  void CreateFrequencyTable(std::initializer_list<int32_t> SourceRange) {
    CreateFrequencyTable(iArray(SourceRange));
  }

  // The 70-character line of one value.
  QString PrintValueFrequency(const TFrequencyValue& Value) const;
  // Appends the table to the pane.
  void Print(TReportPane& reTemp) const;

  // The text shown for a value: its decimal form.
  virtual QString GetValueTitle(int Value) const;

  // The columns asked for but left out, beyond MaxFrequencyColumnChars.
  bool StepsLeftOut = false;
  bool SeriesLeftOut = false;

private:
  qsizetype m_stepsWidth = 0, m_seriesWidth = 0;  // of a column left out
  void FillValues(const TFrequencyTable& table);
  QString ProcentText(double procent) const;
};

// A frequency table whose values are WinCode numbers, shown as three-character codes:
// 203 → "203", 32 → "032", 1203 → "x03", any negative value → "xxx".
class TFrequencyWinCode : public TFrequency {
public:
  QString GetValueTitle(int Value) const override;
};

// The one call of the reports: the frequency table of a series with these options (set by
// designated initialisers, the rest at their defaults), appended to the pane.
template <typename TTable = TFrequency>
void PrintFrequencyTable(TReportPane& pane, const iArray& series, TOtborFrequency otbor,
                         QChar decimalSeparator) {
  TTable table;
  table.DecimalSeparator = decimalSeparator;
  table.Otbor = std::move(otbor);
  table.CreateFrequencyTable(series);
  table.Print(pane);
}

// The gaps of `value` in a series (newest first): the first is the position of the newest
// occurrence + 1, each further one the distance to the previous occurrence.
iArray FrequencySteps(const iArray& series, int value);
// "1" where the element equals `value`, "." elsewhere, a space after every tenth element.
QString FrequencySeriesText(const iArray& series, int value);

// Builds a TFrequency with default options except those given, prints it into the pane.
void PrintFrequencyOfSeries(TReportPane& pane, const iArray& series, const QString& TableTitle,
                            const QString& ValueTitle, bool Sort, bool SortUp, bool DelZero,
                            int MaxPrint, bool PrintFreqOrder, const iArray& SelectRed,
                            QChar DecimalSeparator = QLatin1Char('.'));
