#pragma once
// The combination space of a forecast: every combination of CombiSize balls out of
// SourceRange, walked in lexicographic order, tested, counted, and the passing ones kept.

#include <QString>
#include <cstdint>
#include <functional>

#include "core/CombinationTable.h"
#include "core/CommonFunctions.h"

class THost;

// Progress of a walk: done and total combinations; returning false cancels.
using TWalkProgress = std::function<bool(int64_t done, int64_t total)>;

// Above this many combinations the space is walked and counted but nothing is stored.
inline constexpr int64_t kMaxStoredSpace = 100'000'000;
// The stored table never holds more rows: the first ones in walk order are kept.
inline constexpr int64_t kMaxPrognozRows = 16'000'000;

// The three-line message shown when a space is too large to store.
QString TooManyCombinationsMessage(const QString& totalDigits);

class TPrognozExt {
public:
  virtual ~TPrognozExt() = default;

  int CombiSize = 0;
  iArray SourceRange;  // ascending, distinct, each 1..MaxBall
  int64_t NumCombTotal = 0;
  int64_t NumCombFiltered = 0;
  int64_t NumCombPrognoz = 0;
  TCombinationTable PrognozTable;

  // True when the combination (ascending balls) passes; the base accepts everything.
  virtual bool TestCombi(const iArray& combination);
  virtual void Clear();
  // Sizes the walk (the message through `host` when too large) and reserves the table.
  void SetTotalTable(THost* host);
  // Walks every combination through TestCombi, adding to NumCombFiltered.
  virtual void ReCalculate(THost* host);

protected:
  // The walk of ReCalculate after SetTotalTable, one combination at a time; returns false
  // when `progress` cancelled it.
  bool WalkOneByOne(const TWalkProgress& progress);
};
