// lotrix-cli report NAME [FILE] [options]: runs one report and prints its pane.
#include "Command.h"
#include "ConsoleHost.h"
#include "LotteryLoader.h"
#include "Report.h"

using namespace Qt::StringLiterals;

std::unique_ptr<TReport> MakeRangeReport();

std::vector<std::unique_ptr<TReport>> MakeReports() {
  std::vector<std::unique_ptr<TReport>> reports;
  reports.push_back(MakeRangeReport());
  return reports;
}

namespace {

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
        stream << "  " << PadRight(14, report->Name()) << report->Summary() << '\n';
      stream << '\n' << kJsonContractHelp << Qt::flush;
      return name.isEmpty() ? kExitUsage : kExitOk;
    }
    TReport* report = nullptr;
    for (const auto& candidate : reports)
      if (candidate->Name() == name) report = candidate.get();
    if (!report) {
      Err() << "lotrix-cli report: unknown report \"" << name << "\" (see: lotrix-cli report --help)\n"
            << Qt::flush;
      return kExitUsage;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(report->Summary());
    if (report->NeedsFile()) parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    report->AddOptions(parser);
    const QCommandLineOption format(u"format"_s, u"Output format (default text)."_s,
                                    u"text|ansi|html|json"_s, u"text"_s);
    parser.addOption(format);
    QStringList own = arguments;
    own.removeAt(1);
    const QString usage = u"lotrix-cli report "_s + name + (report->NeedsFile() ? u" FILE "_s : u" "_s) +
                          report->Usage() + u" [--format text|ansi|html|json]"_s;
    if (int code = ParseArguments(parser, own, usage, kJsonContractHelp); code >= 0) return code;
    const qsizetype files = report->NeedsFile() ? 1 : 0;
    if (parser.positionalArguments().size() != files) {
      Err() << "lotrix-cli report " << name << ": unexpected arguments (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    if (!CheckChoice(u"format"_s, parser.value(format), kPaneFormats)) return kExitUsage;

    TConsoleHost host;
    TLoadedLottery loaded;
    if (report->NeedsFile()) {
      loaded = LoadLotteryFile(parser.positionalArguments().front(), DefaultLanguage(), host);
      if (!loaded.Valid) {
        Err() << MessagesForTerminal(host.Messages) << Qt::flush;
        return kExitInvalidData;
      }
    }
    TReportPane pane;
    const int code = report->Fill(parser, report->NeedsFile() ? &loaded.Lottery : nullptr,
                                  host.DecimalSeparator(), pane);
    if (code != kExitOk) return code;
    Out() << RenderPane(pane, parser.value(format)) << Qt::flush;
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeReportCommand() { return std::make_unique<TReportCommand>(); }
