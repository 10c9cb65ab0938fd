// lotrix-cli report calculator / martingale: the two tools of the Advanced menu.
#include <QJsonObject>
#include <QLocale>

#include "Command.h"
#include "LotteryLoader.h"
#include "Report.h"

using namespace Qt::StringLiterals;

namespace {

class TCalculatorReport : public TReport {
public:
  QString Name() const override { return u"calculator"_s; }
  QString Usage() const override { return u"[--calc-draw D] [--calc-lotto L] [--calc-balls B]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    parser.addOptions({
        {u"calc-draw"_s, u"D: the balls drawn, 1..%1 (default 5)."_s.arg(kCalculatorDrawMax),
         u"D"_s},
        {u"calc-lotto"_s, u"L: the highest ball, 1..%1 (default 36)."_s.arg(kCalculatorLottoMax),
         u"L"_s},
        {u"calc-balls"_s,
         u"B: the matched balls, 1..%1 (default 5). The number is grouped by the locale's "
         "thousands separator."_s.arg(kCalculatorBallsMax),
         u"B"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery*, QChar, TReportParams& out) override {
    bool ok = true;
    TCalculatorParams params;
    params.Draw = SpinOption(parser, u"calc-draw"_s, 5, 1, kCalculatorDrawMax, &ok);
    params.Lotto = SpinOption(parser, u"calc-lotto"_s, 36, 1, kCalculatorLottoMax, &ok);
    params.Balls = SpinOption(parser, u"calc-balls"_s, 5, 1, kCalculatorBallsMax, &ok);
    params.GroupSeparator = QLocale::system().groupSeparator();
    if (!ok) return kExitUsage;
    out = params;
    return kExitOk;
  }
  // {"label": the calculator's label}
  QJsonObject ExtraJson(const TReportParams& params, const TLottery*) const override {
    return {{u"label"_s, CombinationsCalculatorText(std::get<TCalculatorParams>(params))}};
  }
};

class TMartingaleReport : public TReport {
public:
  QString Name() const override { return u"martingale"_s; }
  QString Usage() const override {
    return u"[--start-stake T] [--num-stakes T] [--start-cost T] [--profit T] [--odds T] "
           "[--steps N]"_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    parser.addOptions({
        {u"start-stake"_s, u"S0, the smallest stake (default 20; its first number)."_s, u"T"_s},
        {u"num-stakes"_s, u"n, the stakes placed per step (default 1)."_s, u"T"_s},
        {u"start-cost"_s, u"C0, the money already spent (default 0)."_s, u"T"_s},
        {u"profit"_s, u"P, the profit wanted (default 1000)."_s, u"T"_s},
        {u"odds"_s,
         u"k, the payout factor of a winning stake (default 45,0; \",\" or \".\" as the decimal "
         "separator, an exponent allowed)."_s,
         u"T"_s},
        {u"steps"_s,
         u"N, the number of steps, %1..%2 (default %3)."_s.arg(kMartingaleStepsMin)
             .arg(kMartingaleStepsMax)
             .arg(kMartingaleStepsDefault),
         u"N"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery*, QChar, TReportParams& out) override {
    bool ok = true;
    TMartingaleParams params;
    auto text = [&parser](const QString& name, const QString& fallback) {
      return parser.isSet(name) ? parser.value(name) : fallback;
    };
    params.StartStake = text(u"start-stake"_s, params.StartStake);
    params.NumStakes = text(u"num-stakes"_s, params.NumStakes);
    params.StartCost = text(u"start-cost"_s, params.StartCost);
    params.Profit = text(u"profit"_s, params.Profit);
    params.Odds = text(u"odds"_s, params.Odds);
    params.Steps = SpinOption(parser, u"steps"_s, kMartingaleStepsDefault, kMartingaleStepsMin,
                              kMartingaleStepsMax, &ok);
    params.Language = DefaultLanguage();
    if (!ok) return kExitUsage;
    if (!ReadDecimalText(params.Odds)) {
      Err() << "lotrix-cli: " << InvalidNumberMessage(params.Odds, params.Language) << '\n'
            << Qt::flush;
      return kExitInvalidData;
    }
    out = params;
    return kExitOk;
  }
  // The integer fields as the panel rewrites them; the odds as typed.
  QJsonObject ExtraJson(const TReportParams& params, const TLottery*) const override {
    const TMartingaleParams& p = std::get<TMartingaleParams>(params);
    auto plain = [](const QString& text) { return QString::number(ReadIntegerText(text)); };
    return {{u"fields"_s, QJsonObject{{u"start_stake"_s, plain(p.StartStake)},
                                      {u"num_stakes"_s, plain(p.NumStakes)},
                                      {u"start_cost"_s, plain(p.StartCost)},
                                      {u"profit"_s, plain(p.Profit)},
                                      {u"odds"_s, p.Odds}}}};
  }
};

const TReportRegistration calculator([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TCalculatorReport>();
});
const TReportRegistration martingale([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TMartingaleReport>();
});

}  // namespace
