// lotrix-cli report hot-cold: the Hot/Warm/Cold report of one draw of a draws file.
#include "analyses/HotColdReport.h"

#include <algorithm>

#include "Command.h"
#include "Report.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

namespace {

class THotColdReport : public TReport {
public:
  QString Name() const override { return u"hot-cold"_s; }
  QString Usage() const override {
    return u"[--draw T] [--history H] [--okno O] [--markov] [--win-code] [--frequency] [--sort]"_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        {u"history"_s,
         u"H: the draws before T in the history lines, %1..%2 (default %3)."_s
             .arg(kHotColdHistoryMin)
             .arg(kHotColdHistoryMax)
             .arg(kHotColdHistoryDefault),
         u"H"_s},
        {u"okno"_s,
         u"O: the draws before T whose balls feed the ball frequency table, %1..%2 "
         "(default: the hot window P = round(10 x MaxBall / BallsInDraw))."_s.arg(kHotColdOknoMin)
             .arg(kHotColdOknoMax),
         u"O"_s},
        {u"markov"_s, u"Add the Markov tables of Total and Win of the three classes."_s},
        {u"win-code"_s, u"Add the WinCodes of the history and their frequency table."_s},
        {u"frequency"_s, u"Add the frequency table of the balls of the last O draws."_s},
        {u"sort"_s, u"Sort that table by frequency."_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    THotWarmColdParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = SpinOption(parser, u"history"_s, kHotColdHistoryDefault, kHotColdHistoryMin,
                                kHotColdHistoryMax, &ok);
    // The shell puts P into the window's spin edit when it opens a lottery.
    const int hotWindow = std::clamp(HotWindow(lottery->BallsInDraw, lottery->MaxBall),
                                     kHotColdOknoMin, kHotColdOknoMax);
    params.Okno = SpinOption(parser, u"okno"_s, hotWindow, kHotColdOknoMin, kHotColdOknoMax, &ok);
    if (!ok) return kExitUsage;
    params.Markov = parser.isSet(u"markov"_s);
    params.WinCode = parser.isSet(u"win-code"_s);
    params.FrequencyTable = parser.isSet(u"frequency"_s);
    params.Sort = parser.isSet(u"sort"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<THotColdReport>();
});

}  // namespace
