#include "Chart.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

TChartModel SeriesChart(const QString& title, int nextTira, const iArray& newestFirst,
                        std::optional<int64_t> analysed) {
  TChartModel chart;
  chart.Title = title;
  const int h = static_cast<int>(newestFirst.size());
  for (int i = h - 1; i >= 0; --i) {
    chart.Draws.push_back(nextTira - 1 - i);
    chart.Values.push_back(newestFirst[static_cast<size_t>(i)]);
  }
  if (analysed) {
    chart.Draws.push_back(nextTira);
    chart.Values.push_back(*analysed);
    chart.MarkedValue = static_cast<int>(chart.Values.size()) - 1;
  }
  std::map<int64_t, int64_t> frequency;
  for (const int32_t v : newestFirst) ++frequency[v];
  if (analysed) frequency.try_emplace(*analysed, 0);  // its bar exists, if only of height 0
  for (const auto& [value, count] : frequency) {
    if (analysed && value == *analysed) chart.MarkedBar = static_cast<int>(chart.Bars.size());
    chart.BarValues.push_back(value);
    chart.Bars.push_back(count);
  }
  return chart;
}

TChartModel DrawValueChart(const TLottery& lottery, const QString& title, int nextTira, int history,
                           const std::function<int(iArray balls)>& value) {
  iArray series;
  for (int i = 0; i < history; ++i) {
    const int64_t draw = int64_t{nextTira} - 1 - i;
    series.push_back(
        value(draw >= lottery.FirstTira ? lottery.DrawBalls(static_cast<int>(draw)) : iArray()));
  }
  const iArray balls = lottery.DrawBalls(nextTira);
  return SeriesChart(title, nextTira, series,
                     balls.empty() ? std::nullopt : std::optional<int64_t>(value(balls)));
}

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString Number(double value) { return QString::number(value, 'f', 1); }

QString Hex(uint32_t color) { return u"#%1"_s.arg(color, 6, 16, QLatin1Char('0')); }

constexpr int kWidth = 900, kHeight = 520, kLeft = 50, kRight = 20;
constexpr int kSeriesTop = 40, kSeriesBottom = 250, kBarsTop = 290, kBarsBottom = 490;

// One chart's elements, in a frame of kWidth × kHeight from the origin.
QString ChartSvg(const TChartModel& chart) {
  QString svg =
      uR"(<text x="%1" y="22" font-size="15">%2</text>)"_s.arg(kLeft).arg(Escaped(chart.Title)) +
      u'\n';
  const double plotWidth = kWidth - kLeft - kRight;
  // The series: values scaled between their minimum and maximum.
  if (!chart.Values.empty()) {
    const auto [low, high] = std::minmax_element(chart.Values.begin(), chart.Values.end());
    const double lo = static_cast<double>(*low), span = std::max<double>(1.0, *high - lo);
    const size_t n = chart.Values.size();
    auto x = [&](size_t i) { return kLeft + (n > 1 ? plotWidth * i / (n - 1) : plotWidth / 2); };
    auto y = [&](int64_t v) {
      return kSeriesBottom - (kSeriesBottom - kSeriesTop) * (static_cast<double>(v) - lo) / span;
    };
    svg += uR"(<text x="4" y="%1">%2</text><text x="4" y="%3">%4</text>)"_s.arg(y(*high) + 4)
               .arg(*high)
               .arg(y(*low) + 4)
               .arg(*low) +
           u'\n';
    QString points;
    for (size_t i = 0; i < n; ++i)
      points += Number(x(i)) + u',' + Number(y(chart.Values[i])) + u' ';
    svg += uR"(<polyline fill="none" stroke="#1f5fbf" stroke-width="1.5" points="%1"/>)"_s.arg(
               points.trimmed()) +
           u'\n';
    std::vector<int> marked = chart.HitValues;
    if (chart.MarkedValue >= 0) marked.push_back(chart.MarkedValue);
    for (const int index : marked) {
      if (index < 0 || static_cast<size_t>(index) >= n) continue;
      const size_t m = static_cast<size_t>(index);
      svg += uR"(<circle cx="%1" cy="%2" r="4" fill="#ff0000"/>)"_s.arg(Number(x(m)))
                 .arg(Number(y(chart.Values[m]))) +
             u'\n';
    }
    svg += uR"(<text x="%1" y="%2">%3</text><text x="%4" y="%2" text-anchor="end">%5</text>)"_s
               .arg(kLeft)
               .arg(kSeriesBottom + 16)
               .arg(chart.Draws.front())
               .arg(kWidth - kRight)
               .arg(chart.Draws.back()) +
           u'\n';
  }
  // The bars of the frequency table.
  if (!chart.Bars.empty()) {
    const int64_t tallest =
        std::max<int64_t>(1, *std::max_element(chart.Bars.begin(), chart.Bars.end()));
    const double slot = plotWidth / static_cast<double>(chart.Bars.size());
    // Bars alone (per-ball counts) take the whole frame; every k-th value is labelled when
    // more than 30 would run together.
    const int top = chart.Values.empty() ? kSeriesTop : kBarsTop;
    const size_t labelStep = std::max<size_t>(1, (chart.Bars.size() + 29) / 30);
    for (size_t i = 0; i < chart.Bars.size(); ++i) {
      const double height =
          (kBarsBottom - top) * static_cast<double>(chart.Bars[i]) / static_cast<double>(tallest);
      const bool marked = static_cast<int>(i) == chart.MarkedBar;
      const QString fill = i < chart.BarColors.size() ? Hex(chart.BarColors[i])
                                                      : (marked ? u"#ff0000"_s : u"#7f9fcf"_s);
      svg += uR"(<rect x="%1" y="%2" width="%3" height="%4" fill="%5"/>)"_s
                 .arg(Number(kLeft + slot * static_cast<double>(i) + slot * 0.1))
                 .arg(Number(kBarsBottom - height))
                 .arg(Number(slot * 0.8))
                 .arg(Number(height))
                 .arg(fill) +
             u'\n';
      if (i % labelStep != 0) continue;
      svg += uR"(<text x="%1" y="%2" text-anchor="middle">%3</text>)"_s
                 .arg(Number(kLeft + slot * (static_cast<double>(i) + 0.5)))
                 .arg(kBarsBottom + 16)
                 .arg(chart.BarValues[i]) +
             u'\n';
    }
  }
  // The legend of the classes, top right.
  const int keys = static_cast<int>(chart.Legend.size());
  for (int k = 0; k < keys; ++k) {
    const int x = kWidth - kRight - 140 * (keys - k);
    svg +=
        uR"(<rect x="%1" y="12" width="10" height="10" fill="%2"/><text x="%3" y="22">%4</text>)"_s
            .arg(x)
            .arg(Hex(chart.Legend[static_cast<size_t>(k)].Color))
            .arg(x + 14)
            .arg(Escaped(chart.Legend[static_cast<size_t>(k)].Name)) +
        u'\n';
  }
  return svg;
}

}  // namespace

QString RenderChartSvg(const TCharts& charts) {
  const int height = kHeight * std::max<int>(1, static_cast<int>(charts.size()));
  QString svg =
      uR"(<?xml version="1.0" encoding="UTF-8"?>)"_s + u'\n' +
      uR"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%2" viewBox="0 0 %1 %2" font-family="DejaVu Sans, sans-serif" font-size="12">)"_s
          .arg(kWidth)
          .arg(height) +
      u'\n';
  svg += uR"(<rect width="100%" height="100%" fill="white"/>)"_s + u'\n';
  for (size_t i = 0; i < charts.size(); ++i)
    svg += uR"svg(<g transform="translate(0,%1)">)svg"_s.arg(kHeight * static_cast<int64_t>(i)) +
           u'\n' + ChartSvg(charts[i]) + u"</g>\n"_s;
  svg += u"</svg>\n"_s;
  return svg;
}
