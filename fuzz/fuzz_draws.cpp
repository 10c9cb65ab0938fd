// Fuzzes reading a draws file: line splitting, number extraction, validation and the
// written forms. The first two bytes choose the lottery (K, N).
#include <cstddef>
#include <cstdint>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/SilentHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int balls = data[0] % 40;
  const int maxBall = data[1];
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
  const iArray2D rows = TextToRows(SplitLines(text));
  // The file reader reads exactly what the text helpers read; every noted row exists.
  const TDrawRows read = ReadDrawRows(text);
  if (read.Rows != rows) __builtin_trap();
  for (int64_t row : read.RowsWithTooLargeNumbers)
    if (row < 0 || row >= static_cast<int64_t>(rows.size())) __builtin_trap();
  TSilentHost host;
  const bool valid = ValidateDraws(rows, balls, maxBall, QStringLiteral("eng"), host,
                                   read.RowsWithTooLargeNumbers);
  const QString written = ShowDraws(rows);
  if (valid) {
    // The written forms read back to the same table and its ordered view.
    if (TextToRows(SplitLines(written)) != rows) __builtin_trap();
    if (ReadDrawRows(ShowDraws(rows, TBallOrder::Sorted)).Rows != OrderedDraws(rows))
      __builtin_trap();
  }
  return 0;
}
