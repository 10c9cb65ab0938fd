#pragma once
// Which menus the open lottery offers: the rules the window applies at every opening.

#include <QString>

class TLottery;

// The research menu is shown when the first three characters of the "Prof" setting are
// this code.
inline constexpr auto kResearchAccessCode = u"731";

struct TLotteryMenus {
  bool Researches = false;  // the "Prof" setting starts with the research access code
  bool Irish49s = false;    // menu49s: 7 of 49
  bool Keno = false;        // menuKENO: 20 of 80
  bool Forecast = false;    // the forecast menus: fewer combinations than the forecast walks
};

TLotteryMenus LotteryMenus(const TLottery& lottery, const QString& prof);
