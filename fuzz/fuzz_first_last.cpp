// Fuzzes the forecast's first/last field: number lists split by "/".
#include <cstddef>
#include <cstdint>

#include "forecast/FilterSyntax.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QString field =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const qsizetype slashes = field.count(u'/');
  const iArray2D rows = ReadFirstLastEdit(field);
  // One list per part; the normal form has the same parts and reads back to itself.
  if (static_cast<qsizetype>(rows.size()) != slashes + 1) __builtin_trap();
  if (field.count(u'/') != slashes) __builtin_trap();
  QString again = field;
  if (ReadFirstLastEdit(again) != rows || again != field) __builtin_trap();
  return 0;
}
