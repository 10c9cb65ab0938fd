#include "Command.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "core/ReportRender.h"

using namespace Qt::StringLiterals;

QTextStream& Out() {
  static QTextStream stream(stdout);
  return stream;
}

QTextStream& Err() {
  static QTextStream stream(stderr);
  return stream;
}

int ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                   const QString& usageLine, const QString& extraHelp) {
  const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help."_s);
  parser.addOption(help);
  auto helpText = [&]() -> QString {
    QString text = parser.helpText();
    // The parser names the program only; show the command's own usage line instead.
    text.replace(0, text.indexOf(u'\n'), u"Usage: "_s + usageLine);
    return extraHelp.isEmpty() ? text : text + u'\n' + extraHelp;
  };
  if (!parser.parse(arguments)) {
    Err() << "lotrix-cli: " << parser.errorText() << "\n\n" << helpText() << Qt::flush;
    return kExitUsage;
  }
  if (parser.isSet(help)) {
    Out() << helpText() << Qt::flush;
    return kExitOk;
  }
  return -1;
}

bool CheckChoice(const QString& option, const QString& value, const QStringList& allowed) {
  if (allowed.contains(value)) return true;
  Err() << "lotrix-cli: --" << option << " must be one of " << allowed.join(u", "_s) << ", not \""
        << value << "\"\n"
        << Qt::flush;
  return false;
}

QString RenderPane(const TReportPane& pane, const QString& format) {
  if (format == u"ansi") return RenderAnsi(pane);
  if (format == u"html") return RenderHtml(pane);
  if (format == u"json") return RenderJson(pane) + u'\n';
  return RenderPlainText(pane);
}

// The pane's json with the extra keys added beside "lines" (spliced, not re-parsed: a full
// listing is tens of megabytes).
QString PaneJsonWith(const TReportPane& pane, const QJsonObject& extra) {
  QString json = RenderJson(pane);
  const QString more = QString::fromUtf8(QJsonDocument(extra).toJson(QJsonDocument::Compact));
  if (json.endsWith(u'}') && more.size() > 2) {
    json.chop(1);
    json += u',' + more.mid(1);
  }
  return json + u'\n';
}

const QString kJsonContractHelp =
    u"Formats: text is the report as plain lines; ansi adds terminal colours; html is a\n"
    "standalone page; json is a stable contract for scripts:\n"
    "  {\"lines\":[{\"text\":\"...\",\"spans\":[{\"col\":0,\"len\":2,\"color\":\"#ff0000\",\n"
    "    \"background\":\"#ffffff\",\"bold\":true}]}]}\n"
    "  Every line of the report in order; each span marks len characters from col (counted in\n"
    "  characters, not bytes) and is applied in order, later spans winning. \"color\" and\n"
    "  \"bold\" are null when the span leaves them unchanged; \"background\" is always set.\n"_s;
