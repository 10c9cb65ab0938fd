// The chart model beside the one-number reports and its SVG picture.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/EvenSleepy.h"
#include "analyses/FirstLastSum.h"
#include "analyses/HotColdReport.h"
#include "analyses/RangeStat.h"
#include "core/Chart.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

TEST(Chart, TheSeriesOldestFirstAndTheBarsOfItsValues) {
  const TChartModel chart = SeriesChart(u"Even"_s, 10, {3, 1, 2, 2}, 2);
  EXPECT_EQ(chart.Draws, (std::vector<int>{6, 7, 8, 9, 10}));
  EXPECT_EQ(chart.Values, (std::vector<int64_t>{2, 2, 1, 3, 2}));
  EXPECT_EQ(chart.MarkedValue, 4);
  EXPECT_EQ(chart.BarValues, (std::vector<int64_t>{1, 2, 3}));
  EXPECT_EQ(chart.Bars, (std::vector<int64_t>{1, 2, 1}));  // the history's values only
  EXPECT_EQ(chart.MarkedBar, 1);
  // A value the history never had still gets its (empty) bar, marked.
  const TChartModel rare = SeriesChart(u"Even"_s, 10, {3, 1}, 5);
  EXPECT_EQ(rare.BarValues, (std::vector<int64_t>{1, 3, 5}));
  EXPECT_EQ(rare.Bars, (std::vector<int64_t>{1, 1, 0}));
  EXPECT_EQ(rare.MarkedBar, 2);
  // The next draw: nothing is known of it, nothing is marked.
  const TChartModel next = SeriesChart(u"Even"_s, 10, {3, 1}, std::nullopt);
  EXPECT_EQ(next.Draws, (std::vector<int>{8, 9}));
  EXPECT_EQ(next.MarkedValue, -1);
  EXPECT_EQ(next.MarkedBar, -1);
}

TEST(Chart, TheChartsFollowTheirReportsSeries) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);  // draw 400: 2 7 4 23 30
  const TChartModel even = EvenChart(lottery, {400, 30});
  ASSERT_EQ(even.Values.size(), 31u);
  EXPECT_EQ(even.Draws.front(), 370);
  EXPECT_EQ(even.Values.back(), 3);  // 2, 4 and 30
  EXPECT_EQ(even.MarkedValue, 30);
  TReportPane pane;
  ShowEvenReport(lottery, {400, 30}, pane);
  // The report's series line lists the same values, newest first.
  for (int i = 0; i < pane.LineCount(); ++i)
    if (pane.Line(i).startsWith(u"Четные (Even):"_s)) {
      const iArray listed = ExtractNumbers(pane.Line(i).mid(14));
      ASSERT_EQ(listed.size(), 30u);
      for (size_t k = 0; k < 30; ++k) EXPECT_EQ(even.Values[29 - k], listed[k]);
    }
  const TChartModel sum = SumChart(lottery, {401, 5, true});
  EXPECT_EQ(sum.Values.size(), 5u);
  EXPECT_EQ(sum.Values.back(), 66);  // draw 400
  EXPECT_EQ(sum.MarkedValue, -1);    // draw 401 is not drawn
  // As in the report, the draws before the first count with no balls.
  const TChartModel longest = ConsecutiveChart(lottery, {400, 9999});
  EXPECT_EQ(longest.Values.size(), 10'000u);
  EXPECT_EQ(longest.Draws.front(), 400 - 9999);
  EXPECT_EQ(longest.Values.front(), 0);
}

TEST(Chart, TheSvgMarksTheAnalysedValueInRed) {
  const QString svg = RenderChartSvg(SeriesChart(u"Sum <of> balls"_s, 10, {3, 1, 2, 2}, 2));
  EXPECT_TRUE(svg.startsWith(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "_s));
  EXPECT_TRUE(svg.contains(u"Sum &lt;of&gt; balls"_s));
  EXPECT_EQ(svg.count(u"fill=\"#ff0000\""_s), 2);  // the point and the bar
  EXPECT_EQ(svg.count(u"<rect x="_s), 3);
  EXPECT_TRUE(svg.endsWith(u"</svg>\n"_s));
  const QString unmarked = RenderChartSvg(SeriesChart(u"x"_s, 3, {1, 2}, std::nullopt));
  EXPECT_EQ(unmarked.count(u"#ff0000"_s), 0);
  EXPECT_TRUE(RenderChartSvg(TChartModel{}).endsWith(u"</svg>\n"_s));  // empty: no fault
}

TEST(Chart, SumForBetsAndATypedSeries) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  TSumForBetsParams bets;
  bets.NextTira = 400;
  bets.History = 10;
  bets.Level = 66;  // draw 400 sums 66: within the level
  const TChartModel chart = SumForBetsChart(lottery, bets);
  ASSERT_EQ(chart.Values.size(), 11u);
  EXPECT_EQ(chart.Values.back(), 1);
  for (const int64_t v : chart.Values) EXPECT_TRUE(v == 0 || v == 1);
  EXPECT_EQ(chart.BarValues.back(), 1);

  TRangeStatParams range;
  range.SourceText = u"3 7 7 1"_s;  // newest first
  const TChartModel typed = RangeStatChart(range);
  EXPECT_EQ(typed.Values, (std::vector<int64_t>{1, 7, 7, 3}));
  EXPECT_EQ(typed.Draws, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(typed.MarkedValue, -1);
  EXPECT_EQ(typed.Bars, (std::vector<int64_t>{1, 1, 2}));
}

TEST(Chart, HotWarmAndColdBallsByClass) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  THotWarmColdParams params;
  params.NextTira = 400;
  const TChartModel chart = HotWarmColdChart(lottery, params);
  ASSERT_EQ(chart.Bars.size(), 36u);
  const THotWarmCold classes = ClassifyHotWarmCold(lottery, 400);
  const int window = HotLongWindow(HotWindow(5, 36));
  for (int ball = 1; ball <= 36; ++ball) {
    const size_t i = static_cast<size_t>(ball - 1);
    EXPECT_EQ(chart.BarValues[i], ball);
    EXPECT_EQ(chart.Bars[i], CountDrawsWithBall(lottery, ball, 399, window));
    const auto in = [ball](const iArray& c) { return std::ranges::binary_search(c, ball); };
    EXPECT_EQ(chart.BarColors[i], in(classes.Hot)    ? kChartHot
                                  : in(classes.Warm) ? kChartWarm
                                                     : kChartCold);
  }
  EXPECT_TRUE(chart.Values.empty());
  const QString svg = RenderChartSvg(chart);
  EXPECT_TRUE(svg.contains(u"fill=\"#d62728\""_s));
  EXPECT_TRUE(svg.contains(u"fill=\"#1f5fbf\""_s));
  EXPECT_FALSE(svg.contains(u"<polyline"_s));
}
