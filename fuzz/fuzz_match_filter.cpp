// Fuzzes the past matches' filter text and the candidate table read from a clipboard text:
// the rewritten field reads back to itself and to a filter that judges every count alike,
// and any table filters and lists without fault.
#include <cstddef>
#include <cstdint>

#include "forecast/PastMatches.h"

namespace {

const TLottery& SmallLottery() {
  static const TLottery lottery = [] {
    TLottery made;
    made.BallsInDraw = 3;
    made.MaxBall = 120;
    made.Tirazhi = {{1, 1, 2, 3}, {2, 100, 101, 120}, {3, 3, 60, 119}};
    made.SetDrawRange();
    return made;
  }();
  return lottery;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const TMatchFilterText read = ReadMatchFilterText(text);
  const TMatchFilterText again = ReadMatchFilterText(read.Text);
  if (again.Text != read.Text) __builtin_trap();
  for (int32_t first = -2; first <= 12; ++first)
    for (int32_t second = -2; second <= 12; ++second) {
      const iArray counts{first, second, first + second, 7};
      if (PassesMatchFilter(counts, read.Filter) != PassesMatchFilter(counts, again.Filter))
        __builtin_trap();
    }

  auto tables = std::make_shared<TPastMatchesTables>();
  tables->SourceTable = TextToRows(SplitLines(text));
  TPastMatchesParams params;
  params.NextTira = 4;
  params.Window = 5;
  params.Filter = true;
  params.FilterText = text;
  params.Tables = tables;
  TReportPane pane;
  ShowPastMatches(SmallLottery(), params, pane);
  if (tables->FilteredTable.size() > tables->SourceTable.size()) __builtin_trap();
  ShowPastMatchesSource({TSourceOrigin::Clipboard, tables}, pane);
  return 0;
}
