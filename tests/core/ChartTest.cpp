// The chart model beside the one-number reports and its SVG picture.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/EvenSleepy.h"
#include "analyses/FirstLastSum.h"
#include "analyses/HotColdReport.h"
#include "analyses/Intervals.h"
#include "analyses/RangeStat.h"
#include "analyses/Repeats.h"
#include "analyses/Slice.h"
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

namespace {

// The numbers of the first pane line starting with `head`, after it; empty when none does.
iArray ListedAfter(const TReportPane& pane, const QString& head, int from = 0) {
  for (int i = from; i < pane.LineCount(); ++i)
    if (pane.Line(i).startsWith(head)) return ExtractNumbers(pane.Line(i).mid(head.size()));
  return {};
}

// A chart's series newest first, without the analysed draw: as a report lists its history.
iArray HistoryNewestFirst(const TChartModel& chart) {
  iArray history;
  const size_t n = chart.Values.size() - (chart.MarkedValue >= 0 ? 1 : 0);
  for (size_t i = n; i-- > 0;) history.push_back(static_cast<int32_t>(chart.Values[i]));
  return history;
}

}  // namespace

TEST(Chart, OneChartPerBallPerIntervalAndPerSlice) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);  // draw 400: 2 7 4 23 30
  TReportPane pane;
  const TCharts ends = FirstLastBallCharts(lottery, {400, 30});
  ASSERT_EQ(ends.size(), 2u);
  EXPECT_EQ(ends[0].Title, u"Первый Шар (First Ball)"_s);
  EXPECT_EQ(ends[1].Title, u"Последний Шар (Last Ball)"_s);
  EXPECT_EQ(ends[0].Values.back(), 2);
  EXPECT_EQ(ends[1].Values.back(), 30);
  EXPECT_EQ(ends[1].MarkedValue, 30);
  ShowFirstLastBallReport(lottery, {400, 30}, pane);
  EXPECT_EQ(HistoryNewestFirst(ends[0]), ListedAfter(pane, u"Первый Шар (First Ball):"_s));
  EXPECT_EQ(HistoryNewestFirst(ends[1]), ListedAfter(pane, u"Последний Шар (Last Ball):"_s));

  const TRepeatsParams repeats{.NextTira = 400, .History = 40, .Count = 2, .Otstup = 3};
  const TChartModel wins = RepeatsChart(lottery, repeats);
  ShowRepeatsReport(lottery, repeats, pane);
  int indent = 0;  // the Win series follows the line naming the indent
  while (indent < pane.LineCount() && !pane.Line(indent).contains(u"Отступ (Indent)"_s)) ++indent;
  EXPECT_EQ(HistoryNewestFirst(wins), ListedAfter(pane, u"Повторы:"_s, indent + 1));
  EXPECT_EQ(wins.Values.back(), RepeatsOf(lottery, 400, 2, 3).Win);
  EXPECT_EQ(wins.MarkedValue, 40);
  // A draw past the next one clamps to it, as in the report: nothing known, nothing marked.
  const TChartModel next = RepeatsChart(lottery, {.NextTira = 9999});
  EXPECT_EQ(next.Draws.back(), lottery.NewTira - 1);
  EXPECT_EQ(next.MarkedValue, -1);

  TIntervalsParams intervals{.NextTira = 401, .History = 25};
  intervals.Texts[0] = u"1 .. 10"_s;
  intervals.Texts[2] = u"20 25 30"_s;
  intervals.Texts[5] = u"90"_s;  // no ball of 5 of 36: neither listed nor charted
  const TCharts sets = IntervalsCharts(lottery, intervals);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[1].Title, u"Интервал (Interval)  3"_s);
  EXPECT_EQ(sets[1].MarkedValue, -1);  // draw 401 is not drawn
  ShowIntervalsReport(lottery, intervals, pane);
  EXPECT_EQ(HistoryNewestFirst(sets[0]), ListedAfter(pane, u"Интервал (Interval)  1:"_s));
  EXPECT_EQ(HistoryNewestFirst(sets[1]), ListedAfter(pane, u"Интервал (Interval)  3:"_s));

  const TSliceParams slices{.NextTira = 400, .History = 30, .Size = 5, .MaxSkip = 8};
  const TCharts shown = SliceCharts(lottery, slices);
  ShowSlices(lottery, slices, pane);
  int blocks = 0;  // the charts are the slices the report shows, in its order
  for (int i = 0; i < pane.LineCount(); ++i)
    if (pane.Line(i).startsWith(u"Срез (Slice) #"_s) && pane.Line(i + 1).startsWith(u"Win"_s)) {
      ASSERT_LT(static_cast<size_t>(blocks), shown.size());
      const QString name = pane.Line(i).left(16);
      EXPECT_EQ(shown[static_cast<size_t>(blocks)].Title, name);
      EXPECT_EQ(HistoryNewestFirst(shown[static_cast<size_t>(blocks)]),
                ListedAfter(pane, name + u':', i + 2));
      ++blocks;
    }
  EXPECT_EQ(static_cast<size_t>(blocks), shown.size());
  EXPECT_GT(blocks, 0);
  EXPECT_LT(blocks, 36);  // the skip test left some out
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
  // Several charts stand one under another, each in its frame.
  const QString two = RenderChartSvg(
      TCharts{SeriesChart(u"a"_s, 3, {1, 2}, 2), SeriesChart(u"b"_s, 3, {1, 2}, std::nullopt)});
  EXPECT_TRUE(two.contains(u"height=\"1040\""_s));
  EXPECT_TRUE(two.contains(u"<g transform=\"translate(0,520)\">"_s));
  EXPECT_EQ(two.count(u"<circle"_s), 1);
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
  // The legend names the classes, hot first; the bars alone fill the frame from its top.
  ASSERT_EQ(chart.Legend.size(), 3u);
  EXPECT_EQ(chart.Legend[0].Color, kChartHot);
  EXPECT_EQ(chart.Legend[2].Name, u"Холодные (Cold)"_s);
  EXPECT_TRUE(svg.contains(u">Теплые (Warm)</text>"_s));
  EXPECT_TRUE(svg.contains(u"y=\"40.0\""_s));  // the tallest bar's top
  // 80 balls: every third is labelled, so that the labels do not run together.
  const TChartModel keno = HotWarmColdChart(LoadExample(u"20x80 hungary keno.txt"_s), {});
  const QString kenoSvg = RenderChartSvg(keno);
  EXPECT_EQ(kenoSvg.count(u"text-anchor=\"middle\""_s), 27);
}
