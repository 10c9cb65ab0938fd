// lotrix-cli report differences: the differences of the recent draws, their zones and codes.
#include "Command.h"
#include "Report.h"
#include "analyses/Differences.h"

using namespace Qt::StringLiterals;

namespace {

class TDifferencesReport : public TReport {
public:
  QString Name() const override { return u"differences"_s; }
  QString Usage() const override { return u"[--draw T] [--history H] [--win-code] [--zones]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        {u"history"_s, u"Draws in the code history, 1..2000 (default 100)."_s, u"H"_s},
        {u"win-code"_s, u"Add the code history and its frequency table."_s},
        {u"zones"_s, u"Add the frequency table of the pooled differences and the zones."_s},
    });
    // The earlier spelling, still read.
    QCommandLineOption alias(u"wincode"_s, QString());
    alias.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(alias);
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TDifferencesParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = SpinOption(parser, u"history"_s, params.History, kDifferenceHistoryMin,
                                kDifferenceHistoryMax, &ok);
    if (!ok) return kExitUsage;
    params.WinCode = parser.isSet(u"win-code"_s) || parser.isSet(u"wincode"_s);
    params.Source = parser.isSet(u"zones"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TDifferencesReport>();
});

}  // namespace
