// lotrix-cli report range: the frequency and Markov tables of a typed series.
#include "Command.h"
#include "Report.h"
#include "analyses/RangeStat.h"

using namespace Qt::StringLiterals;

namespace {

class TRangeReport : public TReport {
public:
  QString Name() const override { return u"range"_s; }
  QString Usage() const override {
    return u"--series-text TEXT [--sort] [--series] [--steps] [--steps-sort] [--markov]"_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    parser.addOptions({
        {u"series-text"_s, u"The series, newest value first: every run of digits is one value."_s,
         u"TEXT"_s},
        {u"sort"_s, u"Sort the frequency table by count."_s},
        {u"series"_s, u"Show where each value occurs in the series."_s},
        {u"steps"_s, u"Show the gaps between the occurrences of each value."_s},
        {u"steps-sort"_s, u"Sort the gaps after the first one."_s},
        {u"markov"_s, u"Add the Markov table of the series."_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery*, QChar decimalSeparator,
           TReportParams& out) override {
    if (!parser.isSet(u"series-text"_s)) {
      Err() << "lotrix-cli report range: --series-text TEXT is required\n" << Qt::flush;
      return kExitUsage;
    }
    TRangeStatParams params;
    params.SourceText = parser.value(u"series-text"_s);
    params.Sort = parser.isSet(u"sort"_s);
    params.Series = parser.isSet(u"series"_s);
    params.Steps = parser.isSet(u"steps"_s);
    params.StepsSort = parser.isSet(u"steps-sort"_s);
    params.Markov = parser.isSet(u"markov"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TRangeReport>();
});

}  // namespace
