// lotrix-cli backtest FILE: the forecast's filter chain run "as of" every draw of a range and
// judged against the real draws.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Command.h"
#include "ConsoleHost.h"
#include "ForecastOptions.h"
#include "LotteryLoader.h"
#include "PdfOutput.h"
#include "Report.h"
#include "forecast/Backtest.h"

using namespace Qt::StringLiterals;

namespace {

QJsonObject DrawJson(const TBacktestDraw& draw) {
  QJsonArray filters;
  for (const int filter : kBacktestFilters) {
    const TFilterCount& count = draw.Filters[static_cast<size_t>(filter)];
    filters.append(QJsonObject{{u"filter"_s, filter},
                               {u"accepted"_s, static_cast<qint64>(count.Accepted)},
                               {u"denied"_s, static_cast<qint64>(count.Denied)}});
  }
  QJsonValue matches;
  if (draw.Matches) {
    QJsonArray counts;
    for (const int32_t count : *draw.Matches) counts.append(count);
    matches = counts;
  }
  return {{u"draw"_s, draw.Draw},
          {u"total"_s, static_cast<qint64>(draw.Total)},
          {u"filtered"_s, static_cast<qint64>(draw.Filtered)},
          {u"hit"_s, draw.Hit},
          {u"rejected_by"_s, draw.Hit ? QJsonValue() : QJsonValue(draw.RejectedBy)},
          {u"matches"_s, matches},
          {u"filters"_s, filters}};
}

QJsonObject SummaryJson(const TBacktestSummary& s) {
  QJsonArray filters;
  for (const TBacktestFilterSummary& filter : s.Filters)
    filters.append(QJsonObject{{u"filter"_s, filter.Filter},
                               {u"rejected"_s, filter.Rejected},
                               {u"mean_deny_share"_s, filter.MeanDenyShare}});
  return {{u"draws"_s, s.Draws},
          {u"hits"_s, s.Hits},
          {u"hit_rate"_s, s.HitRate},
          {u"mean_survivors"_s, s.MeanSurvivors},
          {u"mean_kept_share"_s, s.MeanKeptShare},
          {u"lift"_s, s.Lift},
          {u"filters"_s, filters}};
}

void WriteCsv(const TBacktestResult& result, int ballsInDraw) {
  QTextStream& out = Out();
  out << "draw,total,filtered,hit,rejected_by";
  for (int k = 0; k <= ballsInDraw; ++k) out << ",matches_" << k;
  for (const int filter : kBacktestFilters) out << ",accepted_" << filter << ",denied_" << filter;
  out << '\n';
  for (const TBacktestDraw& draw : result.Draws) {
    out << draw.Draw << ',' << draw.Total << ',' << draw.Filtered << ',' << (draw.Hit ? 1 : 0)
        << ',';
    if (!draw.Hit) out << draw.RejectedBy;
    for (int k = 0; k <= ballsInDraw; ++k) {
      out << ',';
      if (draw.Matches) out << (*draw.Matches)[static_cast<size_t>(k)];
    }
    for (const int filter : kBacktestFilters) {
      const TFilterCount& count = draw.Filters[static_cast<size_t>(filter)];
      out << ',' << count.Accepted << ',' << count.Denied;
    }
    out << '\n';
  }
  out << Qt::flush;
}

class TBacktestCommand : public TCommand {
public:
  QString Name() const override { return u"backtest"_s; }
  QString Summary() const override {
    return u"test the forecast filters over a range of past draws"_s;
  }

  int Run(const QStringList& originalArguments) override {
    QStringList arguments = originalArguments;
    TBacktestParams params;
    if (!TakeAnyRanges(u"backtest"_s, arguments, params.Fields)) return kExitUsage;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"For every draw T of the range, runs the forecast of T as \"New\" would (the classes\n"
        "and zones of T, every counter) and compares it with what T drew: the survivors, whether\n"
        "draw T was among them (hit) or the first filter that threw it out (rejected_by, by its\n"
        "statistics number; 0: a ball of T is not available), and how many survivors shared 0, 1,\n"
        "..., K balls with it (matches, counted by the walk; no rows are kept). The summary's\n"
        "lift is the hit rate over the mean kept share: above 1 the chain keeps the real draw\n"
        "more often than a random selection of the same size would. A filter's mean deny share\n"
        "is, over the draws, the share of the combinations reaching it that it denied.\n"
        "json: {\"draws\":[{\"draw\",\"total\",\"filtered\",\"hit\",\"rejected_by\",\"matches\","
        "\"filters\":[{\"filter\",\"accepted\",\"denied\"}]}],\"summary\":{...}}"_s);
    parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    parser.addOptions({
        {u"from"_s, u"The first draw tested (default: the 100th before the last)."_s, u"T1"_s},
        {u"to"_s, u"The last draw tested (default: the last draw)."_s, u"T2"_s},
    });
    AddFilterOptions(parser);
    parser.addOptions({
        {u"threads"_s, u"Threads of the walks (default 0: all cores)."_s, u"N"_s},
        {u"lang"_s, u"Language of the report (default: the stored one)."_s, u"eng|rus"_s},
    });
    const QCommandLineOption format(u"format"_s, u"Output format (default text)."_s,
                                    u"text|json|csv|svg"_s, u"text"_s);
    const QCommandLineOption output(
        u"output"_s, u"With --format svg: the chart of the survivors per draw (hits red)."_s,
        u"FILE"_s);
    parser.addOptions({format, output});
    const QString usage =
        u"lotrix-cli backtest FILE [--from T1] [--to T2] [--available LIST] [--even TEXT]"
        " [--consecutive TEXT] [--sum TEXT] [--first-last TEXT] [--hot-cold TEXT]"
        " [--differences TEXT] [--any-range I TEXT WINTEXT]... [--threads N] [--lang eng|rus]"
        " [--format text|json|csv | --format svg --output FILE]"_s;
    if (int code = ParseArguments(parser, arguments, usage, kAnyRangeHelp); code >= 0) return code;
    if (parser.positionalArguments().size() != 1) {
      Err() << "lotrix-cli backtest: give exactly one FILE (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    const QString language = parser.isSet(u"lang"_s) ? parser.value(u"lang"_s) : DefaultLanguage();
    if (!CheckChoice(u"lang"_s, language, {u"eng"_s, u"rus"_s}) ||
        !CheckChoice(u"format"_s, parser.value(format), {u"text"_s, u"json"_s, u"csv"_s, u"svg"_s}))
      return kExitUsage;
    const bool svg = parser.value(format) == u"svg"_s;
    if (svg && !parser.isSet(output)) {
      Err() << "lotrix-cli backtest: --format svg needs --output FILE\n" << Qt::flush;
      return kExitUsage;
    }
    TConsoleHost host;
    TLoadedLottery loaded;
    if (const int code = LoadForecastLottery(u"backtest"_s, parser.positionalArguments().front(),
                                             language, host, loaded);
        code != kExitOk)
      return code;
    const TLottery& lottery = loaded.Lottery;
    bool ok = true;
    params.From = SpinOption(parser, u"from"_s, 0, lottery.FirstTira, lottery.NewTira - 1, &ok);
    params.To = SpinOption(parser, u"to"_s, 0, lottery.FirstTira, lottery.NewTira - 1, &ok);
    params.Threads = SpinOption(parser, u"threads"_s, 0, 0, 1024, &ok);
    if (!ok) return kExitUsage;
    ReadFilterOptions(parser, params.Fields, params.AvailableBalls);

    TBacktest backtest(lottery, params);
    backtest.Run(&host);
    const TBacktestResult& result = backtest.Result();
    if (result.RangeCut) Err() << "lotrix-cli backtest: a filter range was cut\n" << Qt::flush;
    if (svg)
      return WriteChartSvg(TCharts{BacktestChart(result)}, u"backtest"_s, parser.value(output));
    if (parser.value(format) == u"csv") {
      WriteCsv(result, lottery.BallsInDraw);
    } else if (parser.value(format) == u"json") {
      QJsonArray draws;
      for (const TBacktestDraw& draw : result.Draws) draws.append(DrawJson(draw));
      Out() << QString::fromUtf8(
                   QJsonDocument(QJsonObject{{u"draws"_s, draws},
                                             {u"summary"_s, SummaryJson(result.Summary)}})
                       .toJson(QJsonDocument::Compact))
            << '\n'
            << Qt::flush;
    } else {
      TReportPane pane;
      WriteBacktestReport(result, language, host.DecimalSeparator(), pane);
      WritePane(pane, u"text"_s);
    }
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeBacktestCommand() { return std::make_unique<TBacktestCommand>(); }
