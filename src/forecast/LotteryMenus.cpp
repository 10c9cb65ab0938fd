#include "LotteryMenus.h"

#include "PrognozExt.h"
#include "core/Lottery.h"

TLotteryMenus LotteryMenus(const TLottery& lottery, const QString& prof) {
  const int k = lottery.BallsInDraw, n = lottery.MaxBall;
  TLotteryMenus menus;
  menus.Researches = prof.left(3) == QString::fromUtf16(kResearchAccessCode);
  menus.Irish49s = k == 7 && n == 49;
  menus.Keno = k == 20 && n == 80;
  // Exact, not through the floating Binomial, which is 0 for 171 balls or more.
  const int64_t combinations = BinomialCount(n, k);
  menus.Forecast = combinations > 0 && combinations < kMaxStoredSpace;
  return menus;
}
