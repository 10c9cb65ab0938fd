// Fuzzes the planner's readers of typed numbers: a decimal with "," or "." and an exponent,
// and an integer field. A decimal read is finite and reads back from its plain form.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "tools/Calculators.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (const std::optional<double> value = ReadDecimalText(text)) {
    if (!std::isfinite(*value)) __builtin_trap();
    const std::optional<double> again = ReadDecimalText(QString::number(*value, 'g', 17));
    if (!again || *again != *value) __builtin_trap();
  }
  if (ReadIntegerText(text) < 0) __builtin_trap();
  TMartingaleParams params;
  params.Odds = text;
  params.Profit = text;
  params.Steps = 40;
  TReportPane pane;
  ShowMartingale(params, pane);
  return 0;
}
