// lotrix-cli report first-last / sum / sum-for-bets: the smallest and largest ball and the sum
// of the balls of every draw.
#include "Command.h"
#include "Report.h"
#include "analyses/FirstLastSum.h"

using namespace Qt::StringLiterals;

namespace {

QCommandLineOption HistoryOption() {
  return {u"history"_s,
          u"H: the length of the value series, %1..%2 (default %3)."_s.arg(kFirstLastSumHistoryMin)
              .arg(kFirstLastSumHistoryMax)
              .arg(kFirstLastSumHistoryDefault),
          u"H"_s};
}

int History(const QCommandLineParser& parser, bool* ok) {
  return SpinOption(parser, u"history"_s, kFirstLastSumHistoryDefault, kFirstLastSumHistoryMin,
                    kFirstLastSumHistoryMax, ok);
}

class TFirstLastReport : public TReport {
public:
  QString Name() const override { return u"first-last"_s; }
  QString Usage() const override { return u"[--draw T] [--history H] [--sort] [--series]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        HistoryOption(),
        {u"sort"_s, u"Sort both frequency tables by count."_s},
        {u"series"_s, u"Show where each value occurs in the series."_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TFirstLastBallParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = History(parser, &ok);
    if (!ok) return kExitUsage;
    params.Sort = parser.isSet(u"sort"_s);
    params.Series = parser.isSet(u"series"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

class TSumReport : public TReport {
public:
  QString Name() const override { return u"sum"_s; }
  QString Usage() const override { return u"[--draw T] [--history H] [--no-sort]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        HistoryOption(),
        {u"no-sort"_s, u"List the frequency table by sum instead of by count."_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TSumParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = History(parser, &ok);
    if (!ok) return kExitUsage;
    params.Sort = !parser.isSet(u"no-sort"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

class TSumForBetsReport : public TReport {
public:
  QString Name() const override { return u"sum-for-bets"_s; }
  QString Usage() const override { return u"[--draw T] [--history H] [--level V] [--high]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        HistoryOption(),
        {u"level"_s,
         u"V: the level, %1..%2 (default %3)."_s.arg(kSumForBetsLevelMin)
             .arg(kSumForBetsLevelMax)
             .arg(kSumForBetsLevelDefault),
         u"V"_s},
        {u"high"_s, u"A hit is a sum >= V (default: a sum <= V)."_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    bool ok = true;
    TSumForBetsParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = History(parser, &ok);
    params.Level = SpinOption(parser, u"level"_s, kSumForBetsLevelDefault, kSumForBetsLevelMin,
                              kSumForBetsLevelMax, &ok);
    if (!ok) return kExitUsage;
    params.High = parser.isSet(u"high"_s);
    out = params;
    return kExitOk;
  }
};

const TReportRegistration firstLastRegistration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TFirstLastReport>();
});
const TReportRegistration sumRegistration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TSumReport>();
});
const TReportRegistration sumForBetsRegistration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TSumForBetsReport>();
});

}  // namespace
