#include <gtest/gtest.h>

#include "stats/Statistic.h"

using namespace Qt::StringLiterals;

namespace {

TEST(StatisticWin, CountsMatchesAndPrintsTheBlock) {
  TWinStatistic statistic;
  statistic.Zagolovok = u"Пул:"_s;
  const iArray2D pool = {
      {1, 2, 3, 4, 5}, {1, 2, 30, 31, 32}, {1, 6, 7, 8, 9}, {10, 11, 12, 13, 14}};
  statistic.ReLoad(pool, {1, 2, 3, 20, 21});
  EXPECT_EQ(statistic.WinStat, (iArray{1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(statistic.TotalComb, 4);

  TReportPane pane;
  pane.AddLine(u"before"_s);
  statistic.Print(pane, -1);
  EXPECT_EQ(pane.Texts(),
            (QStringList{u"before"_s, u"Пул:"_s, u"Всего Комбинаций   =           4"_s,
                         u"Совпадений  0      =           1    25.000%"_s,
                         u"Совпадений  1      =           1    25.000%"_s,
                         u"Совпадений  2      =           1    25.000%"_s,
                         u"Совпадений  3      =           1    25.000%"_s,
                         u"Совпадений  4      =           0     0.000%"_s,
                         u"Совпадений  5      =           0"_s}));

  // The flat table gives the same counts; a block inserted at line 1 goes above "after".
  TWinStatistic flat;
  flat.DecimalSeparator = u',';
  flat.ReLoad(TCombinationTable::FromRows(pool, 5), {1, 2, 3, 20, 21});
  EXPECT_EQ(flat.WinStat, statistic.WinStat);
  TReportPane inserted;
  inserted.AddLine(u"top"_s);
  inserted.AddLine(u"after"_s);
  flat.Print(inserted, 1);
  EXPECT_EQ(inserted.LineCount(), 10);
  EXPECT_EQ(inserted.Line(1), QString());  // the title, empty here
  EXPECT_EQ(inserted.Line(3), u"Совпадений  0      =           1    25,000%"_s);
  EXPECT_EQ(inserted.Line(9), u"after"_s);
}

TEST(StatisticWin, EdgesOfThePoolAndTheDraw) {
  TWinStatistic statistic;
  statistic.ReLoad(iArray2D{}, {1, 2, 3});
  EXPECT_EQ(statistic.WinStat, (iArray{0}));
  TReportPane pane;
  statistic.Print(pane, -1);
  EXPECT_EQ(pane.Texts(), (QStringList{QString(), u"Всего Комбинаций   =           0"_s,
                                       u"Совпадений  0      =           0"_s}));

  // A draw not yet drawn: everything in the single line for 0 matches.
  statistic.ReLoad(iArray2D{{1, 2, 3}, {4, 5, 6}}, {});
  EXPECT_EQ(statistic.WinStat, (iArray{2}));
  // 6-ball rows against a 5-ball draw: the block ends at 5 matches.
  statistic.ReLoad(iArray2D{{1, 2, 3, 4, 5, 6}}, {1, 2, 3, 4, 5});
  EXPECT_EQ(statistic.WinStat, (iArray{0, 0, 0, 0, 0, 1}));
}

TEST(StatisticWin, LargeCountsAreGrouped) {
  TWinStatistic statistic;
  statistic.TotalComb = 376992;
  statistic.WinStat = {376991, 1};
  TReportPane pane;
  statistic.Print(pane, 0);
  EXPECT_EQ(pane.Line(1), u"Всего Комбинаций   =     376.992"_s);
  EXPECT_EQ(pane.Line(2), u"Совпадений  0      =     376.991    100.000%"_s);
}

TEST(StatisticDeviation, TenthsOfTheSeries) {
  EXPECT_EQ(Deviation({}), 0.0);
  EXPECT_DOUBLE_EQ(Deviation({2, 9, 9, 9, 9, 9, 9, 9, 9, 4}), 0.5);  // 10 values: first / last
  iArray twentyFive(25, 5);
  twentyFive[0] = twentyFive[1] = 1;  // a = 2 (2.5 rounds to even)
  EXPECT_DOUBLE_EQ(Deviation(twentyFive), 0.2);
  iArray thirtyFive(35, 10);
  thirtyFive[0] = thirtyFive[1] = thirtyFive[2] = 5;
  thirtyFive[3] = 1;  // a = 4 (3.5 rounds to even): 16 / 40
  EXPECT_DOUBLE_EQ(Deviation(thirtyFive), 0.4);

  EXPECT_EQ(DeviationText({2, 9, 9, 9, 9, 9, 9, 9, 9, 3}), u"0.667"_s);
  EXPECT_EQ(DeviationText({2, 9, 9, 9, 9, 9, 9, 9, 9, 3}, u','), u"0,667"_s);
  EXPECT_EQ(DeviationText({5, 3, 0}), u"x.xxx"_s);  // the last tenth sums to 0
  EXPECT_EQ(DeviationText({0, 3, 4}), u"x.xxx"_s);  // a ratio of 0
  EXPECT_EQ(DeviationText({}), u"x.xxx"_s);
}

}  // namespace
