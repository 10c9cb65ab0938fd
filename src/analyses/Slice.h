#pragma once
// Slices: every run of S consecutive balls that wraps from MaxBall to 1 (one starting at each
// ball), how many balls of a draw each holds (its Win) and the history of that count; an
// optional maximum skip keeps only the slices whose every ball came up recently.

#include <QChar>

#include "core/Chart.h"
#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

class TSlice {
public:
  TSlice(int sliceId, int sliceSize, int maxBall);
  int Id = 0;
  int Size = 0;
  iArray Range;  // Id, Id + 1, .., Id + S - 1, a value above MaxBall less MaxBall (once)
  int Win = 0;
  int SliceType = 0;
  int MaxSkip = 0;  // the largest allowed ball skip; 0 or less: no test
  bool IsTrue = true;
  // Win and IsTrue for draw iNext.
  void Refresh(const TLottery& lottery, int64_t iNext);
  void Rebuild() {}
};

// 1 when the ball is in draw d - 1, k when its newest draw before d is d - k, 0 when no
// draw of the table before d holds it.
int BallSkip(const TLottery& lottery, int ball, int64_t d);

inline constexpr int kSliceHistoryDefault = 100, kSliceHistoryMin = 1, kSliceHistoryMax = 9999;
inline constexpr int kSliceSizeDefault = 6, kSliceSizeMin = 3, kSliceSizeMax = 20;
inline constexpr int kSliceMaxSkipDefault = 0, kSliceMaxSkipMin = 0, kSliceMaxSkipMax = 100;

// The panel PanelSlice as a parameter record.
struct TSliceParams {
  int NextTira = 1;                    // T (seNextTira)
  int History = kSliceHistoryDefault;  // H (seSliceHistory)
  int Size = kSliceSizeDefault;        // S (seSliceSize)
  int MaxSkip = kSliceMaxSkipDefault;  // M (seSliceMaxSkip)
  QChar DecimalSeparator = QLatin1Char('.');
};

// btnSliceShow: a block per slice that passes the skip test.
void ShowSlices(const TLottery& lottery, const TSliceParams& params, TReportPane& pane);
// The charts beside it, one per slice shown: its Win history and the frequency bars, the Win
// of T marked.
TCharts SliceCharts(const TLottery& lottery, const TSliceParams& params);
// btnSliceTotalWinHistory: draw by draw, the sorted Wins of the passing slices.
struct TSliceTotalWinParams : TSliceParams {};
void ShowSliceTotalWinHistory(const TLottery& lottery, const TSliceTotalWinParams& params,
                              TReportPane& pane);
