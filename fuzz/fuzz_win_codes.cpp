// Fuzzes the forecast's code fields: three-character codes such as "212  0XX".
#include <cstddef>
#include <cstdint>

#include "forecast/FilterSyntax.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QString field =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const iArray2D codes = ReadWinCodeEdit(field);
  for (const iArray& code : codes) {
    if (code.size() != 3) __builtin_trap();
    for (int32_t digit : code)
      if (digit < -1 || digit > 9) __builtin_trap();
  }
  // Five characters per code in the normal form, which reads back to itself.
  if (field.size() != 5 * static_cast<qsizetype>(codes.size())) __builtin_trap();
  QString again = field;
  if (ReadWinCodeEdit(again) != codes || again != field) __builtin_trap();
  return 0;
}
