// lotrix-cli forecast FILE: the forecast run ("New") and its result pane, as the desktop shows it.
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "Command.h"
#include "ConsoleHost.h"
#include "ExportFile.h"
#include "ForecastOptions.h"
#include "InputFiles.h"
#include "LotteryLoader.h"
#include "Report.h"
#include "core/ReportRender.h"
#include "forecast/FilterSyntax.h"
#include "forecast/ForecastRun.h"

using namespace Qt::StringLiterals;

namespace {

// The console host with the walk's progress on stderr when that is a terminal. The walk
// calls Progress from its threads, one call at a time.
class TForecastHost : public TConsoleHost {
public:
  TForecastHost() : m_terminal(isatty(fileno(stderr)) != 0) {}
  bool Progress(int64_t done, int64_t total) override {
    if (!m_terminal || total <= 0) return true;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent != m_percent) {
      m_percent = percent;
      std::fprintf(stderr, "\rforecast: %3d%%", percent);
      std::fflush(stderr);
    }
    return true;
  }
  void EndProgress() {
    if (m_percent >= 0) std::fputs("\n", stderr);
    m_percent = -1;
  }

private:
  bool m_terminal;
  int m_percent = -1;
};

QJsonObject FieldJson(const TFilterField& field) {
  return {{u"checked"_s, field.Checked}, {u"text"_s, field.Text}};
}

// The extra keys of --format json: the messages, what was shown, the counters, the fields in
// the form the panel shows after the run and the number of stored rows.
QJsonObject RunJson(const TForecastParams& params, const TForecastState& state,
                    TForecastShown shown, const QStringList& messages) {
  const TMainPrognoz& prognoz = state.MainPrognoz;
  QJsonArray filters;
  for (int i : {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}) {
    const TFilterCount& count = prognoz.FiltersStatistics[static_cast<size_t>(i)];
    filters.append(QJsonObject{{u"filter"_s, i},
                               {u"accepted"_s, static_cast<qint64>(count.Accepted)},
                               {u"denied"_s, static_cast<qint64>(count.Denied)}});
  }
  QJsonArray anyRanges;
  for (size_t i = 0; i < 10; ++i) {
    QJsonObject range = FieldJson(params.Fields.AnyRange[i]);
    range.insert(u"win"_s, params.Fields.AnyRangeWin[i]);
    anyRanges.append(range);
  }
  const TPrognozFields& f = params.Fields;
  const QJsonObject fields{
      {u"available"_s, params.AvailableBalls},      {u"even"_s, FieldJson(f.Chetnie)},
      {u"consecutive"_s, FieldJson(f.Sleepy)},      {u"sum"_s, FieldJson(f.SumBalls)},
      {u"first-last"_s, FieldJson(f.FirstBall)},    {u"hot-cold"_s, FieldJson(f.HotCold)},
      {u"differences"_s, FieldJson(f.Differences)}, {u"any-range"_s, anyRanges}};
  const QString shownText = shown == TForecastShown::All    ? u"all"_s
                            : shown == TForecastShown::Auto ? u"auto"_s
                                                            : u"none"_s;
  return {{u"messages"_s, QJsonArray::fromStringList(messages)},
          {u"draw"_s, prognoz.NextTira},
          {u"shown"_s, shownText},
          {u"counters"_s, QJsonObject{{u"total"_s, static_cast<qint64>(prognoz.NumCombTotal)},
                                      {u"filtered"_s, static_cast<qint64>(prognoz.NumCombFiltered)},
                                      {u"filters"_s, filters}}},
          {u"stored"_s, static_cast<qint64>(prognoz.PrognozTable.RowCount())},
          {u"auto"_s, static_cast<qint64>(prognoz.AutoTable.RowCount())},
          {u"fields"_s, fields}};
}

class TForecastCommand : public TCommand {
public:
  QString Name() const override { return u"forecast"_s; }
  QString Summary() const override {
    return u"run a forecast (\"New\") and print its result pane"_s;
  }

  int Run(const QStringList& originalArguments) override {
    QStringList arguments = originalArguments;
    TForecastParams params;
    if (!TakeAnyRanges(u"forecast"_s, arguments, params.Fields)) return kExitUsage;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Walks every combination of the available balls, keeps those that pass the ticked\n"
        "filters (a filter option ticks its filter with that text) and prints the result pane:\n"
        "the win statistics, all filtered combinations or the automatic random selection, and\n"
        "the filter statistics. Messages go to stderr (to \"messages\" in json)."_s);
    parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    AddDrawOption(parser);
    AddFilterOptions(parser);
    parser.addOptions({
        {u"auto"_s, u"M, the size of the automatic selection (1..500, default 20)."_s, u"M"_s},
        {u"show"_s, u"all (default; the selection above 1.000.000 rows) or auto."_s, u"all|auto"_s,
         u"all"_s},
        {u"lang"_s, u"Language of messages and filter statistics (default: the stored one)."_s,
         u"eng|rus"_s},
        {u"seed"_s, u"Seed of the automatic selection (default: the clock)."_s, u"S"_s},
        {u"threads"_s, u"Threads of the walk (default 0: all cores)."_s, u"N"_s},
        {u"export"_s,
         u"After the run, write the table the showing displayed to OUT as File -> Export does "
         "(.xlsx a workbook, .docx a document, any other name the clipboard text)."_s,
         u"OUT"_s},
    });
    const QCommandLineOption format(u"format"_s, u"Output format (default text)."_s,
                                    u"text|ansi|html|json"_s, u"text"_s);
    parser.addOption(format);
    const QString usage =
        u"lotrix-cli forecast FILE [--draw T] [--available LIST] [--even TEXT] [--consecutive TEXT]"
        " [--sum TEXT] [--first-last TEXT] [--hot-cold TEXT] [--differences TEXT]"
        " [--any-range I TEXT WINTEXT]... [--auto M] [--show all|auto] [--lang eng|rus] [--seed S]"
        " [--threads N] [--export OUT] [--format text|ansi|html|json]"_s;
    const QString extraHelp =
        kAnyRangeHelp +
        u"\nIn json the pane's \"lines\" come with \"messages\","
        " \"draw\", \"shown\" (all, auto, none), \"counters\" (total, filtered and per filter\n"
        "accepted and denied; filter 0 is the common line), \"stored\" and \"auto\" (rows) and"
        " \"fields\"\n(every field as the panel shows it after the run).\n\n"_s +
        kJsonContractHelp;
    if (int code = ParseArguments(parser, arguments, usage, extraHelp); code >= 0) return code;
    if (parser.positionalArguments().size() != 1) {
      Err() << "lotrix-cli forecast: give exactly one FILE (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    const QString language = parser.isSet(u"lang"_s) ? parser.value(u"lang"_s) : DefaultLanguage();
    if (!CheckChoice(u"lang"_s, language, {u"eng"_s, u"rus"_s}) ||
        !CheckChoice(u"show"_s, parser.value(u"show"_s), {u"all"_s, u"auto"_s}) ||
        !CheckChoice(u"format"_s, parser.value(format), kPaneFormats))
      return kExitUsage;

    TForecastHost host;
    TLoadedLottery loaded;
    if (const int code = LoadForecastLottery(u"forecast"_s, parser.positionalArguments().front(),
                                             language, host, loaded);
        code != kExitOk)
      return code;
    const TLottery& lottery = loaded.Lottery;

    params.Language = language;
    bool ok = true;
    params.NextTira = DrawOption(parser, lottery, &ok);
    params.NumCombiShow = SpinOption(parser, u"auto"_s, kNumCombiShowDefault, kNumCombiShowMin,
                                     kNumCombiShowMax, &ok);
    params.Threads = SpinOption(parser, u"threads"_s, 0, 0, 1024, &ok);
    params.Seed = SeedOption(parser, &ok);
    if (!ok) return kExitUsage;
    params.AutoOnly = parser.value(u"show"_s) == u"auto";
    ReadFilterOptions(parser, params.Fields, params.AvailableBalls);

    TForecastState state;
    TReportPane pane;
    const TForecastRunResult result = RunForecast(lottery, params, state, pane, host);
    host.EndProgress();
    if (parser.value(format) == u"json") {
      WritePane(pane, u"json"_s, RunJson(params, state, result.Shown, host.Messages));
    } else {
      Err() << MessagesForTerminal(host.Messages) << Qt::flush;
      WritePane(pane, parser.value(format));
    }
    if (!parser.isSet(u"export"_s)) return kExitOk;
    const TCombinationTable& shown = state.MainPrognoz.ExportTable;
    return ExportToFile(
        shown.RowCount(), [&] { return shown.ToRows(); }, parser.value(u"export"_s), language);
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeForecastCommand() { return std::make_unique<TForecastCommand>(); }
