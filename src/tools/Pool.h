#pragma once
// Random pools: a number of ranges, each a random set of balls drawn from the available
// balls, judged against a draw (the win statistic) and listed with that draw's balls
// highlighted and a bonus per range (BonusTable.h). The user's own tickets can be judged the
// same way.

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/CommonFunctions.h"
#include "core/Host.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

// seRNGRangeSize and seRNGPoolSize; the research variant's range size.
constexpr int kRangeSizeDefault = 6, kRangeSizeMin = 4, kRangeSizeMax = 25;
constexpr int kPoolSizeDefault = 10, kPoolSizeMin = 1, kPoolSizeMax = 9999;
constexpr int kEven5x36RangeSizeDefault = 5, kEven5x36RangeSizeMin = 5, kEven5x36RangeSizeMax = 18;

struct TPoolOtbor {
  int Next = 1;  // the draw the pool is judged against
  int RangeSize = kRangeSizeDefault;
  int PoolSize = kPoolSizeDefault;
  int OtborType = 0;   // 0: random fill
  iArray SourceRange;  // the balls ranges are drawn from, ascending, distinct
};

struct TRandomRange {
  iArray Range;  // descending
  int64_t Bonus = 0;
  int Win = 0;  // balls of the range among the balls of draw Next
};

struct TmyPool {
  std::vector<TRandomRange> Ranges;
  iArray2D PoolTable;   // one row per range: its balls
  iArray WinFrequency;  // the Win of each range, in pool order
  TPoolOtbor Otbor;
};

// Fills the pool at random from Otbor (all ranges from one seeding of the process's
// generator: `seed`, or the fixed seed, or the clock), each range's balls descending, with
// its bonus and win. Stops early (false) when the host asks to.
bool FillRandomPool(const TLottery& lottery, TmyPool& pool, std::optional<uint64_t> seed,
                    THost* host = nullptr);
// The given tickets as the pool: each row's distinct balls of the lottery, descending.
void FillPoolFromRows(const TLottery& lottery, TmyPool& pool, const iArray2D& rows);

// For every available ball the number of ranges holding it, ascending: the series whose
// deviation the report prints.
iArray PoolDeviationSeries(const TmyPool& pool);

// The listing: the header, then per range its number, its balls (the draw's highlighted)
// and its bonus.
void PrintPool(TReportPane& pane, const TmyPool& pool, const iArray& drawBalls, int maxBall);

// The generator panel's report (or the KENO button's), or the research variant's.
enum class TPoolReportKind { Standard, Even5x36 };

struct TPoolParams {
  int NextTira = 1;
  int RangeSize = kRangeSizeDefault;
  int PoolSize = kPoolSizeDefault;
  QString AvailableBalls;           // poleSharyEnable (empty: every ball)
  std::optional<iArray2D> Tickets;  // the user's own tickets instead of a random fill
  std::optional<uint64_t> Seed;     // lotrix-cli --seed; else the process's seeding
  QChar DecimalSeparator = QLatin1Char('.');
  TPoolReportKind Kind = TPoolReportKind::Standard;
};

// The pool the parameters make (random, or the tickets); nothing when the host stopped it.
std::optional<TmyPool> MakePool(const TLottery& lottery, const TPoolParams& params,
                                THost* host = nullptr);
void GenerateRandomPool(const TLottery& lottery, const TPoolParams& params, TReportPane& pane,
                        THost* host = nullptr);
// The report of a pool already made.
void ShowPool(const TLottery& lottery, const TPoolParams& params, const TmyPool& pool,
              TReportPane& pane);

// lotrix-cli report deviation: Deviation of a typed series, as typed.
struct TDeviationParams {
  QString SeriesText;
  QChar DecimalSeparator = QLatin1Char('.');
};
void ShowDeviation(const TDeviationParams& params, TReportPane& pane);
