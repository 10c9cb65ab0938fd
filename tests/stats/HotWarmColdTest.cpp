#include <gtest/gtest.h>

#include "core/SilentHost.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

namespace {

// 4 of 6: P = 15, L = round(7.5) = 8, S = round(1.5) = 2. Small enough to count by hand.
TLottery SmallLottery() {
  TLottery lottery;
  lottery.BallsInDraw = 4;
  lottery.MaxBall = 6;
  lottery.Tirazhi = {{1, 1, 2, 3, 4}, {2, 3, 4, 5, 6},  {3, 1, 2, 3, 6},  {4, 1, 3, 4, 6},
                     {5, 1, 2, 3, 5}, {6, 2, 3, 4, 6},  {7, 1, 3, 5, 6},  {8, 1, 2, 3, 4},
                     {9, 1, 2, 4, 5}, {10, 2, 4, 5, 6}, {11, 1, 2, 4, 6}, {12, 2, 4, 5, 6}};
  lottery.SetDrawRange();
  return lottery;
}

void ExpectClasses(const THotWarmCold& classes, const iArray& hot, const iArray& warm,
                   const iArray& cold) {
  EXPECT_EQ(classes.Hot, hot);
  EXPECT_EQ(classes.Warm, warm);
  EXPECT_EQ(classes.Cold, cold);
}

TEST(HotWarmColdWindows, HotWindowAndItsTwoWindowsRoundHalvesToEven) {
  EXPECT_EQ(HotWindow(5, 36), 72);
  EXPECT_EQ(HotWindow(6, 45), 75);
  EXPECT_EQ(HotWindow(6, 49), 82);  // 81.67
  EXPECT_EQ(HotWindow(20, 80), 40);
  EXPECT_EQ(HotWindow(4, 5), 12);  // 12.5
  EXPECT_EQ(HotWindow(4, 7), 18);  // 17.5
  EXPECT_EQ(HotWindow(0, 45), 0);  // no lottery

  EXPECT_EQ(HotLongWindow(72), 36);
  EXPECT_EQ(HotShortWindow(72), 7);
  EXPECT_EQ(HotLongWindow(75), 38);  // 37.5
  EXPECT_EQ(HotShortWindow(75), 8);  // 7.5
  EXPECT_EQ(HotLongWindow(82), 41);
  EXPECT_EQ(HotShortWindow(82), 8);
  EXPECT_EQ(HotLongWindow(25), 12);  // 12.5
  EXPECT_EQ(HotShortWindow(25), 2);  // 2.5

  TLottery lottery = SmallLottery();
  const THotWarmColdWindow window(lottery, lottery.NewTira);
  EXPECT_EQ(window.LongWindow(), 8);
  EXPECT_EQ(window.ShortWindow(), 2);
  lottery.BallsInDraw = 6;
  lottery.MaxBall = 45;
  const THotWarmColdWindow korea(lottery, lottery.NewTira);
  EXPECT_EQ(korea.LongWindow(), 38);
  EXPECT_EQ(korea.ShortWindow(), 8);
}

TEST(HotWarmColdClassify, ClassesOfTheNextDrawAndOfDrawsInsideTheHistory) {
  const TLottery lottery = SmallLottery();
  // Draw 13 (the next): long window 12..5, short 12..11. Ball 2: 7 and 2 draws; 4: 6 and 2;
  // 1: 5 and 1; 5: 5 and 1; 6: 5 and 2; 3: 4 and 0.
  ExpectClasses(ClassifyHotWarmCold(lottery, 13), {2, 4}, {1, 5, 6}, {3});
  // Draw 11: ball 3 was drawn in 6 of the draws 10..3 but in neither 10 nor 9: warm, not hot.
  EXPECT_EQ(CountDrawsWithBall(lottery, 3, 10, 8), 6);
  EXPECT_EQ(CountDrawsWithBall(lottery, 3, 10, 2), 0);
  ExpectClasses(ClassifyHotWarmCold(lottery, 11), {1, 2}, {3, 4, 5, 6}, {});
  ExpectClasses(ClassifyHotWarmCold(lottery, 12), {1, 2, 4}, {5, 6}, {3});
  ExpectClasses(ClassifyHotWarmCold(lottery, 7), {3}, {1, 2, 4, 5, 6}, {});
}

TEST(HotWarmColdClassify, AtAndNearTheFirstDrawNothingIsHot) {
  const TLottery lottery = SmallLottery();
  ExpectClasses(ClassifyHotWarmCold(lottery, 1), {}, {}, {1, 2, 3, 4, 5, 6});
  ExpectClasses(ClassifyHotWarmCold(lottery, -50), {}, {}, {1, 2, 3, 4, 5, 6});
  ExpectClasses(ClassifyHotWarmCold(lottery, 2), {}, {1, 2, 3, 4}, {5, 6});
  ExpectClasses(ClassifyHotWarmCold(lottery, 6), {}, {1, 2, 3, 4, 5, 6}, {});
  // Far beyond the table the windows are empty again.
  ExpectClasses(ClassifyHotWarmCold(lottery, 100), {}, {}, {1, 2, 3, 4, 5, 6});
}

TEST(HotWarmColdClassify, SlidingWindowMatchesCountsOfEveryDrawOfALongHistory) {
  const QString path = QString::fromUtf8(LOTRIX_EXAMPLES_DIR) + u"/6x45 korea lotto.txt"_s;
  TLottery lottery;
  TSilentHost host;
  ASSERT_TRUE(lottery.ReadLotteryFromFileName(path));
  LoadDraws(lottery, path, u"eng"_s, host);
  lottery.SetDrawRange();
  ASSERT_GT(lottery.Tirazhi.size(), 100u);

  // From the next draw back past the first one: the classes of each draw from the ball
  // counts of its two windows (38 and 8 draws), and the Win values of its balls.
  THotWarmColdWindow window(lottery, lottery.NewTira);
  int hotSeen = 0;
  for (int draw = lottery.NewTira; draw >= lottery.FirstTira - 3; --draw) {
    ASSERT_EQ(window.Draw(), draw);
    std::array<int, 3> totals{};
    for (int ball = 1; ball <= 45; ++ball) {
      const int a = CountDrawsWithBall(lottery, ball, draw - 1, 38);
      const int b = CountDrawsWithBall(lottery, ball, draw - 1, 8);
      const int expected = (a >= 6 && b >= 1)   ? THotWarmColdWindow::Hot
                           : (a <= 5 && b == 0) ? THotWarmColdWindow::Cold
                                                : THotWarmColdWindow::Warm;
      ASSERT_EQ(window.ClassOf(ball), expected) << "draw " << draw << " ball " << ball;
      ++totals[static_cast<size_t>(expected)];
    }
    hotSeen += totals[0];
    EXPECT_EQ(window.Total(THotWarmColdWindow::Hot), totals[0]);
    EXPECT_EQ(window.Total(THotWarmColdWindow::Warm), totals[1]);
    EXPECT_EQ(window.Total(THotWarmColdWindow::Cold), totals[2]);
    const std::array<int, 3> wins = window.WinsOfDraw(draw);
    EXPECT_EQ(wins[0] + wins[1] + wins[2], lottery.DrawBalls(draw).empty() ? 0 : 6);
    window.StepBack();
  }
  EXPECT_GT(hotSeen, 0);
}

TEST(HotWarmColdClassify, UncheckedRowsCountEachBallOnceAndIgnoreStrangers) {
  TLottery lottery = SmallLottery();
  lottery.Tirazhi[11] = {12, 3, 3, 9, 0};  // a repeated ball and two numbers outside 1..6
  EXPECT_EQ(CountDrawsWithBall(lottery, 3, 12, 1), 1);
  THotWarmColdWindow window(lottery, 13);
  // Ball 3: 5 of the draws 12..5 and 1 of 12..11 (twice counted it would be 6 and 2: hot).
  EXPECT_EQ(window.ClassOf(3), THotWarmColdWindow::Warm);
  EXPECT_EQ(window.ClassOf(9), -1);
  EXPECT_EQ(window.ClassOf(0), -1);
  const std::array<int, 3> wins = window.WinsOfDraw(12);
  EXPECT_EQ(wins, (std::array<int, 3>{0, 1, 0}));
  // Draw 12 leaves the windows once, as it came in.
  window.StepBack();
  ExpectClasses(window.Classes(), {1, 2, 4}, {5, 6}, {3});
}

TEST(HotWarmColdCount, CountDrawsWithBallBounds) {
  const TLottery lottery = SmallLottery();
  EXPECT_EQ(CountDrawsWithBall(lottery, 1, 12, 12), 8);
  EXPECT_EQ(CountDrawsWithBall(lottery, 1, 12, 0), 0);
  EXPECT_EQ(CountDrawsWithBall(lottery, 1, 12, -3), 0);
  EXPECT_EQ(CountDrawsWithBall(lottery, 1, 3, 1000000000), 2);  // draws 3, 1
  EXPECT_EQ(CountDrawsWithBall(lottery, 1, 0, 5), 0);
  EXPECT_EQ(CountDrawsWithBall(lottery, 1, 2147483647, 2147483647), 8);
  EXPECT_EQ(CountDrawsWithBall(lottery, 7, 12, 12), 0);
}

TEST(HotWarmColdWinCode, NumberFormTextAndZones) {
  EXPECT_EQ(WinCodeToNumber({2, 0, 3}), 203);
  EXPECT_EQ(WinCodeToNumber({0, 3, 2}), 32);
  EXPECT_EQ(WinCodeToNumber({1, 10, 0}), -1);
  EXPECT_EQ(WinCodeToNumber({-1, 0, 3}), -1);
  EXPECT_EQ(WinCodeToNumber({1, 2}), -1);
  EXPECT_EQ(WinCodeToNumber({}), -1);

  EXPECT_EQ(WinCodeText({2, 0, 3}), u"203"_s);
  EXPECT_EQ(WinCodeText({0, 3, 2}), u"032"_s);
  EXPECT_EQ(WinCodeText({-1, 0, 3}), u"x03"_s);
  EXPECT_EQ(WinCodeText({1, 10, 0}), u"1x0"_s);
  EXPECT_EQ(WinCodeText({5, 5}), u"xxx"_s);
  EXPECT_EQ(WinCodeText({}), u"xxx"_s);

  EXPECT_EQ(WinCodeFromNumber(203), (TWinCode{2, 0, 3}));
  EXPECT_EQ(WinCodeFromNumber(32), (TWinCode{0, 3, 2}));
  EXPECT_EQ(WinCodeFromNumber(0), (TWinCode{0, 0, 0}));
  EXPECT_EQ(WinCodeFromNumber(1203), (TWinCode{-1, 0, 3}));
  EXPECT_EQ(WinCodeFromNumber(-1), (TWinCode{-1, -1, -1}));
  EXPECT_EQ(WinCodeText(WinCodeFromNumber(1203)), u"x03"_s);
  EXPECT_EQ(WinCodeText(WinCodeFromNumber(-7)), u"xxx"_s);

  // Zones may overlap: an element counts once per zone that holds it.
  EXPECT_EQ(WinCodeOf({1, 2}, {2, 3}, {9}, {2, 3, 4}), (TWinCode{1, 2, 0}));
  EXPECT_TRUE(WinCodeOf({1}, {2}, {3}, {}).empty());
  const iArray many = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_EQ(WinCodeOf(many, {}, {11}, many), (TWinCode{-1, 0, 0}));
}

TEST(HotWarmColdWinCode, BallCodeOfADrawAddsUpToItsBalls) {
  const TLottery lottery = SmallLottery();
  const THotWarmCold at12 = ClassifyHotWarmCold(lottery, 12);
  const TWinCode code = WinCodeOf(at12.Hot, at12.Warm, at12.Cold, lottery.DrawBalls(12));
  EXPECT_EQ(code, (TWinCode{2, 2, 0}));
  EXPECT_EQ(WinCodeToNumber(code), 220);
  // All four balls of draw 12 hot when the hot zone is widened to every ball.
  EXPECT_EQ(WinCodeOf({1, 2, 3, 4, 5, 6}, {}, {}, lottery.DrawBalls(12)), (TWinCode{4, 0, 0}));
}

TEST(HotWarmColdBalls, BallsOfDrawsNewestFirstOrDistinct) {
  const TLottery lottery = SmallLottery();
  EXPECT_EQ(BallsOfDraws(lottery, 12, 2, false), (iArray{2, 4, 5, 6, 1, 2, 4, 6}));
  EXPECT_EQ(BallsOfDraws(lottery, 12, 2, true), (iArray{1, 2, 4, 5, 6}));
  EXPECT_TRUE(BallsOfDraws(lottery, 12, 0, false).empty());
  EXPECT_TRUE(BallsOfDraws(lottery, 12, -4, true).empty());
  // Draws outside the table add nothing.
  EXPECT_EQ(BallsOfDraws(lottery, 1, 9999, false), (iArray{1, 2, 3, 4}));
  EXPECT_EQ(BallsOfDraws(lottery, 14, 3, false), (iArray{2, 4, 5, 6}));
  EXPECT_TRUE(BallsOfDraws(lottery, -2147483647 - 1, 2147483647, false).empty());
  EXPECT_TRUE(BallsOfDraws(TLottery(), 5, 5, true).empty());
}

}  // namespace
