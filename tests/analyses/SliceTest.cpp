// Slices: the wrapped runs of balls, their skip test and both reports.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/Slice.h"

using namespace Qt::StringLiterals;

TEST(Slices, RangesWrapOnceOverMaxBall) {
  EXPECT_EQ(TSlice(33, 6, 36).Range, (iArray{33, 34, 35, 36, 1, 2}));
  EXPECT_EQ(TSlice(1, 6, 36).Range, Range(1, 6));
  // Larger than the lottery: balls come twice, and count twice in the Win.
  TSlice wide(1, 12, 10);
  EXPECT_EQ(wide.Range, (iArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}));
  const TLottery lottery = MakeLottery(3, 10, {{1, 1, 5, 9}});
  wide.Refresh(lottery, 1);
  EXPECT_EQ(wide.Win, 4);
}

TEST(Slices, TheSkipTestKeepsSlicesWhoseBallsCameUpRecently) {
  const TLottery lottery = MakeLottery(2, 6, {{1, 1, 2}, {2, 3, 4}, {3, 5, 6}});
  EXPECT_EQ(BallSkip(lottery, 5, 4), 1);
  EXPECT_EQ(BallSkip(lottery, 1, 4), 3);
  EXPECT_EQ(BallSkip(lottery, 1, 1), 0);  // nothing before the first draw
  TSlice slice(5, 2, 6);                  // 5 6: both in draw 3
  slice.MaxSkip = 1;
  slice.Refresh(lottery, 4);
  EXPECT_TRUE(slice.IsTrue);
  TSlice older(4, 2, 6);  // 4 5: ball 4 was drawn 2 draws back
  older.MaxSkip = 1;
  older.Refresh(lottery, 4);
  EXPECT_FALSE(older.IsTrue);
}

TEST(Slices, TheSliceReportAndTheTotalWinHistory) {
  const TLottery lottery = MakeLottery(2, 4, {{1, 1, 2}, {2, 2, 3}, {3, 4, 1}});
  TSliceParams params;
  params.NextTira = 3;
  params.History = 2;
  params.Size = 3;
  TReportPane pane;
  ShowSlices(lottery, params, pane);
  EXPECT_EQ(pane.Line(0), u"Срезы. Тираж # 3"_s);
  EXPECT_EQ(pane.Line(4), u"Срез (Slice) #01:       1  2  3"_s);
  EXPECT_EQ(pane.Line(5), u"Win.Total:  1.3"_s);
  EXPECT_EQ(pane.Line(7), u"Срез (Slice) #01:      2  2"_s);
  EXPECT_EQ(pane.Line(pane.LineCount() - 1), u"Total Win:   1  1  2  2"_s);

  // The next draw: every Win is 0; a draw before the table: a 0 for every slice.
  params.NextTira = 4;
  ShowSlices(lottery, params, pane);
  EXPECT_EQ(pane.Line(pane.LineCount() - 1), u"Total Win:   0  0  0  0"_s);
  TSliceTotalWinParams total{params};
  total.NextTira = 2;
  total.History = 2;
  ShowSliceTotalWinHistory(lottery, total, pane);
  EXPECT_EQ(pane.Texts().mid(4),
            (QStringList{u"    ##    TotalWin"_s, u"     1    1 1 2 2"_s, u"     0    0 0 0 0"_s}));
}
