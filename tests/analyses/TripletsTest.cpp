// Triplets: the close triples of one draw, the circle over MaxBall included.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/Triplets.h"

using namespace Qt::StringLiterals;

namespace {

iArray2D BallsOf(const TTripletsPool& pool) {
  iArray2D rows;
  for (const TmyTriplet& triplet : pool.Triplets) rows.push_back(triplet.Balls);
  return rows;
}

}  // namespace

TEST(Triplets, TheDocumentedDrawGivesFourTriplesOneOverTheCircle) {
  TTripletsPool pool;
  pool.Init({30, 3, 17, 8, 25}, 10, 36);  // ball 3 gets the wrap copy 39
  EXPECT_EQ(BallsOf(pool), (iArray2D{{3, 8, 17}, {8, 17, 25}, {17, 25, 30}, {25, 30, 3}}));
  iArray2D gaps;
  for (const TmyTriplet& triplet : pool.Triplets) gaps.push_back(triplet.Diff);
  EXPECT_EQ(gaps, (iArray2D{{5, 9}, {9, 8}, {8, 5}, {5, 9}}));

  // Ball 36 with 1, 2, 3: the triple 1 2 3 comes from the balls and from their copies.
  pool.Init({36, 1, 2, 3, 20}, 10, 36);
  const iArray2D rows = BallsOf(pool);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), iArray{1, 2, 3}), 2);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), iArray{36, 1, 2}), 1);
  pool.Init({}, 10, 36);
  EXPECT_TRUE(pool.Triplets.empty());
}

TEST(Triplets, TheReportListsTheSourceAndEachTripleWithItsGaps) {
  const TLottery lottery = MakeLottery(5, 36, {{1, 30, 3, 17, 8, 25}});
  TReportPane pane;
  ShowTriplets(lottery, {.NextTira = 1}, pane);
  EXPECT_EQ(pane.Texts(),
            (QStringList{u"Триплеты (Triplets):"_s, QString(), u"Исходный Ряд:"_s,
                         u"    3    8   17   25   30"_s, QString(), u"  3  8 17         5    9"_s,
                         u"  8 17 25         9    8"_s, u" 17 25 30         8    5"_s,
                         u" 25 30  3         5    9"_s, QString()}));
  // The next draw has no balls: the header, an empty source line, no triples.
  ShowTriplets(lottery, {.NextTira = 2}, pane);
  EXPECT_EQ(pane.Texts(), (QStringList{u"Триплеты (Triplets):"_s, QString(), u"Исходный Ряд:"_s,
                                       QString(), QString(), QString()}));
}

TEST(Triplets, ThreeDigitBallsStaySeparate) {
  const TLottery lottery = MakeLottery(3, 120, {{1, 101, 105, 110}});
  TReportPane pane;
  ShowTriplets(lottery, {.NextTira = 1}, pane);
  EXPECT_EQ(pane.Line(5), u" 101 105 110         4    5"_s);
}
