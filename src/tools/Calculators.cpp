#include "Calculators.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

// x rounded to an integer, as digits of which at most 18 are significant (the rest zeros).
QString Digits18(long double x) {
  if (x < 1e17L) return QString::number(static_cast<int64_t>(std::nearbyint(x)));
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.17Le", x);  // d.ddddddddddddddddde+XX
  const QString text = QString::fromLatin1(buffer);
  const int exponent = text.mid(text.indexOf(u'e') + 1).toInt();
  QString digits = text.left(1) + text.mid(2, 17);
  return digits + QString(exponent - 17, u'0');
}

QString Grouped(const QString& digits, const QString& separator) {
  QString out;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

QString CombinationsCalculatorText(const TCalculatorParams& p) {
  const QString caption = u"Number of Combinations = "_s;
  const int D = p.Draw, L = p.Lotto, B = p.Balls;
  if (L <= 0 || D <= 0 || B <= 0 || L < D || D < B || L - D < D - B) return caption;
  // The binomials exactly (C(80, 20) is 3.5e18) and their quotient with a 64-bit mantissa,
  // so that a whole count keeps all its digits.
  const long double x = static_cast<long double>(BinomialCount(L, D)) /
                        static_cast<long double>(BinomialCount(D, B)) /
                        static_cast<long double>(BinomialCount(L - D, D - B));
  if (!std::isfinite(x) || x < 0) return caption;
  return caption + Grouped(Digits18(x), p.GroupSeparator);
}

void ShowCombinationsCalculator(const TCalculatorParams& params, TReportPane& pane) {
  pane.Clear();
  pane.AddLine(CombinationsCalculatorText(params));
}

int32_t ReadIntegerText(QStringView text) {
  const iArray numbers = ExtractNumbers(text);
  return numbers.empty() ? 0 : numbers.front();
}

std::optional<double> ReadDecimalText(QStringView text) {
  static const QRegularExpression number(
      u"^\\s*[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?\\s*$"_s);
  if (!number.match(text.toString()).hasMatch()) return std::nullopt;
  QString plain = text.trimmed().toString();
  plain.replace(u',', u'.');
  bool ok = false;
  const double value = plain.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString InvalidNumberMessage(const QString& text, const QString& language) {
  return IsRussian(language) ? u"'"_s + text + u"' — недопустимое число с плавающей точкой"_s
                             : u"'"_s + text + u"' is not a valid floating point value"_s;
}

namespace {

constexpr long double kInt64Max = static_cast<long double>(std::numeric_limits<int64_t>::max());

// x rounded half to even, when it fits in 64 bits.
std::optional<int64_t> RoundedInt64(long double x) {
  const long double rounded = std::nearbyint(x);  // the default mode: half to even
  if (!std::isfinite(rounded) || rounded >= kInt64Max || rounded <= -kInt64Max) return std::nullopt;
  return static_cast<int64_t>(rounded);
}

struct TMartingaleStep {
  int64_t Stake = 0, Total = 0, Cost = 0, Win = 0, Profit = 0;
};

// The next step from the cost so far; nothing when an amount would pass 64 bits.
std::optional<TMartingaleStep> NextStep(int64_t cost, int64_t s0, int64_t n, int64_t p, double k) {
  TMartingaleStep step;
  step.Cost = cost;
  if (k - static_cast<double>(n) > 0) {
    const auto stake = RoundedInt64((static_cast<long double>(p) + cost) / (k - n));
    if (!stake) return std::nullopt;
    step.Stake = std::max<int64_t>(*stake, s0);
    const auto win = RoundedInt64(static_cast<long double>(step.Stake) * k);
    if (!win || __builtin_mul_overflow(step.Stake, n, &step.Total) ||
        __builtin_add_overflow(cost, step.Total, &step.Cost))
      return std::nullopt;
    step.Win = *win;
  }
  if (__builtin_sub_overflow(step.Win, step.Cost, &step.Profit)) return std::nullopt;
  return step;
}

}  // namespace

void ShowMartingale(const TMartingaleParams& params, TReportPane& pane, THost* host) {
  pane.Clear();
  const std::optional<double> k = ReadDecimalText(params.Odds);
  if (!k) {
    if (host != nullptr) host->ShowMessage(InvalidNumberMessage(params.Odds, params.Language));
    return;
  }
  const int steps = std::clamp(params.Steps, kMartingaleStepsMin, kMartingaleStepsMax);
  const int64_t s0 = ReadIntegerText(params.StartStake), n = ReadIntegerText(params.NumStakes),
                c0 = ReadIntegerText(params.StartCost), p = ReadIntegerText(params.Profit);
  pane.AddLine(u"Step      Stake      Total        Cost        Win     Profit"_s);
  pane.AddLine(QString());
  int64_t cost = c0;
  for (int i = 1; i <= steps; ++i) {
    const std::optional<TMartingaleStep> step = NextStep(cost, s0, n, p, *k);
    if (!step) {
      pane.AddLine(
          u"Суммы шага "_s + QString::number(i) +
          u" не помещаются в 64-битные числа: таблица остановлена (the amounts of step "_s +
          QString::number(i) + u" pass 64-bit integers; the table stops here)."_s);
      return;
    }
    cost = step->Cost;
    pane.AddLine(IntPadLeft(4, i) + u"  "_s + IntPadLeft(9, step->Stake) + u"  "_s +
                 IntPadLeft(9, step->Total) + u"   "_s + IntPadLeft(9, step->Cost) + u"  "_s +
                 IntPadLeft(9, step->Win) + u"  "_s + IntPadLeft(9, step->Profit));
  }
}
