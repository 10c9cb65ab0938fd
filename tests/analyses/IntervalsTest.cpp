// Intervals: canonical texts, the Win history, the report and the stored sets.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/Intervals.h"
#include "core/Settings.h"

using namespace Qt::StringLiterals;

TEST(Intervals, CanonicalTextsAndBallsWithinTheLottery) {
  EXPECT_EQ(CanonicalInterval(u"9 ... 1"_s, 36), u" 1 ... 9"_s);
  EXPECT_EQ(CanonicalInterval(u"4 5"_s, 36), u" 4 5"_s);       // two in a row stay apart
  EXPECT_EQ(CanonicalInterval(u"4..6"_s, 36), u" 4 ... 6"_s);  // three or more are a range
  EXPECT_EQ(CanonicalInterval(u"1 2 3 4 7"_s, 36), u" 1 ... 4 7"_s);
  EXPECT_EQ(CanonicalInterval(u"3 40 0"_s, 36), u" 3"_s);  // balls outside 1 .. 36 are dropped
  EXPECT_EQ(CanonicalInterval(u"no numbers"_s, 36), QString());
  // An unbounded range costs nothing: it stops at MaxBall before it is listed.
  EXPECT_EQ(IntervalBalls(u"1 .. 2000000000"_s, 36), Range(1, 36));
  EXPECT_EQ(IntervalBalls(u"30 .. 40"_s, 36), Range(30, 36));
}

TEST(Intervals, WinHistoryCountsTheBallsOfEachDrawNewestFirst) {
  const TLottery lottery = MakeLottery(3, 9, {{5, 1, 2, 3}, {6, 3, 4, 5}, {7, 7, 8, 9}});
  EXPECT_EQ(IntervalWinHistory(lottery, {1, 2, 3}, 7, 5), (iArray{0, 1, 3, 0, 0}));  // before 5: 0
  EXPECT_TRUE(IntervalWinHistory(lottery, {1}, 7, 0).empty());
}

TEST(Intervals, TheReportBlockOfAnInterval) {
  const TLottery lottery = MakeLottery(3, 9, {{5, 1, 2, 3}, {6, 3, 4, 5}, {7, 7, 8, 2}});
  TIntervalsParams params;
  params.NextTira = 7;
  params.History = 2;
  params.Texts[1] = u" 1 ... 3"_s;
  TReportPane pane;
  ShowIntervalsReport(lottery, params, pane);
  ASSERT_GT(pane.LineCount(), 12);
  EXPECT_EQ(pane.Line(0), u"Интервалы Шаров. Тираж # 7"_s);
  EXPECT_EQ(pane.Line(2), QString(110, u'-'));
  EXPECT_EQ(pane.Line(4), u"\"Интервал (Interval)  2\":       1  2  3"_s);
  // Ball 2 of draw 7 in red, bold, in the ball list only.
  ASSERT_EQ(pane.Spans(4).size(), 1u);
  const THighlight& mark = pane.Spans(4)[0];
  EXPECT_GE(mark.Column, 30);  // after the text before the list
  EXPECT_TRUE(pane.Line(4).mid(mark.Column, mark.Length).contains(u'2'));
  EXPECT_EQ(mark.Color, clRed);
  EXPECT_EQ(pane.Line(5), u"Win.Total:  1.3"_s);
  EXPECT_EQ(pane.Line(7), QString(29, u' ') + u"<-- <-- # 6 - 5. История Win (Win History)"_s);
  EXPECT_EQ(pane.Line(8), u"Интервал (Interval)  2:      1  3"_s);
  EXPECT_EQ(pane.Line(11), u"Частота выигрышей (Win) в интервале."_s);

  // The next draw: nothing highlighted; every interval empty: the four header lines only.
  params.NextTira = 8;
  ShowIntervalsReport(lottery, params, pane);
  EXPECT_TRUE(pane.Spans(4).empty());
  EXPECT_EQ(pane.Line(5), u"Win.Total:  0.3"_s);
  ShowIntervalsReport(lottery, TIntervalsParams{}, pane);
  EXPECT_EQ(pane.LineCount(), 4);
}

TEST(Intervals, SetsAreStoredUnderTheirNumbers) {
  TSettings settings;
  settings.ClearAll();
  TIntervalTexts texts;
  texts[0] = u" 1 ... 9"_s;
  texts[11] = u" 36"_s;
  SaveIntervalSet(settings, 3, texts);
  EXPECT_EQ(settings.ReadSettingAt(u"Software\\Lotrix\\Intervals\\Set03"_s, u"Interval_01"_s),
            u" 1 ... 9"_s);
  EXPECT_EQ(LoadIntervalSet(settings, 3), texts);
  EXPECT_EQ(LoadIntervalSet(settings, 4), TIntervalTexts{});  // never saved: empty edits
}
