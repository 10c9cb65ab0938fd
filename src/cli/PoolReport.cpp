// lotrix-cli report pool / deviation: the random number generator's report, or your own
// tickets judged the same way, and the deviation of a typed series.
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>

#include "Command.h"
#include "InputFiles.h"
#include "Report.h"
#include "stats/Statistic.h"

using namespace Qt::StringLiterals;

namespace {

class TPoolReport : public TReport {
public:
  QString Name() const override { return u"pool"_s; }
  QString Usage() const override {
    return u"[--draw T] [--range-size R] [--pool-size P] [--available LIST] [--pool FILE] "
           "[--seed S]"_s;
  }
  QString Details() const override {
    return u"Each range's Win is how many of its balls draw T holds. Its bonus comes from the "
           "bonus table of draw T: over the W = round(10 N / K) draws T-1 .. T-W (newest first, "
           "a draw outside the table counting 0), Even = [v, c0, c1, .., cK] where v is the "
           "newest draw's even count and cn how often a draw with v even balls was followed, by "
           "the next newer draw, by one with n even balls (the Markov row of the newest value); "
           "Consecutive is the same for the pairs of neighbouring balls. The bonus adds, over "
           "every K-ball part of the range with e even balls and s neighbouring pairs, "
           "c_e of Even + c_s of Consecutive (the parts are counted, not walked). The deviation "
           "is that of the series: for every available ball, the number of ranges holding it, "
           "sorted ascending."_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        {u"range-size"_s,
         u"R: balls per range, %1..%2 (default %3)."_s.arg(kRangeSizeMin)
             .arg(kRangeSizeMax)
             .arg(kRangeSizeDefault),
         u"R"_s},
        {u"pool-size"_s,
         u"P: ranges in the pool, %1..%2 (default %3)."_s.arg(kPoolSizeMin)
             .arg(kPoolSizeMax)
             .arg(kPoolSizeDefault),
         u"P"_s},
        {u"available"_s, u"The balls the ranges are drawn from (default: all)."_s, u"LIST"_s},
        {u"pool"_s,
         u"Judge your own tickets instead of a random fill: one ticket per line of FILE (\"-\": "
         "standard input) that holds numbers, its distinct balls of the lottery kept."_s,
         u"FILE"_s},
        {u"seed"_s, u"Seed of the random fill (default: the clock)."_s, u"S"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TPoolParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.RangeSize =
        SpinOption(parser, u"range-size"_s, kRangeSizeDefault, kRangeSizeMin, kRangeSizeMax, &ok);
    params.PoolSize =
        SpinOption(parser, u"pool-size"_s, kPoolSizeDefault, kPoolSizeMin, kPoolSizeMax, &ok);
    params.AvailableBalls = parser.value(u"available"_s);
    params.Seed = SeedOption(parser, &ok);
    if (!ok) return kExitUsage;
    // A seed of its own, so that the json's wins are those of the pool printed.
    if (!params.Seed) params.Seed = QRandomGenerator::system()->generate64();
    if (parser.isSet(u"pool"_s)) {
      params.Tickets = ReadRowsFile(parser.value(u"pool"_s));
      if (!params.Tickets) return kExitInvalidData;
    }
    params.DecimalSeparator = decimalSeparator;
    out = std::move(params);
    return kExitOk;
  }
  // {"wins": the Win of each range, "fields": {"available": the rewritten field}}
  QJsonObject ExtraJson(const TReportParams& params, const TLottery* lottery) const override {
    const TPoolParams& p = std::get<TPoolParams>(params);
    QJsonArray wins;
    if (const std::optional<TmyPool> pool = MakePool(*lottery, p))
      for (const int32_t win : pool->WinFrequency) wins.append(win);
    QString available;
    AvailableBalls(p.AvailableBalls, lottery->MaxBall, &available);
    return {{u"wins"_s, wins}, {u"fields"_s, QJsonObject{{u"available"_s, available}}}};
  }
};

class TDeviationReport : public TReport {
public:
  QString Name() const override { return u"deviation"_s; }
  QString Usage() const override { return u"--series-text TEXT"_s; }
  QString Details() const override {
    return u"The pool report's deviation is this of its series: for every available ball, the "
           "number of ranges holding it, sorted ascending."_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    parser.addOption({u"series-text"_s,
                      u"The series as typed: every run of digits is one value. The deviation is "
                      "the sum of its first tenth over the sum of its last tenth."_s,
                      u"TEXT"_s});
  }
  int Fill(const QCommandLineParser& parser, const TLottery*, QChar decimalSeparator,
           TReportParams& out) override {
    if (!parser.isSet(u"series-text"_s)) {
      Err() << "lotrix-cli report deviation: --series-text TEXT is required\n" << Qt::flush;
      return kExitUsage;
    }
    out = TDeviationParams{parser.value(u"series-text"_s), decimalSeparator};
    return kExitOk;
  }
  // {"deviation": x, "text": its text}
  QJsonObject ExtraJson(const TReportParams& params, const TLottery*) const override {
    const TDeviationParams& p = std::get<TDeviationParams>(params);
    const iArray series = ExtractNumbers(p.SeriesText);
    return {{u"deviation"_s, Deviation(series)},
            {u"text"_s, DeviationText(series, p.DecimalSeparator)}};
  }
};

const TReportRegistration pool([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TPoolReport>();
});
const TReportRegistration deviation([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TDeviationReport>();
});

}  // namespace
