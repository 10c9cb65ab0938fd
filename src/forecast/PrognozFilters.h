#pragma once
// The filter settings of one forecast walk and its per-filter counters: what the walk (and
// its kernels) read and write, apart from the forecast object that owns them.

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/CommonFunctions.h"

// Whether an ascending list holds the value.
inline bool SortedContains(const iArray& sorted, int64_t value) {
  return std::binary_search(sorted.begin(), sorted.end(), value);
}
// Whether some code [a, b, c] fits the counts: each digit is -1 (any) or equals its count.
bool AnyCodeFits(const iArray2D& codes, int a, int b, int c);

// The filter settings of one run.
struct TMainPrognozFilters {
  iArray Even;                             // filter 01
  iArray Sleepy;                           // filter 02
  iArray SumBalls;                         // filter 03
  iArray FirstBall;                        // filter 04
  iArray LastBall;                         // filter 04
  iArray2D HotColdWinCode;                 // filter 05: [hot, warm, cold], -1 = any
  iArray Hot, Warm, Cold;                  // the classes for draw NextTira
  iArray2D DifferencesWinCode;             // filter 06: [zone 1, zone 2, zone 3], -1 = any
  iArray DiffZone1, DiffZone2, DiffZone3;  // the difference zones for draw NextTira
  std::array<iArray, 10> AnyRange;         // filter 10 + i: the ball set
  std::array<iArray, 10> AnyRangeWin;      // filter 10 + i: allowed numbers of balls from it
};

// A per-filter counter pair.
struct TFilterCount {
  int64_t Denied = 0;
  int64_t Accepted = 0;
  bool operator==(const TFilterCount&) const = default;
};
using TFiltersStatistics = std::array<TFilterCount, 31>;
