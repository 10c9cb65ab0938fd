#pragma once
// Markov transition tables: how often a value of one series was followed by (or paired with)
// a value of another, printed as a grid with the row of the newest value shaded and, when the
// analysed draw is known, the cell of its actual value in red.

#include <QString>
#include <cstdint>
#include <initializer_list>

#include "core/CommonFunctions.h"
#include "core/ReportPane.h"

// An integer that may or may not be shown.
class TNullValue {
public:
  bool Show = false;
  int Value = 0;
};

// The options of one Markov table.
struct TOtborMarkovTable {
  QString TableTitle;   // first line printed
  QString NameMaster;   // name of the row values ("Previous", "Total")
  QString NameSlave;    // name of the column values ("Next", "Win")
  TNullValue ShowNext;  // the row whose value is ShowNext.Value: shaded grey when Show
  TNullValue ShowWin;   // with Show: the cell of the ShowNext row in column ShowWin.Value is red
};

// The largest grid (rows × columns, headings included) a table is built for. Every distinct
// value of a series may become a row and a column, so a long series of distinct values would
// ask for a grid quadratic in its length (10,000 distinct values: 10^8 cells and a
// gigabyte-scale text). Beyond this bound (about 2,000 × 2,000 values) the table is left
// without pairs and prints as an empty frame with a line that says why.
inline constexpr int64_t MaxMarkovCells = 4'000'000;

// Builds and prints one transition table.
// Use: set the names and marks in Otbor, CreateMarkovTable, Print.
class TMarkovTable {
public:
  TMarkovTable() = default;
  virtual ~TMarkovTable() = default;
  TMarkovTable(const TMarkovTable&) = default;
  TMarkovTable& operator=(const TMarkovTable&) = default;

  // (masters + 1) × (slaves + 1): [0][0] = −1; row 0 from column 1: the distinct slave values
  // ascending; column 0 from row 1: the distinct master values ascending; [r][c]: the number of
  // pairs (master r, slave c).
  // Empty until built; a build without pairs leaves {{-1}}.
  iArray2D MarkovTable;
  TOtborMarkovTable Otbor;

  // From one series, newest first: pairs (element i + 1 → element i); ShowNext.Value becomes
  // the newest value (0 for an empty series).
  void CreateMarkovTable(const iArray& mSourceRange);
  // Pairs element i of the master series with element i of the slave series, up to the
  // shorter length. ShowNext is left to the caller.
  void CreateMarkovTable(const iArray& mMasterRange, const iArray& mSlaveRange);
  // From pairs [master, slave]; rows with fewer than two elements are skipped.
  void CreateMarkovTable(const iArray2D& SourceTable);
  // A braced series such as {7} or {} is a series, not a list of pairs.
  void CreateMarkovTable(std::initializer_list<int32_t> mSourceRange) {
    CreateMarkovTable(iArray(mSourceRange));
  }

  // Appends the grid to the pane.
  void Print(TReportPane& reTemp) const;

  // The text of a row or column value: its decimal form.
  virtual QString GetValueTitle(int Value) const;

  // True when the last build had more distinct values than MaxMarkovCells allows.
  bool TooManyValues() const { return m_tooManyValues; }

private:
  bool m_tooManyValues = false;
};

// Builds a table with the given title, names and row shading from one series and prints it.
// The one call of the reports: the transition table of a series (or of masters to slaves)
// with these options, appended to the pane. The one-series table marks the row of its
// newest value, as CreateMarkovTable does.
void PrintMarkovTable(TReportPane& pane, const iArray& series, TOtborMarkovTable otbor);
void PrintMarkovTable(TReportPane& pane, const iArray& masters, const iArray& slaves,
                      TOtborMarkovTable otbor);

void PrintMarkovOfSeries(TReportPane& pane, const iArray& series, const QString& TableTitle,
                         const QString& NameMaster, const QString& NameSlave, bool ShowNextShow);
