#pragma once
// One report of `lotrix-cli report NAME`: declares its options and fills a pane from them.

#include <QCommandLineParser>
#include <memory>
#include <vector>

#include "Command.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"
#include "reports/Reports.h"

class TReport {
public:
  virtual ~TReport() = default;
  // The engine's name of the report (ReportDefs), which also gives its summary.
  virtual QString Name() const = 0;
  virtual QString Usage() const = 0;  // the options after NAME [FILE]
  // What the report computes where its summary is too short, shown in its --help.
  virtual QString Details() const { return {}; }
  virtual void AddOptions(QCommandLineParser& parser) = 0;
  // The report's parameters from the options; returns an exit code (kExitUsage for a bad
  // option value). `lottery` is null for reports that need no draws file.
  virtual int Fill(const QCommandLineParser& parser, const TLottery* lottery,
                   QChar decimalSeparator, TReportParams& out) = 0;
  // Whether the report's own --output writes its result (then it has no PDF form).
  virtual bool WritesOutput() const { return false; }
  // Runs after the report, before its pane is printed (files it writes); an exit code.
  virtual int Finish(const TReportParams& params) {
    (void)params;
    return 0;
  }
  // Keys the json form adds beside "lines" (the fields as the panel shows them after a run).
  virtual QJsonObject ExtraJson(const TReportParams& params, const TLottery* lottery) const {
    (void)params;
    (void)lottery;
    return {};
  }
  // The same keys as compact json text without the braces; a report whose extras are large
  // (a million rows) writes it itself, as a tree of json values would take many times more.
  virtual QByteArray ExtraJsonText(const TReportParams& params, const TLottery* lottery) const {
    return JsonKeys(ExtraJson(params, lottery));
  }
};

// Every report of the CLI, sorted by name. A report registers itself in its own file:
//   static const TReportRegistration registration([] { return std::make_unique<TMyReport>(); });
std::vector<std::unique_ptr<TReport>> MakeReports();
using TReportFactory = std::unique_ptr<TReport> (*)();
struct TReportRegistration {
  explicit TReportRegistration(TReportFactory factory);
};

// A spin-edit option: a missing option gives `fallback`; a value outside min..max is
// clamped as the panel's spin edit would and the change is said on stderr; a non-number
// sets *ok to false (bad usage).
int SpinOption(const QCommandLineParser& parser, const QString& name, int fallback, int min,
               int max, bool* ok);
// The analysed draw (--draw T): FirstTira..NewTira, NewTira by default.
int DrawOption(const QCommandLineParser& parser, const TLottery& lottery, bool* ok);
void AddDrawOption(QCommandLineParser& parser);
