// Fuzzes the readers of number lists typed by the user: plain numbers, available balls and
// the forecast's number-list syntax with its ranges.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"
#include "forecast/FilterSyntax.h"

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

  // A number list: distinct ascending values, every written number among them, ranges
  // bounded; its normal form reads back to the same values and is itself normal.
  QString list = text;
  const iArray values = ReadNumberListEdit(list);
  if (!std::is_sorted(values.begin(), values.end()) ||
      std::adjacent_find(values.begin(), values.end()) != values.end())
    __builtin_trap();
  for (int32_t v : numbers)
    if (!std::binary_search(values.begin(), values.end(), v)) __builtin_trap();
  if (values.size() > numbers.size() + static_cast<size_t>(kMaxRangeValue) + 1) __builtin_trap();
  QString again = list;
  if (ReadNumberListEdit(again) != values || again != list) __builtin_trap();
  return 0;
}
