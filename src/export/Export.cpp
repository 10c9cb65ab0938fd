#include "Export.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Lottery.h"

using namespace Qt::StringLiterals;

std::optional<QString> ExportRefusal(TExportTarget target, int64_t rows, const QString& language) {
  const bool russian = IsRussian(language);
  if (rows == 0)
    return russian ? u"Нет данных для экспорта\rили данных более 1.000.000 строк."_s
                   : u"No data to export\ror data over 1.000.000 lines."_s;
  if (target == TExportTarget::Clipboard) {
    if (rows <= kMaxClipboardExportRows) return std::nullopt;
    return russian ? u"В таблице экспорта более 1.000.000 строк. Экспорт в Буфер Обмена не "
                     u"доступен."_s
                   : u"In the export table more than 1.000.000 lines. Export to Clipboard is not "
                     u"available."_s;
  }
  if (rows <= kMaxFileExportRows) return std::nullopt;
  const QString program = target == TExportTarget::Spreadsheet ? u"Excel"_s : u"Word"_s;
  return russian ? u"В таблице экспорта более 2.000 строк. Экспорт в "_s + program +
                       u" не доступен.\rИспользуйте экспорт через Буфер Обмена."_s
                 : u"In the export table more than 2.000 lines. Export to "_s + program +
                       u" is not available.\rUse export via Clipboard."_s;
}

QString ClipboardExportedMessage(const QString& language) {
  return IsRussian(language) ? u"Результаты прогноза скопированы в буфер обмена."_s
                             : u"Forecast results copied to Clipboard."_s;
}

TExportTarget ExportTargetOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"xlsx"_s) return TExportTarget::Spreadsheet;
  if (suffix == u"docx"_s) return TExportTarget::Document;
  return TExportTarget::Clipboard;
}

QString ProposedExportPath(const QString& lotteryName, int nextTira, TExportTarget target) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = lotteryName + u" forecast "_s + QString::number(nextTira) +
                       (target == TExportTarget::Document ? u".docx"_s : u".xlsx"_s);
  return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(name);
}

TWriteOutcome WriteExportFile(const QString& path, const iArray2D& rows) {
  switch (ExportTargetOfPath(path)) {
    case TExportTarget::Spreadsheet:
      return WriteXlsx(path, rows);
    case TExportTarget::Document:
      return WriteDocx(path, rows);
    case TExportTarget::Clipboard:
      break;
  }
  return WriteFileAtomically(path, RowsToText(rows).toUtf8());
}

QString ExportWriteFailedMessage(const QString& language, const QString& path,
                                 const QString& reason) {
  return (IsRussian(language) ? u"Экспорт не удалось записать в файл \""_s
                              : u"The export could not be written to the file \""_s) +
         QDir::toNativeSeparators(path) + u"\"\r"_s + reason;
}

bool ExportRows(TExportTarget target, const iArray2D& rows, const QString& proposedPath,
                const QString& language, THost& host) {
  if (const std::optional<QString> refusal =
          ExportRefusal(target, static_cast<int64_t>(rows.size()), language)) {
    host.ShowMessage(*refusal);
    return false;
  }
  if (target == TExportTarget::Clipboard) {
    RowsToClipboard(rows, host);
    host.ShowMessage(ClipboardExportedMessage(language));
    return true;
  }
  const QString filter =
      target == TExportTarget::Spreadsheet ? u"Excel (*.xlsx)"_s : u"Word (*.docx)"_s;
  const QString path = host.AskSaveFileAs(proposedPath, filter);
  if (path.isEmpty()) return false;  // cancelled: nothing written
  const TWriteOutcome outcome =
      target == TExportTarget::Spreadsheet ? WriteXlsx(path, rows) : WriteDocx(path, rows);
  if (!outcome.Written) {
    host.ShowMessage(ExportWriteFailedMessage(language, path, outcome.Reason));
    return false;
  }
  host.OpenDocument(path);  // the new workbook or document open, as the user expects
  return true;
}

bool ExportTable(TExportTarget target, const TCombinationTable& table, const QString& proposedPath,
                 const QString& language, THost& host) {
  if (const std::optional<QString> refusal = ExportRefusal(target, table.RowCount(), language)) {
    host.ShowMessage(*refusal);
    return false;
  }
  return ExportRows(target, table.ToRows(), proposedPath, language, host);
}
