// Fuzzes results recognition: a listing pasted into the result pane becomes draw lines.
#include <cstddef>
#include <cstdint>

#include "core/CommonFunctions.h"
#include "core/ResultsRecognition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const TResultsListing listing =
      data[0] % 2 ? TResultsListing::Lotto5x36 : TResultsListing::Lotto6x45;
  const QStringList lines = SplitLines(
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
  qsizetype colons = 0;
  for (const QString& line : lines) colons += line.contains(u':');
  // One draw line per line with a colon.
  if (RecognizeResults(lines, listing).size() != colons) __builtin_trap();
  return 0;
}
