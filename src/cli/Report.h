#pragma once
// One report of `lotrix-cli report NAME`: declares its options and fills a pane from them.

#include "core/Lottery.h"
#include "core/ReportPane.h"

#include <QCommandLineParser>

#include <memory>
#include <vector>

class TReport {
public:
  virtual ~TReport() = default;
  virtual QString Name() const = 0;
  virtual QString Summary() const = 0;
  virtual bool NeedsFile() const { return true; }
  virtual QString Usage() const = 0;  // the options after NAME [FILE]
  virtual void AddOptions(QCommandLineParser& parser) = 0;
  // Fills the pane; returns an exit code (kExitUsage for a bad option value).
  // `lottery` is null for reports that need no draws file.
  virtual int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
                   TReportPane& pane) = 0;
};

std::vector<std::unique_ptr<TReport>> MakeReports();
