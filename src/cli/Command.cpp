#include "Command.h"

#include <QIODevice>
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

QByteArray JsonKeys(const QJsonObject& object) {
  const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Compact);
  return text.size() > 2 ? text.mid(1, text.size() - 2) : QByteArray();
}

void WritePane(const TReportPane& pane, const QString& format, const QJsonObject& extra) {
  WritePane(pane, format, format == u"json" ? JsonKeys(extra) : QByteArray());
}

void WritePane(const TReportPane& pane, const QString& format, const QByteArray& extraKeys) {
  constexpr int kSliceLines = 8192;
  QTextStream& out = Out();
  if (format == u"html") out << HtmlPageStart();
  if (format == u"json") out << "{\"lines\":[";
  for (int from = 0; from < pane.LineCount(); from += kSliceLines) {
    const TReportPane slice = pane.Slice(from, kSliceLines);
    if (format == u"json") {
      if (from > 0) out << ',';
      out << RenderJsonLines(slice);
    } else if (format == u"html") {
      out << RenderHtmlLines(slice);
    } else {
      out << (format == u"ansi" ? RenderAnsi(slice) : RenderPlainText(slice));
    }
    out.flush();
  }
  if (format == u"html") out << HtmlPageEnd() << Qt::flush;
  if (format != u"json") return;
  out << ']';
  // The extra keys spliced in beside "lines", as UTF-8 bytes straight to the device.
  if (!extraKeys.isEmpty()) {
    out << ',' << Qt::flush;
    if (out.device() != nullptr)
      out.device()->write(extraKeys);
    else
      out << QString::fromUtf8(extraKeys);
  }
  out << "}\n" << Qt::flush;
}

const QString kJsonContractHelp =
    u"Formats: text is the report as plain lines; ansi adds terminal colours; html is a\n"
    "standalone page; json is a stable contract for scripts:\n"
    "  {\"lines\":[{\"text\":\"...\",\"spans\":[{\"col\":0,\"len\":2,\"color\":\"#ff0000\",\n"
    "    \"background\":\"#ffffff\",\"bold\":true}]}]}\n"
    "  Every line of the report in order; each span marks len characters from col (counted in\n"
    "  characters, not bytes) and is applied in order, later spans winning. \"color\" and\n"
    "  \"bold\" are null when the span leaves them unchanged; \"background\" is always set.\n"_s;
