// The spreadsheet export through libxlsxwriter. The library writes to a file name, so the
// workbook is made in a temporary folder and then written over the target atomically.
#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>

#include "Export.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxWorksheetColumns = 16'384;  // the most columns a worksheet has

TWriteOutcome Failed(const QString& reason) { return {false, reason}; }

}  // namespace

TWriteOutcome WriteXlsx(const QString& path, const iArray2D& rows) {
  for (const iArray& row : rows)
    if (row.size() > kMaxWorksheetColumns)
      return Failed(u"A row holds more than 16,384 numbers, the most a worksheet has."_s);
  QTemporaryDir dir;
  if (!dir.isValid()) return Failed(dir.errorString());
  const QByteArray made = QFile::encodeName(dir.filePath(u"export.xlsx"_s));
  lxw_workbook* workbook = workbook_new(made.constData());
  if (workbook == nullptr) return Failed(u"The workbook could not be created."_s);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  lxw_error error = sheet == nullptr ? LXW_ERROR_MEMORY_MALLOC_FAILED : LXW_NO_ERROR;
  for (size_t r = 0; r < rows.size() && error == LXW_NO_ERROR; ++r)
    for (size_t c = 0; c < rows[r].size() && error == LXW_NO_ERROR; ++c)
      error = worksheet_write_number(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                     rows[r][c], nullptr);
  const lxw_error closed = workbook_close(workbook);  // frees the workbook in any case
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) return Failed(QString::fromUtf8(lxw_strerror(error)));
  QFile file(QFile::decodeName(made));
  if (!file.open(QIODevice::ReadOnly)) return Failed(file.errorString());
  return WriteFileAtomically(path, file.readAll());
}
