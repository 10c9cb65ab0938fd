// The backtest: every draw's counters equal a forecast run for that draw, the hit and the
// first rejecting filter of the real draw, the survivors' matches, the summary and cancel.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "TestHost.h"
#include "forecast/Backtest.h"
#include "forecast/ForecastRun.h"

using namespace Qt::StringLiterals;

namespace {

// A host that stops the work at its n-th progress call.
class TStoppingHost : public TTestHost {
public:
  explicit TStoppingHost(int calls) : m_calls(calls) {}
  bool Progress(int64_t, int64_t) override { return --m_calls > 0; }

private:
  int m_calls;
};

TPrognozFields SomeFilters() {
  TPrognozFields fields;
  fields.Chetnie = {true, u" 1 .. 4"_s};
  fields.SumBalls = {true, u" 40 .. 140"_s};
  fields.HotCold = {true, u"X1X X2X"_s};
  fields.AnyRange[3] = {true, u"1 .. 18"_s};
  fields.AnyRangeWin[3] = u"1 .. 4"_s;
  return fields;
}

}  // namespace

TEST(Backtest, EveryDrawCountsAsAForecastRunForIt) {
  const TLottery lottery = RandomLottery(5, 30, 80, 3);
  TBacktestParams params;
  params.From = 70;
  params.To = 80;
  params.Fields = SomeFilters();
  for (int ball = 1; ball <= 28; ++ball) params.AvailableBalls += QString::number(ball) + u' ';
  TBacktest backtest(lottery, params);
  ASSERT_TRUE(backtest.Run());
  const TBacktestResult& result = backtest.Result();
  ASSERT_EQ(result.Draws.size(), 11u);
  for (const TBacktestDraw& draw : result.Draws) {
    TForecastParams forecast;
    forecast.NextTira = draw.Draw;
    forecast.Fields = params.Fields;
    forecast.AvailableBalls = params.AvailableBalls;
    forecast.Seed = 1;
    TForecastState state;
    TReportPane pane;
    TTestHost host;
    RunForecast(lottery, forecast, state, pane, host);
    const TMainPrognoz& prognoz = state.MainPrognoz;
    EXPECT_EQ(draw.Total, prognoz.NumCombTotal);
    EXPECT_EQ(draw.Filtered, prognoz.NumCombFiltered);
    for (const int filter : kBacktestFilters)  // (0 is the report's overall line)
      EXPECT_EQ(draw.Filters[static_cast<size_t>(filter)],
                prognoz.FiltersStatistics[static_cast<size_t>(filter)])
          << draw.Draw << " " << filter;
    // The survivors against the real draw, one by one.
    const iArray balls = lottery.DrawBalls(draw.Draw);
    iArray matches(6, 0);
    bool among = false;
    for (int64_t r = 0; r < prognoz.PrognozTable.RowCount(); ++r) {
      const iArray row = prognoz.PrognozTable.RowArray(r);
      const int shared = CountCommon(row, balls);
      ++matches[static_cast<size_t>(shared)];
      among = among || shared == 5;
    }
    EXPECT_EQ(draw.Matches, matches) << draw.Draw;
    EXPECT_EQ(draw.Hit, among) << draw.Draw;  // a hit is the draw among the survivors
    EXPECT_EQ(draw.Hit, draw.RejectedBy == 0 &&
                            std::ranges::all_of(balls, [](int32_t b) { return b <= 28; }));
  }
  // Its chart: the survivors per draw, the hits marked.
  const TChartModel chart = BacktestChart(result);
  ASSERT_EQ(chart.Values.size(), 11u);
  EXPECT_EQ(chart.Draws.front(), 70);
  for (size_t i = 0; i < 11; ++i) EXPECT_EQ(chart.Values[i], result.Draws[i].Filtered);
  std::vector<int> hits;
  for (int i = 0; i < 11; ++i)
    if (result.Draws[static_cast<size_t>(i)].Hit) hits.push_back(i);
  EXPECT_EQ(chart.HitValues, hits);
  EXPECT_EQ(RenderChartSvg(chart).count(u"#ff0000"_s), static_cast<qsizetype>(hits.size()));
}

TEST(Backtest, TheFirstFilterThatThrowsTheDrawOut) {
  // Draw 3 is 2 4 6 8 9: four even balls, sum 29, one consecutive pair.
  const TLottery lottery = MakeLottery(
      5, 20, {{1, 1, 3, 5, 7, 11}, {2, 2, 3, 10, 15, 20}, {3, 2, 4, 6, 8, 9}, {4, 1, 2, 3, 4, 5}});
  TBacktestParams params;
  params.From = params.To = 3;
  auto run = [&] {
    TBacktest backtest(lottery, params);
    EXPECT_TRUE(backtest.Run());
    return backtest.Result().Draws.at(0);
  };
  params.Fields.Chetnie = {true, u"4"_s};
  params.Fields.SumBalls = {true, u"29"_s};
  TBacktestDraw draw = run();
  EXPECT_TRUE(draw.Hit);
  EXPECT_EQ(draw.RejectedBy, 0);
  params.Fields.SumBalls = {true, u"30 .. 90"_s};
  draw = run();
  EXPECT_FALSE(draw.Hit);
  EXPECT_EQ(draw.RejectedBy, 3);
  params.Fields.Chetnie = {true, u"0 .. 3"_s};  // the even filter comes first
  EXPECT_EQ(run().RejectedBy, 1);
  params.Fields = {};
  params.Fields.AnyRange[7] = {true, u"1 .. 5"_s};
  params.Fields.AnyRangeWin[7] = u"0"_s;
  EXPECT_EQ(run().RejectedBy, 17);
  params.Fields = {};
  params.AvailableBalls = u"1 2 3 4 5 6 7 8"_s;  // ball 9 is not available: no filter, no hit
  draw = run();
  EXPECT_FALSE(draw.Hit);
  EXPECT_EQ(draw.RejectedBy, 0);
}

TEST(Backtest, TheRangeTheSummaryAndCancel) {
  const TLottery lottery = RandomLottery(5, 25, 150, 9);
  TBacktestParams params;
  EXPECT_EQ(BacktestRange(lottery, params), (std::pair{51, 150}));  // the last 100 draws
  params.From = 140;
  params.To = 999;
  EXPECT_EQ(BacktestRange(lottery, params), (std::pair{140, 150}));
  params.From = 5;
  params.To = 2;
  EXPECT_EQ(BacktestRange(lottery, params), (std::pair{5, 2}));  // empty

  std::vector<TBacktestDraw> draws(4);
  for (size_t i = 0; i < draws.size(); ++i) {
    draws[i].Total = 1000;
    draws[i].Filtered = 100;
    draws[i].Hit = i == 0;
    draws[i].RejectedBy = i == 0 ? 0 : 3;
    draws[i].Filters[3] = {25, 75};  // denied 25 of 100
  }
  const TBacktestSummary summary = SummarizeBacktest(draws);
  EXPECT_EQ(summary.Hits, 1);
  EXPECT_DOUBLE_EQ(summary.HitRate, 0.25);
  EXPECT_DOUBLE_EQ(summary.MeanKeptShare, 0.1);
  EXPECT_DOUBLE_EQ(summary.Lift, 2.5);
  EXPECT_DOUBLE_EQ(summary.MeanSurvivors, 100);
  EXPECT_EQ(summary.Filters[2].Filter, 3);
  EXPECT_EQ(summary.Filters[2].Rejected, 3);
  EXPECT_DOUBLE_EQ(summary.Filters[2].MeanDenyShare, 0.25);

  params = {};
  params.From = 100;
  params.To = 110;
  TStoppingHost host(5);
  TBacktest backtest(lottery, params);
  EXPECT_FALSE(backtest.Run(&host));
  EXPECT_TRUE(backtest.Result().Draws.empty());  // no half result
  TReportPane pane;
  TBacktestResult none;
  WriteBacktestReport(none, u"eng"_s, u'.', pane);
  EXPECT_EQ(pane.Line(2), u"Draws tested:               0"_s);
}
