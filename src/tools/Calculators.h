#pragma once
// The two small tools of the Advanced menu: the combinations calculator (how many
// combinations there are per combination matching exactly B of the D drawn balls out of L)
// and the martingale planner (each stake sized so that a win covers everything spent so far
// plus a fixed profit).

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "core/Host.h"
#include "core/ReportPane.h"

constexpr int kCalculatorDrawMax = 20, kCalculatorLottoMax = 80, kCalculatorBallsMax = 20;

struct TCalculatorParams {
  int Draw = 5;                                  // D, balls drawn (seCalculatorDraw)
  int Lotto = 36;                                // L, highest ball (seCalculatorLotto)
  int Balls = 5;                                 // B, matched balls (seCalculatorBalls)
  QString GroupSeparator = QStringLiteral(",");  // the user's locale's
};

// "Number of Combinations = " followed, when D, L and B make sense, by
// C(L, D) / C(D, B) / C(L - D, D - B) rounded, grouped by thousands, 18 significant digits
// at the most.
QString CombinationsCalculatorText(const TCalculatorParams& params);
// The label as the pane's one line (lotrix-cli).
void ShowCombinationsCalculator(const TCalculatorParams& params, TReportPane& pane);

constexpr int kMartingaleStepsDefault = 32, kMartingaleStepsMin = 1, kMartingaleStepsMax = 500;

// The planner's fields as typed; the integer fields are read by ReadIntegerText.
struct TMartingaleParams {
  QString StartStake = QStringLiteral("20");  // S0, the smallest stake
  QString NumStakes = QStringLiteral("1");    // n, stakes per step
  QString StartCost = QStringLiteral("0");    // C0, money already spent
  QString Profit = QStringLiteral("1000");    // P, the profit wanted
  QString Odds = QStringLiteral("45,0");      // k, the payout factor of a winning stake
  int Steps = kMartingaleStepsDefault;
  QString Language = QStringLiteral("rus");
};

// The first unsigned number of a text (0 when there is none): "-20" and "20 words" read 20.
int32_t ReadIntegerText(QStringView text);
// A decimal number with "," or "." as its separator (at most one), an optional exponent
// ("4,5e1") and spaces around it; nothing when the text is no such number or is not finite.
std::optional<double> ReadDecimalText(QStringView text);
// The message for an odds text that is no number.
QString InvalidNumberMessage(const QString& text, const QString& language);

// The series: a header, an empty line and one line per step. Odds that are no number write
// nothing and tell the host (when given). A step whose amounts would pass 64-bit integers
// ends the table with one line saying so.
void ShowMartingale(const TMartingaleParams& params, TReportPane& pane, THost* host = nullptr);
