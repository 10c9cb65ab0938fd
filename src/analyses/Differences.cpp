#include "analyses/Differences.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "stats/Frequency.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes(79, u'-');

// A difference of two balls as a 32-bit value (saturated: a table filled by hand may hold
// balls whose distance does not fit).
int32_t Gap(int32_t lower, int32_t upper) {
  const int64_t gap = int64_t(upper) - lower;
  return static_cast<int32_t>(std::min<int64_t>(gap, std::numeric_limits<int32_t>::max()));
}

// Appends the ascending differences of ascending balls.
void AppendDifferences(std::span<const int32_t> sorted, iArray& out) {
  const size_t start = out.size();
  for (size_t i = 1; i < sorted.size(); ++i) out.push_back(Gap(sorted[i - 1], sorted[i]));
  std::sort(out.begin() + static_cast<std::ptrdiff_t>(start), out.end());
}

// The walk over the rows of the pooled frequency table (ascending values, with their counts)
// that assigns each value its zones by the running share of the pool.
class TZoneWalk {
public:
  explicit TZoneWalk(int64_t total) : m_total(total) {}

  uint8_t Next(int64_t count) {
    m_running += count;
    const double share = double(m_running) / double(m_total);
    uint8_t zones = 0;
    if (share < kSmall) {
      zones = kDiffZone1;
    } else if (!m_first && m_zone2Empty) {
      // The row at which the share crosses a third joins the small gaps only when that
      // brings the small zone's share closer to a third than it was without it.
      zones = std::abs(m_previous - kSmall) > std::abs(share - kSmall) ? kDiffZone1 : kDiffZone2;
    } else if (share <= kLarge) {
      zones = kDiffZone2;
    }
    if (share > kLarge) zones |= kDiffZone3;
    if (zones & kDiffZone2) m_zone2Empty = false;
    m_first = false;
    m_previous = share;
    return zones;
  }

private:
  static constexpr double kSmall = 0.33;
  static constexpr double kLarge = 0.7;
  int64_t m_total;
  int64_t m_running = 0;
  double m_previous = 0.0;
  bool m_first = true;
  bool m_zone2Empty = true;
};

TWinCode CodeOfCounts(const std::array<int, 3>& counts) {
  TWinCode code(3);
  for (size_t z = 0; z < 3; ++z) code[z] = counts[z] <= 9 ? counts[z] : -1;
  return code;
}

// The sorted differences of the draws first..last, kept flat, so a window can add and drop
// whole draws without recomputing them.
class TDifferenceStore {
public:
  TDifferenceStore(const TLottery& lottery, int64_t first, int64_t last) : m_first(first) {
    const int64_t count = std::max<int64_t>(0, last - first + 1);
    m_offsets.reserve(static_cast<size_t>(count) + 1);
    m_offsets.push_back(0);
    iArray sorted;
    for (int64_t d = first; d <= last; ++d) {
      const std::span<const int32_t> balls = lottery.DrawBallsView(d);
      sorted.assign(balls.begin(), balls.end());
      std::sort(sorted.begin(), sorted.end());
      AppendDifferences(sorted, m_values);
      m_offsets.push_back(m_values.size());
    }
  }
  std::span<const int32_t> Of(int64_t d) const {
    const int64_t i = d - m_first;
    if (i < 0 || i + 1 >= static_cast<int64_t>(m_offsets.size())) return {};
    return std::span<const int32_t>(m_values).subspan(
        m_offsets[static_cast<size_t>(i)],
        m_offsets[static_cast<size_t>(i) + 1] - m_offsets[static_cast<size_t>(i)]);
  }
  int32_t MaxValue() const {
    return m_values.empty() ? 0 : *std::max_element(m_values.begin(), m_values.end());
  }

private:
  int64_t m_first;
  std::vector<size_t> m_offsets;
  iArray m_values;
};

// Beyond this value a pool is no longer counted in a plain array (only a table filled by hand
// can hold such balls); the codes are then found draw by draw from each pool.
constexpr int32_t kDenseDifferenceLimit = 1 << 16;

}  // namespace

// ---- per-draw values ----

TDifferenceZoneMap DifferenceZoneMap(const TDifferenceZones& zones) {
  TDifferenceZoneMap map;
  auto mark = [&map](const iArray& zone, uint8_t bit) {
    for (int32_t v : zone)
      if (v >= 0 && v <= kMaxBallLimit) map.Mask[static_cast<size_t>(v)] |= bit;
  };
  mark(zones.Zone1, kDiffZone1);
  mark(zones.Zone2, kDiffZone2);
  mark(zones.Zone3, kDiffZone3);
  return map;
}

iArray DrawDifferences(const iArray& balls) {
  iArray sorted = balls;
  std::sort(sorted.begin(), sorted.end());
  iArray differences;
  if (sorted.size() >= 2) differences.reserve(sorted.size() - 1);
  AppendDifferences(sorted, differences);
  return differences;
}

int DrawDifferences(std::span<const int32_t> sortedBalls, int32_t* out) {
  if (sortedBalls.size() < 2) return 0;
  const int n = static_cast<int>(sortedBalls.size()) - 1;
  for (int i = 0; i < n; ++i) {
    // Insertion sort: a combination has at most a few dozen differences.
    const int32_t gap =
        Gap(sortedBalls[static_cast<size_t>(i)], sortedBalls[static_cast<size_t>(i) + 1]);
    int j = i;
    for (; j > 0 && out[j - 1] > gap; --j) out[j] = out[j - 1];
    out[j] = gap;
  }
  return n;
}

iArray PooledDifferences(const TLottery& lottery, int draw) {
  const int window = HotWindow(lottery.BallsInDraw, lottery.MaxBall);
  iArray pooled;
  iArray sorted;
  for (int64_t d = int64_t(draw) - 1; d >= int64_t(draw) - window; --d) {
    const std::span<const int32_t> balls = lottery.DrawBallsView(d);
    sorted.assign(balls.begin(), balls.end());
    std::sort(sorted.begin(), sorted.end());
    AppendDifferences(sorted, pooled);
  }
  return pooled;
}

TDifferenceZones DifferenceZonesOfPool(const iArray& pooled, int maxBall) {
  TDifferenceZones zones;
  const TFrequencyTable table = MakeFrequencyTable(pooled);
  TZoneWalk walk(table.TotalCount);
  for (const iArray& row : table.Table) {
    const uint8_t bits = walk.Next(row[1]);
    if (bits & kDiffZone1) zones.Zone1.push_back(row[0]);
    if (bits & kDiffZone2) zones.Zone2.push_back(row[0]);
    if (bits & kDiffZone3) zones.Zone3.push_back(row[0]);
  }
  // Every ball-range number that no row placed (outside the pool's value range) is a large gap.
  auto placed = [&table](int32_t v) {
    const auto it =
        std::lower_bound(table.Table.begin(), table.Table.end(), v,
                         [](const iArray& row, int32_t value) { return row[0] < value; });
    return it != table.Table.end() && (*it)[0] == v;
  };
  for (int32_t v = 1; v <= maxBall; ++v)
    if (!placed(v)) zones.Zone3.push_back(v);
  std::sort(zones.Zone1.begin(), zones.Zone1.end());
  std::sort(zones.Zone2.begin(), zones.Zone2.end());
  std::sort(zones.Zone3.begin(), zones.Zone3.end());
  return zones;
}

TDifferenceZones DifferenceZones(const TLottery& lottery, int draw) {
  return DifferenceZonesOfPool(PooledDifferences(lottery, draw), lottery.MaxBall);
}

TWinCode DifferenceWinCode(const TDifferenceZones& zones, const iArray& differences) {
  return WinCodeOf(zones.Zone1, zones.Zone2, zones.Zone3, differences);
}

TWinCode DifferenceWinCode(const TLottery& lottery, int draw) {
  const iArray differences = DrawDifferences(lottery.DrawBalls(draw));
  if (differences.empty()) return {};
  return DifferenceWinCode(DifferenceZones(lottery, draw), differences);
}

std::array<int, 3> DifferenceZoneCounts(const TDifferenceZoneMap& zones,
                                        std::span<const int32_t> sortedBalls) {
  std::array<int, 3> counts{0, 0, 0};
  for (size_t i = 1; i < sortedBalls.size(); ++i) {
    const uint8_t bits = zones.ZonesOf(int64_t(sortedBalls[i]) - sortedBalls[i - 1]);
    counts[0] += bits & kDiffZone1 ? 1 : 0;
    counts[1] += bits & kDiffZone2 ? 1 : 0;
    counts[2] += bits & kDiffZone3 ? 1 : 0;
  }
  return counts;
}

int DifferenceWinCodeNumber(const TDifferenceZoneMap& zones, std::span<const int32_t> sortedBalls) {
  if (sortedBalls.size() < 2) return -1;
  const std::array<int, 3> c = DifferenceZoneCounts(zones, sortedBalls);
  if (c[0] > 9 || c[1] > 9 || c[2] > 9) return -1;
  return 100 * c[0] + 10 * c[1] + c[2];
}

std::vector<TWinCode> DifferenceWinCodes(const TLottery& lottery, int newest, int count) {
  std::vector<TWinCode> codes;
  if (count <= 0) return codes;
  codes.reserve(static_cast<size_t>(count));
  const int window = HotWindow(lottery.BallsInDraw, lottery.MaxBall);
  const int64_t oldest = int64_t(newest) - count + 1;
  const TDifferenceStore store(lottery, oldest - window, newest);
  const int32_t bound = std::max(store.MaxValue(), lottery.MaxBall);

  if (bound > kDenseDifferenceLimit) {
    iArray pooled;
    for (int64_t d = newest; d >= oldest; --d) {
      const std::span<const int32_t> own = store.Of(d);
      if (own.empty()) {
        codes.emplace_back();
        continue;
      }
      pooled.clear();
      for (int64_t s = d - 1; s >= d - window; --s) {
        const std::span<const int32_t> gaps = store.Of(s);
        pooled.insert(pooled.end(), gaps.begin(), gaps.end());
      }
      codes.push_back(DifferenceWinCode(DifferenceZonesOfPool(pooled, lottery.MaxBall),
                                        iArray(own.begin(), own.end())));
    }
    return codes;
  }

  // A running pool: counts of every difference value over the draws d − 1 … d − P. Moving
  // from d to d − 1 drops draw d − 1 and takes in draw d − 1 − P.
  std::vector<int64_t> pool(static_cast<size_t>(bound) + 1, 0);
  std::vector<uint8_t> zones(pool.size(), 0);
  int64_t total = 0;
  auto add = [&](int64_t d, int sign) {
    for (int32_t gap : store.Of(d)) pool[static_cast<size_t>(gap)] += sign;
    total += sign * static_cast<int64_t>(store.Of(d).size());
  };
  for (int64_t s = int64_t(newest) - 1; s >= int64_t(newest) - window; --s) add(s, +1);

  for (int64_t d = newest; d >= oldest; --d) {
    const std::span<const int32_t> own = store.Of(d);
    if (own.empty()) {
      codes.emplace_back();
    } else {
      std::fill(zones.begin(), zones.end(), uint8_t(0));
      if (total > 0) {
        size_t lo = 0;
        while (pool[lo] == 0) ++lo;
        size_t hi = pool.size() - 1;
        while (pool[hi] == 0) --hi;
        TZoneWalk walk(total);
        for (size_t v = lo; v <= hi; ++v) zones[v] = walk.Next(pool[v]);
      }
      for (int32_t v = 1; v <= lottery.MaxBall; ++v)
        if (zones[static_cast<size_t>(v)] == 0) zones[static_cast<size_t>(v)] = kDiffZone3;
      std::array<int, 3> counts{0, 0, 0};
      for (int32_t gap : own) {
        const uint8_t bits = zones[static_cast<size_t>(gap)];
        counts[0] += bits & kDiffZone1 ? 1 : 0;
        counts[1] += bits & kDiffZone2 ? 1 : 0;
        counts[2] += bits & kDiffZone3 ? 1 : 0;
      }
      codes.push_back(CodeOfCounts(counts));
    }
    if (window > 0) {
      add(d - 1, -1);
      add(d - 1 - window, +1);
    }
  }
  return codes;
}

// ---- report ----

void ShowDifferencesReport(const TLottery& lottery, const TDifferencesParams& params,
                           TReportPane& pane) {
  pane.Clear();
  const int T = std::clamp(params.NextTira, lottery.FirstTira, lottery.NewTira);
  const int H = std::clamp(params.History, kDifferenceHistoryMin, kDifferenceHistoryMax);
  const int K = lottery.BallsInDraw;
  constexpr int kRecent = 10;

  // codes[i] is the code of draw T − i.
  const int listed = params.WinCode ? std::max(kRecent, H) : kRecent;
  const std::vector<TWinCode> codes = DifferenceWinCodes(lottery, T, listed + 1);

  pane.AddLine(u"Разницы (Difference):"_s);
  pane.AddLine(QString());
  pane.AddLine(u" Тираж       Шары                 "_s + QString(std::max(1, 5 * K - 16), u' ') +
               u"   Разницы"_s + QString(std::max(1, 5 * K - 15), u' ') + u"        "_s +
               u"ВинКод"_s);
  for (int i = kRecent; i >= 1; --i) {
    const int d = T - i;
    iArray balls = lottery.DrawBalls(d);
    std::sort(balls.begin(), balls.end());
    QString line = PadLeft(6, QString::number(d)) + u"    "_s;
    for (int32_t ball : balls) line += IntPadLeft(5, ball);
    line += u"  ...  "_s;
    for (int32_t gap : DrawDifferences(balls)) line += IntPadLeft(5, gap);
    line += u"   ...     "_s;
    line += WinCodeText(codes[static_cast<size_t>(i)]);
    pane.AddLine(line);
  }
  pane.AddLine(QString());
  const TWinCode& own = codes.front();
  pane.AddLine(u"ВинКод Разниц для тиража #"_s + QString::number(T) + u": "_s +
               (own.empty() ? u"???"_s : WinCodeText(own)));

  if (params.WinCode) {
    pane.AddLine(QString());
    pane.AddLine(QString());
    pane.AddLine(kDashes);
    pane.AddLine(u"                             <-- <-- # "_s + QString::number(T - 1) + u" - "_s +
                 QString::number(T - H) + u". История (History) WinCode"_s);
    iArray numbers;
    numbers.reserve(static_cast<size_t>(H));
    for (int z = 0; z < 3; ++z) {
      QString line = u"ВинКод (Win in Zone"_s + QString::number(z + 1) + u"):     "_s;
      line.reserve(line.size() + 3 * H);
      for (int i = 1; i <= H; ++i) {
        const TWinCode& code = codes[static_cast<size_t>(i)];
        // A draw without differences (before the first draw) has no code: "x" like a bad digit.
        const int digit = code.size() < 3 ? -1 : code[static_cast<size_t>(z)];
        line += digit < 0 ? u"  x"_s : IntPadLeft(3, digit);
      }
      pane.AddLine(line);
    }
    for (int i = 1; i <= H; ++i) numbers.push_back(WinCodeToNumber(codes[static_cast<size_t>(i)]));
    pane.AddLine(QString());
    PrintFrequencyTable<TFrequencyWinCode>(pane, numbers,
                                           {.TableTitle = u"Частота выпадения ВинКодов:"_s,
                                            .ValueTitle = u"WinCode"_s,
                                            .PrintSeries = true},
                                           params.DecimalSeparator);
    pane.AddLine(QString());
    pane.AddLine(kDashes);
  }

  if (params.Source) {
    pane.AddLine(QString());
    pane.AddLine(kDashes);
    pane.AddLine(QString());
    const iArray pooled = PooledDifferences(lottery, T);
    PrintFrequencyTable(pane, pooled,
                        {.TableTitle = u"Частота выпадения \"Разниц\"."_s,
                         .ValueTitle = u"Разница"_s,
                         .PrintFreqOrder = true},
                        params.DecimalSeparator);
    pane.AddLine(QString());
    pane.AddLine(u"Разницы по Зонам:"_s);
    const TDifferenceZones zones = DifferenceZonesOfPool(pooled, lottery.MaxBall);
    pane.AddLine(u"Zone1= "_s + NumbersToText(3, zones.Zone1));
    pane.AddLine(u"Zone2= "_s + NumbersToText(3, zones.Zone2));
    pane.AddLine(u"Zone3= "_s + NumbersToText(3, zones.Zone3));
  }
}
