// lotrix-cli report repeats: how many balls of each draw repeat from a group of earlier draws.
#include "Command.h"
#include "Report.h"
#include "analyses/Repeats.h"

using namespace Qt::StringLiterals;

namespace {

class TRepeatsReport : public TReport {
public:
  QString Name() const override { return u"repeats"_s; }
  QString Usage() const override { return u"[--draw T] [--history H] [--count C] [--indent O]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        {u"history"_s, u"Past draws listed, 1..9999 (default 100)."_s, u"H"_s},
        {u"count"_s, u"Draws in the source group, 1..99 (default 1)."_s, u"C"_s},
        {u"indent"_s, u"From a draw back to the newest draw of its group, 1..999 (default 1)."_s,
         u"O"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TRepeatsParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = SpinOption(parser, u"history"_s, params.History, kRepeatsHistoryMin,
                                kRepeatsHistoryMax, &ok);
    params.Count =
        SpinOption(parser, u"count"_s, params.Count, kRepeatsCountMin, kRepeatsCountMax, &ok);
    params.Otstup =
        SpinOption(parser, u"indent"_s, params.Otstup, kRepeatsOtstupMin, kRepeatsOtstupMax, &ok);
    if (!ok) return kExitUsage;
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TRepeatsReport>();
});

}  // namespace
