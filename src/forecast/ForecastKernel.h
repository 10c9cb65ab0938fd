#pragma once
// The walk's internals shared by its two compiled kernels (see ForecastWalk.h): the
// precomputed plan of masks and tables, the running values of a prefix, a chunk's results.

#include <vector>

#include "PrognozExt.h"
#include "PrognozFilters.h"

namespace forecast_walk {

using TMask = uint64_t;
constexpr int kMaxWords = 4;  // up to 256 source positions
// The most balls per combination: every count of a prefix then fits its packed field.
constexpr int kMaxWalkBalls = 20;
// The filters in the order of the chain; stage s of a walk is the chain after filter s.
constexpr int kFilterOrder[16] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

struct TWords {
  TMask w[kMaxWords] = {};
  void Set(int position) { w[position >> 6] |= TMask{1} << (position & 63); }
};

// Counts of a prefix packed into one word, so adding a ball is one addition: bits 0..5 the
// even balls; from kClassShift the hot/warm/cold counts (h, w, c) as the table index
// (h * (K + 1) + w) * (K + 1) + c; from kZoneShift the gaps per difference zone as the same
// kind of index. The balls in any-range set i go to field i (6 bits) of a second word.
// No count exceeds kMaxWalkBalls (20), so no index reaches 21^3 < 2^20 and no field
// overflows; larger combinations are walked one by one (TForecastWalk::Takes).
constexpr int kFieldBits = 6;
constexpr int kClassShift = 6;
constexpr int kZoneShift = 26;
// From kHitShift (6 bits): the balls of a given draw in the prefix, when the walk counts the
// survivors' matches with that draw.
constexpr int kHitShift = 46;
constexpr uint64_t kIndexMask = (uint64_t{1} << 20) - 1;
constexpr uint64_t Field(int index) { return uint64_t{1} << (kFieldBits * index); }
inline int FieldOf(uint64_t packed, int index) {
  return static_cast<int>((packed >> (kFieldBits * index)) & ((1u << kFieldBits) - 1));
}

// The running values of a prefix of the combination.
struct TPrefix {
  int Count = 0;  // balls in the prefix
  int LastPos = -1;
  int First = 0, Last = 0;
  int Pairs = 0, Sum = 0;
  uint64_t Counts = 0;     // even, classes, zones
  uint64_t AnyCounts = 0;  // any-range sets
  uint8_t Balls[kMaxWalkBalls] = {};
};

// Per-thread results of one chunk.
struct TChunkResult {
  int64_t Stage[17] = {};  // Stage[0]: combinations; Stage[s]: passing filter s of the chain
  int64_t Matches[kMaxWalkBalls + 1] = {};  // survivors sharing m balls with the given draw
  TCombinationTable Rows;
};

struct TPlan {
  int N = 0, K = 0, MaxBall = 0, Words = 1;
  iArray Source;
  int PosOfBall[256];
  TWords All;
  uint64_t BallCounts[256] = {};  // what a ball adds to TPrefix::Counts (even, classes)
  uint64_t GapCounts[256] = {};   // what a gap adds to TPrefix::Counts (zones)
  uint64_t BallAny[256] = {};     // what a ball adds to TPrefix::AnyCounts
  bool CountMatches = false;      // count the survivors' matches with the draw of HitMask
  TWords HitMask;                 // the source positions of that draw's balls

  // The masks of allowed last balls, one table per filter, indexed by a value of the prefix.
  // A filter that is off allows every ball, so the leaf never asks which filters are on.
  std::vector<TWords> EvenLeaf;    // by even count
  std::vector<TWords> SleepyLeaf;  // by SleepyIndex: pair count, first ball 1 or not, last position
  std::vector<TWords> SumLeaf;     // by prefix sum, up to the largest sum of K - 1 source balls
  TWords FirstLeaf[256];           // by first ball: its verdict with the allowed last balls
  std::vector<TWords> ClassLeaf;   // by (hot, warm, cold)
  // By DiffIndex: the last position and the set of gap patterns the zone counts still allow,
  // numbered in DiffSet (few distinct sets occur).
  std::vector<TWords> DiffLeaf;
  std::vector<uint16_t> DiffSet;  // by (zone counts)
  int DiffSets = 1;
  std::vector<TWords> AnyLeaf;  // by (set, count of balls in it): set * (K + 1) + count

  size_t SleepyIndex(int pairs, int first, int lastPos) const {
    return (static_cast<size_t>(pairs) * 2 + (first == 1)) * static_cast<size_t>(N) +
           static_cast<size_t>(lastPos);
  }
  size_t DiffIndex(uint64_t counts, int lastPos) const {
    return static_cast<size_t>(lastPos) * static_cast<size_t>(DiffSets) +
           DiffSet[(counts >> kZoneShift) & kIndexMask];
  }
  int CountIndex(int a, int b, int c) const { return (a * (K + 1) + b) * (K + 1) + c; }
};

// Walks one chunk: the subtree under `start`. Two builds of the same code: one for any
// x86-64 processor and one for processors with a hardware popcount, picked at run time.
void WalkChunkGeneric(const TPlan& plan, const TPrefix& start, TChunkResult& out, bool store);
void WalkChunkPopcnt(const TPlan& plan, const TPrefix& start, TChunkResult& out, bool store);
// Adds the ball at `position` of the source to a prefix.
void AddStartBall(const TPlan& plan, TPrefix& prefix, int position);

}  // namespace forecast_walk
