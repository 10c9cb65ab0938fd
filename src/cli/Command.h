#pragma once
// One lotrix-cli subcommand: its name, a one-line summary, and a Run over its arguments.

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <vector>

#include "core/ReportPane.h"

enum TExitCode : int { kExitOk = 0, kExitInvalidData = 1, kExitUsage = 2 };

class TCommand {
public:
  virtual ~TCommand() = default;
  virtual QString Name() const = 0;
  virtual QString Summary() const = 0;
  // `arguments` starts with the program name followed by the command's own arguments.
  virtual int Run(const QStringList& arguments) = 0;
};

std::vector<std::unique_ptr<TCommand>> MakeCommands();

// Shared plumbing of the subcommands.
QTextStream& Out();
QTextStream& Err();

// Parses the arguments; on --help prints the help and returns kExitOk, on an error prints
// it with the help to stderr and returns kExitUsage; returns -1 when the command should run.
int ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                   const QString& usageLine, const QString& extraHelp = QString());
// Fails with kExitUsage unless `value` is one of `allowed`.
bool CheckChoice(const QString& option, const QString& value, const QStringList& allowed);

// The report pane in one of the formats text, ansi, html, json.
inline const QStringList kPaneFormats = {QStringLiteral("text"), QStringLiteral("ansi"),
                                         QStringLiteral("html"), QStringLiteral("json")};
// Writes the pane to standard output in a format; json gets the extra keys beside "lines".
// Long panes go out in slices of lines, so that a report of a hundred million characters is
// never held a second time as one string.
void WritePane(const TReportPane& pane, const QString& format, const QJsonObject& extra = {});
// The same with the extra keys as compact json text without the braces (JsonKeys).
void WritePane(const TReportPane& pane, const QString& format, const QByteArray& extraKeys);
// An object's keys as compact json text without the braces.
QByteArray JsonKeys(const QJsonObject& object);
extern const QString kJsonContractHelp;
