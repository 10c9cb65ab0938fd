#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "TestHost.h"
#include "core/CombinationTable.h"
#include "forecast/PrognozExt.h"

using namespace Qt::StringLiterals;

namespace {

TEST(Combinations, NextIndexCombinationSteps) {
  iArray p = {1, 2, 5};
  EXPECT_TRUE(NextIndexCombination(p, 5));
  EXPECT_EQ(p, (iArray{1, 3, 4}));
  p = {1, 4, 5};
  NextIndexCombination(p, 5);
  EXPECT_EQ(p, (iArray{2, 3, 4}));
  p = {3, 4, 5};
  EXPECT_FALSE(NextIndexCombination(p, 5));
  EXPECT_EQ(p, (iArray{3, 4, 5}));
  p = {2};
  NextIndexCombination(p, 5);
  EXPECT_EQ(p, iArray{3});
  p = {5};
  EXPECT_FALSE(NextIndexCombination(p, 5));
  EXPECT_EQ(p, iArray{5});
}

TEST(Combinations, NextCombinationWalksBallValuesAndEmptiesAfterTheLast) {
  const iArray source = {2, 4, 7, 9};
  iArray c = {2, 4, 9};
  NextCombination(c, source);
  EXPECT_EQ(c, (iArray{2, 7, 9}));
  c = {4, 7, 9};
  NextCombination(c, source);
  EXPECT_TRUE(c.empty());
  iArray empty;
  NextCombination(empty, source);
  EXPECT_TRUE(empty.empty());
}

TEST(Combinations, AllCombinationsEdges) {
  EXPECT_TRUE(AllCombinations({1, 2}, 3).empty());
  EXPECT_EQ(AllCombinations({1, 2}, 0), iArray2D{iArray{}});
  EXPECT_EQ(AllCombinations({3, 5, 8}, 2), (iArray2D{{3, 5}, {3, 8}, {5, 8}}));
  // More than 170 source values: the floating binomial overflows, the exact count does not.
  const iArray2D pairs = AllCombinations(Range(1, 200), 2);
  ASSERT_EQ(pairs.size(), 19900u);
  EXPECT_EQ(pairs.back(), (iArray{199, 200}));
  EXPECT_EQ(BinomialCount(49, 7), 85900584);
  EXPECT_EQ(BinomialCount(5, 36), 0);
}

TEST(PrognozExt, AcceptAllWalkOfFiveOfThirtySix) {
  TPrognozExt space;
  space.CombiSize = 5;
  space.SourceRange = Range(1, 36);
  space.ReCalculate(nullptr);
  EXPECT_EQ(space.NumCombTotal, 376992);
  EXPECT_EQ(space.NumCombFiltered, 376992);
  ASSERT_EQ(space.PrognozTable.RowCount(), 376992);
  EXPECT_EQ(space.PrognozTable.RowArray(0), (iArray{1, 2, 3, 4, 5}));
  EXPECT_EQ(space.PrognozTable.RowArray(1), (iArray{1, 2, 3, 4, 6}));
  EXPECT_EQ(space.PrognozTable.RowArray(376991), (iArray{32, 33, 34, 35, 36}));
}

class TCountingSpace : public TPrognozExt {
public:
  int Tested = 0;
  bool TestCombi(const iArray& combination) override {
    ++Tested;
    return combination.front() % 2 == 1;
  }
};

TEST(PrognozExt, SmallSourcesAndTheTest) {
  TCountingSpace tooSmall;
  tooSmall.CombiSize = 5;
  tooSmall.SourceRange = {1, 2, 3};
  tooSmall.ReCalculate(nullptr);
  EXPECT_EQ(tooSmall.NumCombTotal, 0);
  EXPECT_EQ(tooSmall.NumCombFiltered, 0);
  EXPECT_EQ(tooSmall.Tested, 0);
  EXPECT_TRUE(tooSmall.PrognozTable.IsEmpty());

  TCountingSpace exact;
  exact.CombiSize = 3;
  exact.SourceRange = {3, 9, 20};
  exact.ReCalculate(nullptr);
  EXPECT_EQ(exact.Tested, 1);
  EXPECT_EQ(exact.PrognozTable.ToRows(), (iArray2D{{3, 9, 20}}));

  TCountingSpace odd;
  odd.CombiSize = 2;
  odd.SourceRange = {1, 2, 3, 4};
  odd.ReCalculate(nullptr);
  EXPECT_EQ(odd.Tested, 6);
  EXPECT_EQ(odd.NumCombFiltered, 4);
  // Walk order: 12 13 14 23 24 34; the ones starting with an odd ball pass.
  EXPECT_EQ(odd.PrognozTable.ToRows(), (iArray2D{{1, 2}, {1, 3}, {1, 4}, {3, 4}}));
}

TEST(PrognozExt, TooLargeASpaceIsCountedButNotStored) {
  TTestHost host;
  TPrognozExt space;
  space.CombiSize = 6;
  space.SourceRange = Range(1, 90);  // 622,614,630 combinations
  space.SetTotalTable(&host);
  EXPECT_EQ(space.NumCombTotal, 622614630);
  EXPECT_EQ(space.NumCombPrognoz, 0);
  EXPECT_EQ(host.Messages,
            QStringList{u"Всего возможных комбинаций: 622.614.630\r"
                        "Перебор более 100.000.000 комбинаций превышает возможности компьютера\r"
                        "и не имеет практического смысла."_s});
}

TEST(CombinationTable, StoresRowsAsBytesAndCompares) {
  TCombinationTable table(3);
  table.AppendRow(iArray{1, 2, 255});
  table.AppendRow(iArray{4, 5, 6});
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.RowArray(0), (iArray{1, 2, 255}));
  TCombinationTable copy = table;
  EXPECT_EQ(copy, table);
  copy.Truncate(1);
  EXPECT_FALSE(copy == table);
  EXPECT_EQ(TCombinationTable::FromRows(table.ToRows(), 3), table);
}

}  // namespace
