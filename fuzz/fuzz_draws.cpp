// Fuzzes reading a draws file: line splitting, number extraction, validation and the
// written forms. The first two bytes choose the lottery (K, N).
#include "core/SilentHost.h"
#include "core/CommonFunctions.h"
#include "core/Lottery.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int balls = data[0] % 40;
  const int maxBall = data[1];
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                         static_cast<qsizetype>(size - 2));
  const iArray2D rows = TextToRows(SplitLines(text));
  TSilentHost host;
  const bool valid = ValidateDraws(rows, balls, maxBall, QStringLiteral("eng"), host);
  const QString written = ShowDraws(rows);
  if (valid) {
    const iArray2D ordered = OrderedDraws(rows);
    if (ordered.size() != rows.size()) __builtin_trap();
    // The written form reads back to the same table.
    if (TextToRows(SplitLines(written)) != rows) __builtin_trap();
  }
  return 0;
}
