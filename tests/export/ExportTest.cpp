// The export: workbooks and documents read back cell by cell by independent readers
// (python3-openpyxl, python3-docx, LibreOffice when installed), the limits and their exact
// messages, the clipboard text, a cancelled dialog and a target that cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "CliRun.h"
#include "TestHost.h"
#include "export/Export.h"

using namespace Qt::StringLiterals;

namespace {

QString Found(const char* path) {
  const QString found = QString::fromUtf8(path);
  return found.endsWith(u"NOTFOUND"_s) ? QString() : found;
}

// The rows a python reader prints as json ([[...], ...]), or the reader's error.
iArray2D ReadBack(const QString& script, const QString& path) {
  const TCliRun run = RunProgram(Found(LOTRIX_PYTHON), {u"-c"_s, script, path});
  EXPECT_EQ(run.Code, 0) << run.Err.toStdString();
  iArray2D rows;
  for (const QJsonValue& row : QJsonDocument::fromJson(run.Out.toUtf8()).array()) {
    rows.emplace_back();
    for (const QJsonValue& cell : row.toArray()) rows.back().push_back(cell.toInt());
  }
  return rows;
}

// Every worksheet row as its numbers (openpyxl: cells as typed, integers read as int).
const QString kReadXlsx =
    uR"(import json, sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
rows = []
for row in sheet.iter_rows(values_only=True):
    cells = list(row)
    while cells and cells[-1] is None: cells.pop()
    assert all(isinstance(c, (int, float)) for c in cells), cells
    rows.append([int(c) for c in cells])
print(json.dumps(rows)))"_s;

// The only table of the document: its size, then every cell's text as a number ("" = 0
// is not allowed: empty cells are left out at a row's end only).
const QString kReadDocx =
    uR"(import json, sys, docx
document = docx.Document(sys.argv[1])
assert len(document.tables) == 1
table = document.tables[0]
rows = []
for row in table.rows:
    texts = [cell.text for cell in row.cells]
    while texts and texts[-1] == "": texts.pop()
    rows.append([int(t) for t in texts])
print(json.dumps([[len(table.rows), len(table.columns)]] + rows)))"_s;

const iArray2D kRagged = {{1, 22, 255}, {7}, {}, {-5, 40, 0, 12}};

iArray2D Rows(int count) {
  iArray2D rows;
  for (int r = 0; r < count; ++r) rows.push_back({r + 1, r % 49 + 1, 300});
  return rows;
}

class Export : public ::testing::Test {
protected:
  void SetUp() override {
    if (Found(LOTRIX_PYTHON).isEmpty()) GTEST_SKIP() << "python3 is not installed";
  }
  QTemporaryDir m_dir;
};

}  // namespace

TEST_F(Export, AWorkbookHoldsEveryRowsOwnNumbers) {
  const QString path = m_dir.filePath(u"forecast.xlsx"_s);
  ASSERT_TRUE(WriteXlsx(path, kRagged).Written);
  EXPECT_EQ(ReadBack(kReadXlsx, path), kRagged);
  const iArray2D big = Rows(kMaxFileExportRows);
  ASSERT_TRUE(WriteXlsx(path, big).Written);  // written over the first one
  EXPECT_EQ(ReadBack(kReadXlsx, path), big);
  EXPECT_FALSE(WriteXlsx(path, {iArray(16'385, 1)}).Written);
  EXPECT_EQ(ReadBack(kReadXlsx, path), big);  // a refused write keeps the old file
}

TEST_F(Export, ADocumentHoldsOneTableOfTheRows) {
  const QString path = m_dir.filePath(u"forecast.docx"_s);
  const iArray2D rows = {{3, 11, 17, 25, 30}, {1, 2}, {4, 5, 6, 7, 8}};
  ASSERT_TRUE(WriteDocx(path, rows).Written);
  iArray2D expected = {{3, 5}};  // R rows, the columns of row 0
  expected.insert(expected.end(), rows.begin(), rows.end());
  EXPECT_EQ(ReadBack(kReadDocx, path), expected);
  // A row longer than row 0 widens the table instead of losing its numbers.
  ASSERT_TRUE(WriteDocx(path, kRagged).Written);
  expected = {{4, 4}};
  expected.insert(expected.end(), kRagged.begin(), kRagged.end());
  EXPECT_EQ(ReadBack(kReadDocx, path), expected);
}

TEST_F(Export, TheLimitsAndTheirMessagesInBothLanguages) {
  EXPECT_EQ(ExportRefusal(TExportTarget::Spreadsheet, 0, u"eng"_s),
            u"No data to export\ror data over 1.000.000 lines."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Clipboard, 0, u"rus"_s),
            u"Нет данных для экспорта\rили данных более 1.000.000 строк."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Spreadsheet, 2'000, u"eng"_s), std::nullopt);
  EXPECT_EQ(ExportRefusal(TExportTarget::Spreadsheet, 2'001, u"eng"_s),
            u"In the export table more than 2.000 lines. Export to Excel is not available.\r"
            u"Use export via Clipboard."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Document, 2'001, u"rus"_s),
            u"В таблице экспорта более 2.000 строк. Экспорт в Word не доступен.\r"
            u"Используйте экспорт через Буфер Обмена."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Spreadsheet, 2'001, u"rus"_s),
            u"В таблице экспорта более 2.000 строк. Экспорт в Excel не доступен.\r"
            u"Используйте экспорт через Буфер Обмена."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Document, 2'001, u"eng"_s),
            u"In the export table more than 2.000 lines. Export to Word is not available.\r"
            u"Use export via Clipboard."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Clipboard, 1'000'000, u"eng"_s), std::nullopt);
  EXPECT_EQ(ExportRefusal(TExportTarget::Clipboard, 1'000'001, u"eng"_s),
            u"In the export table more than 1.000.000 lines. Export to Clipboard is not "
            u"available."_s);
  EXPECT_EQ(ExportRefusal(TExportTarget::Clipboard, 1'000'001, u"rus"_s),
            u"В таблице экспорта более 1.000.000 строк. Экспорт в Буфер Обмена не доступен."_s);

  // The clipboard: exactly a million rows go, one more is refused and leaves it alone.
  TTestHost host;
  ASSERT_TRUE(
      ExportRows(TExportTarget::Clipboard, iArray2D(1'000'000, iArray{4, 9}), {}, u"eng"_s, host));
  EXPECT_EQ(host.Clipboard.size(), 1'000'000 * 6);
  EXPECT_TRUE(host.Clipboard.startsWith(u"4 9 \r\n4 9 \r\n"_s));
  EXPECT_EQ(host.Messages, QStringList{u"Forecast results copied to Clipboard."_s});
  host.Clipboard = u"kept"_s;
  EXPECT_FALSE(
      ExportRows(TExportTarget::Clipboard, iArray2D(1'000'001, iArray{4}), {}, u"rus"_s, host));
  EXPECT_EQ(host.Clipboard, u"kept"_s);
  EXPECT_EQ(host.Messages.last(),
            u"В таблице экспорта более 1.000.000 строк. Экспорт в Буфер Обмена не доступен."_s);
  ASSERT_TRUE(ExportRows(TExportTarget::Clipboard, {{1}}, {}, u"rus"_s, host));
  EXPECT_EQ(host.Messages.last(), u"Результаты прогноза скопированы в буфер обмена."_s);
}

TEST_F(Export, TheSaveDialogProposesTheFileAndTheWorkbookOpens) {
  TTestHost host;
  const QString proposed =
      ProposedExportPath(u"6x49 canada lotto"_s, 4211, TExportTarget::Spreadsheet);
  EXPECT_TRUE(proposed.endsWith(u"/6x49 canada lotto forecast 4211.xlsx"_s));
  EXPECT_TRUE(
      ProposedExportPath(u"x"_s, 5, TExportTarget::Document).endsWith(u"x forecast 5.docx"_s));
  // Cancelled: nothing written, nothing opened.
  EXPECT_FALSE(ExportRows(TExportTarget::Spreadsheet, Rows(3), proposed, u"eng"_s, host));
  EXPECT_EQ(host.SaveProposals, QStringList{proposed});
  EXPECT_TRUE(host.OpenedDocuments.isEmpty());
  EXPECT_TRUE(host.Messages.isEmpty());
  const QString chosen = m_dir.filePath(u"chosen.docx"_s);
  host.SaveAnswers = {chosen};
  ASSERT_TRUE(ExportRows(TExportTarget::Document, Rows(3), proposed, u"eng"_s, host));
  EXPECT_EQ(host.OpenedDocuments, QStringList{chosen});
  EXPECT_EQ(ReadBack(kReadDocx, chosen).size(), 4u);
  // 2,001 rows never reach the dialog.
  EXPECT_FALSE(ExportRows(TExportTarget::Document, Rows(2'001), proposed, u"eng"_s, host));
  EXPECT_EQ(host.SaveProposals.size(), 2);
}

TEST_F(Export, ATargetThatCannotBeWrittenKeepsTheOldFile) {
  // A read-only file system in a namespace of the test's own (root writes past permissions);
  // skipped where mounting is not allowed.
  const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
  if (unshare.isEmpty()) GTEST_SKIP() << "no unshare";
  QFile rows(m_dir.filePath(u"rows.txt"_s));
  ASSERT_TRUE(rows.open(QIODevice::WriteOnly));
  rows.write("1 2 3\n4 5 6\n");
  rows.close();
  const QString folder = m_dir.filePath(u"mounted"_s);
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString script =
      uR"(
    mount -t tmpfs -o size=64k tmpfs "$0" || exit 77
    "$1" export --rows "$2" --to "$0/old.xlsx" || exit 78
    cp "$0/old.xlsx" "$0/before"
    mount -o remount,ro "$0" || exit 77
    "$1" export --rows "$2" --to "$0/old.xlsx" --lang eng
    echo "exit $?"
    cmp -s "$0/old.xlsx" "$0/before" && echo "old file kept"
    ls "$0")"_s;
  const TCliRun run =
      RunProgram(unshare, {u"--user"_s, u"--map-root-user"_s, u"--mount"_s, u"sh"_s, u"-c"_s,
                           script, folder, QString::fromUtf8(LOTRIX_CLI_PATH), rows.fileName()});
  if (run.Code == 77 || (run.Code != 0 && run.Out.isEmpty()))
    GTEST_SKIP() << "mounting a tmpfs is not allowed here: " << run.Err.toStdString();
  EXPECT_EQ(run.Out, u"exit 1\nold file kept\nbefore\nold.xlsx\n"_s);
  EXPECT_TRUE(run.Err.startsWith(u"The export could not be written to the file \""_s + folder +
                                 u"/old.xlsx\"\n"_s))
      << run.Err.toStdString();
}

TEST_F(Export, LibreOfficeReadsTheWorkbookToo) {
  const QString soffice = Found(LOTRIX_SOFFICE);
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  const QString path = m_dir.filePath(u"forecast.xlsx"_s);
  ASSERT_TRUE(WriteXlsx(path, kRagged).Written);
  const TCliRun run = RunProgram(
      soffice, {u"--headless"_s, u"--convert-to"_s, u"csv"_s, u"--outdir"_s, m_dir.path(), path});
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  QFile csv(m_dir.filePath(u"forecast.csv"_s));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(csv.readAll()).split(u'\n').mid(0, 4),
            (QStringList{u"1,22,255,"_s, u"7,,,"_s, u",,,"_s, u"-5,40,0,12"_s}));
}

TEST_F(Export, TheCliWritesTheSameFilesWithTheSameLimits) {
  QFile table(m_dir.filePath(u"rows.txt"_s));
  ASSERT_TRUE(table.open(QIODevice::WriteOnly));
  table.write("1 22 255\r\n7\r\nno numbers\r\n-5 40 0 12\r\n");  // read as the clipboard: no signs
  table.close();
  const QString xlsx = m_dir.filePath(u"out.xlsx"_s), text = m_dir.filePath(u"out.txt"_s);
  EXPECT_EQ(RunCli({u"export"_s, u"--rows"_s, table.fileName(), u"--to"_s, xlsx}).Code, 0);
  EXPECT_EQ(ReadBack(kReadXlsx, xlsx), (iArray2D{{1, 22, 255}, {7}, {5, 40, 0, 12}}));
  EXPECT_EQ(RunCli({u"export"_s, u"--rows"_s, table.fileName(), u"--to"_s, text}).Code, 0);
  QFile written(text);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray("1 22 255 \r\n7 \r\n5 40 0 12 \r\n"));

  QFile big(m_dir.filePath(u"big.txt"_s));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  for (int r = 0; r < 2'001; ++r) big.write("1 2 3\n");
  big.close();
  const TCliRun refused = RunCli({u"export"_s, u"--rows"_s, big.fileName(), u"--to"_s,
                                  m_dir.filePath(u"big.docx"_s), u"--lang"_s, u"eng"_s});
  EXPECT_EQ(refused.Code, 1);
  EXPECT_EQ(refused.Err,
            u"In the export table more than 2.000 lines. Export to Word is not "
            u"available.\nUse export via Clipboard.\n"_s);
  EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"big.docx"_s)));
  EXPECT_EQ(RunCli({u"export"_s, u"--to"_s, xlsx}).Code, 2);

  // The forecast's shown table: the 56 combinations of eight balls.
  const QString docx = m_dir.filePath(u"forecast.docx"_s);
  const TCliRun forecast =
      RunCli({u"forecast"_s, Example(u"5x36 sample.txt"_s), u"--available"_s, u"1 2 3 4 5 6 7 8"_s,
              u"--export"_s, docx, u"--lang"_s, u"eng"_s});
  EXPECT_EQ(forecast.Code, 0) << forecast.Err.toStdString();
  const iArray2D rows = ReadBack(kReadDocx, docx);
  ASSERT_EQ(rows.size(), 57u);
  EXPECT_EQ(rows[0], (iArray{56, 5}));
  const TCliRun none = RunCli({u"forecast"_s, Example(u"5x36 sample.txt"_s), u"--even"_s, u"9"_s,
                               u"--export"_s, xlsx, u"--lang"_s, u"eng"_s});
  EXPECT_EQ(none.Code, 1);
  EXPECT_TRUE(none.Err.endsWith(u"No data to export\nor data over 1.000.000 lines.\n"_s));
}

TEST(ReportPdf, AnyReportAsAPdfFile) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(u"even.pdf"_s);
  const QStringList base = {u"report"_s, u"even"_s, Example(u"5x36 sample.txt"_s), u"--format"_s,
                            u"pdf"_s};
  const TCliRun run = RunCli(base + QStringList{u"--output"_s, pdf});
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF"));
  EXPECT_EQ(RunCli(base).Code, 2);  // no --output
  const TCliRun past = RunCli({u"report"_s, u"past-matches"_s, Example(u"5x36 sample.txt"_s),
                               u"--format"_s, u"pdf"_s, u"--output"_s, pdf});
  EXPECT_EQ(past.Code, 2);
}

TEST(ReportSvg, TheChartOfAOneNumberReport) {
  QTemporaryDir dir;
  const QString svg = dir.filePath(u"even.svg"_s);
  const TCliRun run = RunCli({u"report"_s, u"even"_s, Example(u"5x36 sample.txt"_s), u"--draw"_s,
                              u"400"_s, u"--format"_s, u"svg"_s, u"--output"_s, svg});
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.startsWith("<?xml"));
  EXPECT_EQ(text.count("fill=\"#ff0000\""), 2);
  file.close();
  const TCliRun none = RunCli({u"report"_s, u"map"_s, Example(u"5x36 sample.txt"_s), u"--format"_s,
                               u"svg"_s, u"--output"_s, svg});
  EXPECT_EQ(none.Code, 2);
  EXPECT_TRUE(none.Err.contains(u"has no chart"_s));
  EXPECT_TRUE(none.Err.contains(u"first-last, sum"_s));  // the reports that have one
  // One chart per slice shown, one under another; intervals that hold no ball give none.
  const TCliRun slices =
      RunCli({u"report"_s, u"slices"_s, Example(u"5x36 sample.txt"_s), u"--draw"_s, u"400"_s,
              u"--format"_s, u"svg"_s, u"--output"_s, svg});
  ASSERT_EQ(slices.Code, 0) << slices.Err.toStdString();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("<g transform="), 36);
  file.close();
  const TCliRun empty =
      RunCli({u"report"_s, u"intervals"_s, Example(u"5x36 sample.txt"_s), u"--interval"_s, u"90"_s,
              u"--format"_s, u"svg"_s, u"--output"_s, svg});
  EXPECT_EQ(empty.Code, 1);
  EXPECT_TRUE(empty.Err.contains(u"nothing to chart"_s));
}
