// lotrix-cli export --rows FILE --to OUT: a text table (read like the clipboard text) written
// as the window's export writes it.
#include "Command.h"
#include "ExportFile.h"
#include "InputFiles.h"
#include "LotteryLoader.h"
#include "export/Export.h"

using namespace Qt::StringLiterals;

int ExportToFile(int64_t rowCount, const std::function<iArray2D()>& rows, const QString& path,
                 const QString& language) {
  if (const std::optional<QString> refusal =
          ExportRefusal(ExportTargetOfPath(path), rowCount, language)) {
    Err() << MessagesForTerminal({*refusal}) << Qt::flush;
    return kExitInvalidData;
  }
  const TWriteOutcome outcome = WriteExportFile(path, rows());
  if (outcome.Written) return kExitOk;
  Err() << MessagesForTerminal({ExportWriteFailedMessage(language, path, outcome.Reason)})
        << Qt::flush;
  return kExitInvalidData;
}

namespace {

class TExportCommand : public TCommand {
public:
  QString Name() const override { return u"export"_s; }
  QString Summary() const override {
    return u"write a table of rows as a workbook (.xlsx), a document (.docx) or text"_s;
  }

  int Run(const QStringList& arguments) override {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes the rows of a text table (one row per line that holds numbers, \"-\": standard\n"
        "input) as the window's File -> Export does: OUT ending in .xlsx is a workbook with one\n"
        "number per cell, .docx a document with one table, any other name the clipboard text.\n"
        "At most 2,000 rows for a workbook or document, 1,000,000 for the text."_s);
    const QCommandLineOption rowsOption(u"rows"_s, u"The table to export."_s, u"FILE"_s);
    const QCommandLineOption to(u"to"_s, u"The file to write."_s, u"OUT"_s);
    const QCommandLineOption lang(
        u"lang"_s, u"Language of the messages (default: the stored one)."_s, u"eng|rus"_s);
    parser.addOptions({rowsOption, to, lang});
    if (int code = ParseArguments(parser, arguments,
                                  u"lotrix-cli export --rows FILE --to OUT [--lang eng|rus]"_s);
        code >= 0)
      return code;
    if (!parser.isSet(rowsOption) || !parser.isSet(to) || !parser.positionalArguments().isEmpty()) {
      Err() << "lotrix-cli export: give --rows FILE and --to OUT (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    const QString language = parser.isSet(lang) ? parser.value(lang) : DefaultLanguage();
    if (!CheckChoice(u"lang"_s, language, {u"eng"_s, u"rus"_s})) return kExitUsage;
    std::optional<iArray2D> rows = ReadRowsFile(parser.value(rowsOption));
    if (!rows) return kExitInvalidData;
    return ExportToFile(
        static_cast<int64_t>(rows->size()), [&] { return std::move(*rows); }, parser.value(to),
        language);
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeExportCommand() { return std::make_unique<TExportCommand>(); }
