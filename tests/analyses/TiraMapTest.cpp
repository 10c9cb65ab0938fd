// The draws map model: 30 rows around the analysed draw, the cell size by the lottery.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/TiraMap.h"

TEST(TiraMap, RowsCellsAndTheRowsFromTheAnalysedDrawOn) {
  TLottery lottery = MakeLottery(2, 45, {{1, 5, 3}, {2, 7, 1}, {3, 44, 45}});
  lottery.UpdateLottoClass();
  TTiraMap map = BuildTiraMap(lottery, {.NextTira = 2, .ShowNext = true});
  EXPECT_EQ(map.Cell, 20);  // 6 of 45: LottoClass 1
  ASSERT_EQ(map.Labels.size(), 30u);
  EXPECT_EQ(map.Labels.front(), -18);  // before the first draw: labelled, unfilled
  EXPECT_TRUE(map.Filled[0].empty());
  EXPECT_EQ(map.Filled[19], (iArray{3, 5}));  // draw 1, ascending
  EXPECT_EQ(map.Filled[20], (iArray{1, 7}));  // draw 2 = T, shown with "Show next"
  EXPECT_EQ(map.Filled[21], (iArray{44, 45}));
  map = BuildTiraMap(lottery, {.NextTira = 2, .ShowNext = false});
  EXPECT_TRUE(map.Filled[20].empty());
  EXPECT_EQ(map.Filled[19], (iArray{3, 5}));

  TLottery small = MakeLottery(5, 20, {});
  small.UpdateLottoClass();
  EXPECT_EQ(BuildTiraMap(small, {}).Cell, 14);  // 5 of 20: LottoClass 0
}
