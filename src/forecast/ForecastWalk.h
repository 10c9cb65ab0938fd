#pragma once
// The hot path of the forecast: the walk over every combination with the filter chain.
//
// Instead of testing one combination at a time, the walk carries the running values of a
// prefix of K-1 balls (even count, pairs, sum, class counts, zone counts, any-range counts)
// down the loop nest and evaluates every filter for all possible last balls at once as a
// bit mask over the source positions: the masks are ANDed filter by filter in the chain's
// order and popcounts give each filter's accepted and denied counts. Each mask is one table
// lookup by a value of the prefix, precomputed for the settings; a filter that is off is a
// table that allows every ball, so the hot loop never asks which filters are on. The space
// is cut into chunks (subtrees of the first two balls) handed out to threads on demand;
// their results are committed in walk order, so the rows and counters equal those of a
// one-by-one walk.

#include "PrognozExt.h"
#include "PrognozFilters.h"

struct TWalkResult {
  TFiltersStatistics Statistics{};
  int64_t Filtered = 0;
  bool Cancelled = false;
  std::vector<int64_t> Matches;  // survivors sharing 0 .. K balls with the draw, when counted
};

// Which build of the walk's kernel runs: the fastest this processor has, or the one for any
// x86-64 processor (the tests compare them).
enum class TWalkKernel { Fastest, Portable };

class TForecastWalk {
public:
  TForecastWalk(const TMainPrognozFilters& filters, const iArray& source, int combiSize,
                int maxBall);
  ~TForecastWalk();
  TForecastWalk(const TForecastWalk&) = delete;
  TForecastWalk& operator=(const TForecastWalk&) = delete;

  // Whether the walk takes this space: 2 to kMaxWalkBalls balls per combination out of at
  // most 256 source balls, each below 256 (its packed counts and byte rows need it).
  static bool Takes(int combiSize, const iArray& source);

  // Makes Run count the survivors sharing 0, 1, ..., K balls with this draw (distinct balls).
  void CountMatches(const iArray& drawBalls);
  // Walks the space with `threads` threads (0: all cores), storing at most `storeLimit`
  // passing rows into `table` (reset first) in walk order.
  TWalkResult Run(int threads, int64_t storeLimit, const TWalkProgress& progress,
                  TCombinationTable& table, TWalkKernel kernel = TWalkKernel::Fastest);

  struct TPlan;

private:
  std::unique_ptr<TPlan> m_plan;
};

// The bare walk of the same space with no filter: counts combinations one by one with the
// same chunking and threads. The baseline the filtered walk is measured against.
int64_t CountCombinationsBare(int n, int k, int threads);
