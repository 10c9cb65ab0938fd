// lotrix-cli report even / consecutive: the Even and the Consecutive analyses of a draws file.
#include "Command.h"
#include "Report.h"
#include "analyses/EvenSleepy.h"

using namespace Qt::StringLiterals;

namespace {

// The two panels have the same controls: T and the history H.
class TEvenSleepyReport : public TReport {
public:
  explicit TEvenSleepyReport(bool even) : m_even(even) {}
  QString Name() const override { return m_even ? u"even"_s : u"consecutive"_s; }
  QString Usage() const override { return u"[--draw T] [--history H]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOption(
        {u"history"_s,
         u"H: the length of the value series, %1..%2 (default %3)."_s.arg(kEvenSleepyHistoryMin)
             .arg(kEvenSleepyHistoryMax)
             .arg(kEvenSleepyHistoryDefault),
         u"H"_s});
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    const int draw = DrawOption(parser, *lottery, &ok);
    const int history = SpinOption(parser, u"history"_s, kEvenSleepyHistoryDefault,
                                   kEvenSleepyHistoryMin, kEvenSleepyHistoryMax, &ok);
    if (!ok) return kExitUsage;
    if (m_even) {
      TEvenParams params;
      params.NextTira = draw;
      params.History = history;
      params.DecimalSeparator = decimalSeparator;
      out = params;
    } else {
      TConsecutiveParams params;
      params.NextTira = draw;
      params.History = history;
      params.DecimalSeparator = decimalSeparator;
      out = params;
    }
    return kExitOk;
  }

private:
  bool m_even;
};

const TReportRegistration evenRegistration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TEvenSleepyReport>(true);
});
const TReportRegistration consecutiveRegistration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TEvenSleepyReport>(false);
});

}  // namespace
