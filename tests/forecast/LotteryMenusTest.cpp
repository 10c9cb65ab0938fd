// The menus a lottery opens: the forecast below the walk's bound, by the exact count.
#include <gtest/gtest.h>

#include "core/Lottery.h"
#include "forecast/LotteryMenus.h"

using namespace Qt::StringLiterals;

namespace {

TLotteryMenus MenusOf(int k, int n, const QString& prof = QString()) {
  TLottery lottery;
  lottery.BallsInDraw = k;
  lottery.MaxBall = n;
  return LotteryMenus(lottery, prof);
}

}  // namespace

TEST(LotteryMenus, TheForecastIsOfferedBelowAHundredMillionCombinations) {
  EXPECT_TRUE(MenusOf(6, 45).Forecast);    // 8,145,060 combinations
  EXPECT_TRUE(MenusOf(7, 36).Forecast);    // 8,347,680
  EXPECT_TRUE(MenusOf(7, 49).Forecast);    // 85,900,584
  EXPECT_FALSE(MenusOf(6, 80).Forecast);   // 300,500,200
  EXPECT_FALSE(MenusOf(20, 80).Forecast);  // about 3.5e18
  EXPECT_FALSE(MenusOf(5, 200).Forecast);  // a floating binomial overflows here: too many, not none
  EXPECT_FALSE(MenusOf(127, 255).Forecast);
  EXPECT_TRUE(MenusOf(0, 0).Forecast);  // no lottery yet: C(0, 0) = 1, the menus stay open
}

TEST(LotteryMenus, TheLotteryMenusAndTheResearchCode) {
  EXPECT_TRUE(MenusOf(7, 49).Irish49s);
  EXPECT_FALSE(MenusOf(7, 49).Keno);
  EXPECT_TRUE(MenusOf(20, 80).Keno);
  EXPECT_FALSE(MenusOf(20, 80).Irish49s);
  EXPECT_FALSE(MenusOf(6, 49).Researches);
  EXPECT_TRUE(MenusOf(6, 49, u"731"_s).Researches);
  EXPECT_TRUE(MenusOf(6, 49, u"7315 and more"_s).Researches);
  EXPECT_FALSE(MenusOf(6, 49, u"73"_s).Researches);
  EXPECT_FALSE(MenusOf(6, 49, u" 731"_s).Researches);
}
