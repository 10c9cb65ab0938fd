// Fuzzes the readers of number lists typed by the user.
#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const iArray numbers = ExtractNumbers(text);
  const iArray signedNumbers = ExtractSignedNumbers(text);
  if (signedNumbers.size() < numbers.size()) __builtin_trap();
  for (int32_t v : numbers)
    if (v < 0) __builtin_trap();

  QString field;
  const iArray balls = AvailableBalls(text, 49, &field);
  if (balls.empty() || balls.size() > 49) __builtin_trap();
  if (ExtractNumbers(field) != balls) __builtin_trap();

  if (!numbers.empty() && FindNumberInLine(numbers.back(), text) < 0) __builtin_trap();
  return 0;
}
