// The export: 2,000 rows of 6 balls to a workbook and to a document (each written whole and
// replaced atomically), and 1,000,000 rows to the clipboard text.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "export/Export.h"

using namespace Qt::StringLiterals;

namespace {

iArray2D Rows(int count) {
  iArray2D rows;
  for (int r = 0; r < count; ++r) {
    iArray row;
    for (int b = 0; b < 6; ++b) row.push_back((r * 7 + b * 11) % 49 + 1);
    rows.push_back(row);
  }
  return rows;
}

void BM_ExportWorkbook(benchmark::State& state) {
  const iArray2D rows = Rows(kMaxFileExportRows);
  QTemporaryDir dir;
  const QString path = dir.filePath(u"forecast.xlsx"_s);
  for (auto _ : state) benchmark::DoNotOptimize(WriteXlsx(path, rows).Written);
}
BENCHMARK(BM_ExportWorkbook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ExportDocument(benchmark::State& state) {
  const iArray2D rows = Rows(kMaxFileExportRows);
  QTemporaryDir dir;
  const QString path = dir.filePath(u"forecast.docx"_s);
  for (auto _ : state) benchmark::DoNotOptimize(WriteDocx(path, rows).Written);
}
BENCHMARK(BM_ExportDocument)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ExportClipboardText(benchmark::State& state) {
  const iArray2D rows = Rows(kMaxClipboardExportRows);
  for (auto _ : state) benchmark::DoNotOptimize(RowsToText(rows).size());
}
BENCHMARK(BM_ExportClipboardText)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
