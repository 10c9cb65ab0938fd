// Fuzzes the signed number lists of the skip filter and the interval texts: a signed list is
// kept as ranges (never enumerated) and its normal form reads back to itself; interval balls
// are distinct, ascending, within the lottery and read back from their normal form. The first
// byte chooses the lottery's largest ball.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "analyses/Intervals.h"
#include "core/CommonFunctions.h"
#include "core/NumberList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int maxBall = 1 + data[0] % 99;
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

  const TNumberRanges ranges = TNumberRanges::Parse(text);
  for (int32_t v : ExtractSignedNumbers(text))
    if (!ranges.Contains(v)) __builtin_trap();
  const QString normal = ranges.Format();
  if (ranges.IsEmpty() != normal.isEmpty()) __builtin_trap();
  if (TNumberRanges::Parse(normal).Format() != normal) __builtin_trap();

  const iArray balls = IntervalBalls(text, maxBall);
  if (!std::is_sorted(balls.begin(), balls.end()) ||
      std::adjacent_find(balls.begin(), balls.end()) != balls.end())
    __builtin_trap();
  if (!balls.empty() && (balls.front() < 1 || balls.back() > maxBall)) __builtin_trap();
  if (IntervalBalls(FormatNumberList(balls), maxBall) != balls) __builtin_trap();
  return 0;
}
