#pragma once
// Differences: the gaps between the neighbouring balls of a draw, the three zones of small,
// middle and large gaps found from the pooled gaps of the P draws before a draw (P = the hot
// window), and the difference WinCode: how many of a draw's gaps fall into each zone.
//
// The per-draw values are shared with the forecast filters, which test every combination of
// the lottery against the zones of the forecast draw: for them the zones are turned once into
// a TDifferenceZoneMap, and DrawDifferences / DifferenceZoneCounts / DifferenceWinCodeNumber
// work on a sorted combination without allocating.

#include <QChar>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"
#include "stats/HotWarmCold.h"

// The Differences panel (PanelDifference) as a parameter record.
struct TDifferencesParams {
  int NextTira = 1;      // T, the analysed draw (seNextTira)
  int History = 100;     // H, draws in the code history (seDifferenceHistory)
  bool WinCode = false;  // checkDifferenceWinCode: code history and its frequency table
  bool Source = false;   // checkDifferenceSource: pooled differences' table and the zones
  QChar DecimalSeparator = QLatin1Char('.');
};
inline constexpr int kDifferenceHistoryMin = 1;
inline constexpr int kDifferenceHistoryMax = 2000;

// The zones of one draw: ascending difference values; every number 1..MaxBall is in at least
// one of them, a value may be in two (Zone2 and Zone3).
struct TDifferenceZones {
  iArray Zone1, Zone2, Zone3;
  bool operator==(const TDifferenceZones&) const = default;
};

// Zone membership as bit flags.
enum TDifferenceZoneBit : uint8_t { kDiffZone1 = 1, kDiffZone2 = 2, kDiffZone3 = 4 };

// The zones of one draw as a lookup table over the values 0..kMaxBallLimit (every difference a
// combination of a valid lottery can have), for testing many combinations without allocating.
struct TDifferenceZoneMap {
  std::array<uint8_t, kMaxBallLimit + 1> Mask{};
  // The kDiffZone bits of a value; 0 for a value outside 0..kMaxBallLimit.
  uint8_t ZonesOf(int64_t value) const {
    return value >= 0 && value <= kMaxBallLimit ? Mask[static_cast<size_t>(value)] : uint8_t(0);
  }
};
TDifferenceZoneMap DifferenceZoneMap(const TDifferenceZones& zones);

// The differences of neighbouring balls, sorted ascending: 3 8 9 20 33 gives 1 5 11 13. The
// balls may come in any order; fewer than two balls give no differences.
iArray DrawDifferences(const iArray& balls);
// The same for an ascending combination, written to out (room for size − 1 values); returns
// how many were written (0 for fewer than two balls). No allocation.
int DrawDifferences(std::span<const int32_t> sortedBalls, int32_t* out);

// The differences of the P draws d − 1 … d − P joined, newest draw first.
iArray PooledDifferences(const TLottery& lottery, int draw);
// The zones of draw d, from its pooled differences.
TDifferenceZones DifferenceZones(const TLottery& lottery, int draw);
// The zones of any pool of differences in a lottery whose highest ball is maxBall.
TDifferenceZones DifferenceZonesOfPool(const iArray& pooled, int maxBall);

// The difference WinCode of draw d (its own differences against its own zones); no code
// (empty) for a draw without differences.
TWinCode DifferenceWinCode(const TLottery& lottery, int draw);
// The codes of the draws newest, newest − 1, …, newest − count + 1 (element i is the code of
// draw newest − i), found with one running pool instead of one pool per draw.
std::vector<TWinCode> DifferenceWinCodes(const TLottery& lottery, int newest, int count);
// Any list of differences against given zones.
TWinCode DifferenceWinCode(const TDifferenceZones& zones, const iArray& differences);
// How many differences of an ascending combination lie in Zone1, Zone2 and Zone3 (a value in
// two zones counts in both). No allocation.
std::array<int, 3> DifferenceZoneCounts(const TDifferenceZoneMap& zones,
                                        std::span<const int32_t> sortedBalls);
// The WinCode number of an ascending combination against the zones: 100·d1 + 10·d2 + d3, or
// −1 when it has no differences or a count is above 9. No allocation.
int DifferenceWinCodeNumber(const TDifferenceZoneMap& zones, std::span<const int32_t> sortedBalls);

// The Differences report: the last ten draws with their differences and codes, the code of T,
// optionally the code history of H draws and the pooled differences with the zones of T.
void ShowDifferencesReport(const TLottery& lottery, const TDifferencesParams& params,
                           TReportPane& pane);
