// lotrix-cli report NAME [FILE] [options]: runs one report and prints its pane.
#include <algorithm>

#include "Command.h"
#include "ConsoleHost.h"
#include "LotteryLoader.h"
#include "PdfOutput.h"
#include "Report.h"

using namespace Qt::StringLiterals;

namespace {
std::vector<TReportFactory>& Factories() {
  static std::vector<TReportFactory> factories;
  return factories;
}
}  // namespace

TReportRegistration::TReportRegistration(TReportFactory factory) { Factories().push_back(factory); }

std::vector<std::unique_ptr<TReport>> MakeReports() {
  std::vector<std::unique_ptr<TReport>> reports;
  for (TReportFactory factory : Factories()) reports.push_back(factory());
  std::sort(reports.begin(), reports.end(),
            [](const auto& a, const auto& b) { return a->Name() < b->Name(); });
  return reports;
}

int SpinOption(const QCommandLineParser& parser, const QString& name, int fallback, int min,
               int max, bool* ok) {
  if (!parser.isSet(name)) return fallback;
  bool number = false;
  const qlonglong value = parser.value(name).trimmed().toLongLong(&number);
  if (!number) {
    Err() << "lotrix-cli: --" << name << " needs a whole number, not \"" << parser.value(name)
          << "\"\n"
          << Qt::flush;
    *ok = false;
    return fallback;
  }
  const qlonglong clamped = std::clamp<qlonglong>(value, min, max);
  if (clamped != value)
    Err() << "lotrix-cli: --" << name << " " << value << " is outside " << min << ".." << max
          << "; using " << clamped << "\n"
          << Qt::flush;
  return static_cast<int>(clamped);
}

void AddDrawOption(QCommandLineParser& parser) {
  parser.addOption(
      {u"draw"_s, u"The analysed draw T (default: the next, undrawn draw)."_s, u"T"_s});
}

int DrawOption(const QCommandLineParser& parser, const TLottery& lottery, bool* ok) {
  return SpinOption(parser, u"draw"_s, lottery.NewTira, lottery.FirstTira, lottery.NewTira, ok);
}

namespace {

// Words joined into lines of at most `width` characters, for the help's paragraphs.
QString WrapWords(const QString& text, int width) {
  QString out, line;
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
      out += line + u'\n';
      line.clear();
    }
    line += (line.isEmpty() ? QString() : u" "_s) + word;
  }
  return out + line;
}

class TReportCommand : public TCommand {
public:
  QString Name() const override { return u"report"_s; }
  QString Summary() const override { return u"run one report and print it (see: report --help)"_s; }

  int Run(const QStringList& arguments) override {
    const auto reports = MakeReports();
    const QString name = arguments.size() > 1 ? arguments[1] : QString();
    if (name.isEmpty() || name == u"-h" || name == u"--help") {
      QTextStream& stream = name.isEmpty() ? Err() : Out();
      stream << "Usage: lotrix-cli report NAME [FILE] [options] [--format text|ansi|html|json]\n\n"
             << "Reports (lotrix-cli report NAME --help for the options of one):\n";
      for (const auto& report : reports)
        stream << "  " << PadRight(14, report->Name())
               << QString::fromUtf16(FindReport(report->Name())->Summary) << '\n';
      stream << '\n' << kJsonContractHelp << Qt::flush;
      return name.isEmpty() ? kExitUsage : kExitOk;
    }
    TReport* report = nullptr;
    for (const auto& candidate : reports)
      if (candidate->Name() == name) report = candidate.get();
    if (!report) {
      Err() << "lotrix-cli report: unknown report \"" << name
            << "\" (see: lotrix-cli report --help)\n"
            << Qt::flush;
      return kExitUsage;
    }

    const TReportDef& def = *FindReport(name);
    QCommandLineParser parser;
    const QString details = report->Details();
    parser.setApplicationDescription(
        QString::fromUtf16(def.Summary) +
        (details.isEmpty() ? QString() : u"\n\n"_s + WrapWords(details, 78)));
    if (def.NeedsLottery) parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    report->AddOptions(parser);
    const QCommandLineOption format(u"format"_s, u"Output format (default text)."_s,
                                    u"text|ansi|html|json|pdf|svg"_s, u"text"_s);
    const QCommandLineOption output(
        u"output"_s,
        u"With --format pdf: the PDF file to write (at most 100,000 lines); with --format svg: "_s +
            (def.Charted ? u"the report's charts as SVG, one under another."_s
                         : u"none, this report has no chart."_s),
        u"FILE"_s);
    parser.addOption(format);
    if (!report->WritesOutput()) parser.addOption(output);
    QStringList own = arguments;
    own.removeAt(1);
    const QString usage = u"lotrix-cli report "_s + name +
                          (def.NeedsLottery ? u" FILE "_s : u" "_s) + report->Usage() +
                          u" [--format text|ansi|html|json | --format pdf|svg --output FILE]"_s;
    if (int code = ParseArguments(parser, own, usage, kJsonContractHelp); code >= 0) return code;
    const qsizetype files = def.NeedsLottery ? 1 : 0;
    if (parser.positionalArguments().size() != files) {
      Err() << "lotrix-cli report " << name << ": unexpected arguments (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    const bool pdf = parser.value(format) == u"pdf"_s, svg = parser.value(format) == u"svg"_s;
    if (!pdf && !svg && !CheckChoice(u"format"_s, parser.value(format), kPaneFormats))
      return kExitUsage;
    if ((pdf || svg) && (report->WritesOutput() || !parser.isSet(output))) {
      Err() << "lotrix-cli report " << name
            << (report->WritesOutput() ? ": its --output is the file of its rows\n"
                                       : ": --format pdf and svg need --output FILE\n")
            << Qt::flush;
      return kExitUsage;
    }

    TConsoleHost host;
    TLoadedLottery loaded;
    if (def.NeedsLottery) {
      loaded = LoadLotteryFile(parser.positionalArguments().front(), DefaultLanguage(), host);
      if (!loaded.Valid) {
        Err() << MessagesForTerminal(host.Messages) << Qt::flush;
        return kExitInvalidData;
      }
    }
    const TLottery* lottery = def.NeedsLottery ? &loaded.Lottery : nullptr;
    TReportParams params;
    const int code = report->Fill(parser, lottery, host.DecimalSeparator(), params);
    if (code != kExitOk) return code;
    if (QStringView(ReportOf(params).Name) != name) {  // the report table and its variant disagree
      Err() << "lotrix-cli report " << name
            << ": internal error, the parameters are another report's\n"
            << Qt::flush;
      return kExitUsage;
    }
    TReportPane pane;
    WriteReport(lottery, params, pane);
    if (const int finished = report->Finish(params); finished != kExitOk) return finished;
    if (pdf) return WritePanePdf(pane, parser.value(output));
    if (svg) return WriteChartSvg(ReportCharts(lottery, params), name, parser.value(output));
    // Only the json form has the extra keys (a million kept rows, a pool made once more).
    const bool json = parser.value(format) == u"json"_s;
    WritePane(pane, parser.value(format),
              json ? report->ExtraJsonText(params, lottery) : QByteArray());
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeReportCommand() { return std::make_unique<TReportCommand>(); }
