#pragma once
// The chart beside a one-number report, as engine data: the value series of the history
// (oldest left, the analysed draw's value marked when it is known) and the frequency bars of
// its values (the analysed value's bar marked). The window draws it; lotrix-cli writes it as
// SVG.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "CommonFunctions.h"
#include "Lottery.h"

struct TChartModel {
  QString Title;
  std::vector<int> Draws;  // the draw of each value, oldest first
  std::vector<int64_t> Values;
  int MarkedValue = -1;            // index of the analysed draw's value; -1 when not known
  std::vector<int> HitValues;      // indices of further marked values (the backtest's hits)
  std::vector<int64_t> BarValues;  // the distinct values, ascending
  std::vector<int64_t> Bars;       // how often each occurs in the history
  int MarkedBar = -1;              // the analysed value's bar; -1 when none
  // Each bar's colour (0xRRGGBB) when the bars come in classes (hot, warm, cold); empty: one
  // colour, the marked bar red.
  std::vector<uint32_t> BarColors;
  // What the classes' colours mean, for a legend.
  struct TKey {
    uint32_t Color;
    QString Name;
  };
  std::vector<TKey> Legend;
};

// A report's charts: one for most reports; the first/last report has one per ball, the
// intervals one per interval, the slices one per slice shown.
using TCharts = std::vector<TChartModel>;

// The colours of the classes of balls.
inline constexpr uint32_t kChartHot = 0xD62728, kChartWarm = 0xFF9F1C, kChartCold = 0x1F5FBF;

// The chart of a report whose history is `newestFirst` (the values of the draws T-1, T-2, ...
// as the report lists them) and whose analysed draw T has `analysed` (none for a draw not
// drawn yet). The bars count the history's values.
TChartModel SeriesChart(const QString& title, int nextTira, const iArray& newestFirst,
                        std::optional<int64_t> analysed);

// The chart of a value per draw over the H draws before T (as the one-number reports take
// their history: a draw outside the table gives the value of no balls), T marked when drawn.
TChartModel DrawValueChart(const TLottery& lottery, const QString& title, int nextTira, int history,
                           const std::function<int(iArray balls)>& value);

// A standalone SVG picture: per chart the title on top, the series (a polyline, the marked
// point red), the bars below (the marked bar red); several charts stand one under another.
QString RenderChartSvg(const TCharts& charts);
inline QString RenderChartSvg(const TChartModel& chart) { return RenderChartSvg(TCharts{chart}); }
