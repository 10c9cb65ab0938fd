#pragma once
// The walk-forward backtest: the forecast's whole filter chain run "as of" every draw T of a
// range, as "New" would run it for T (the hot/warm/cold classes and difference zones of T,
// every counter), and judged against what T really drew: how many combinations survived,
// whether the real draw was among them (and which filter threw it out), and how many
// survivors shared 0, 1, ..., K balls with it. A summary says whether the chain keeps the
// winning combination more often than a random selection of the same size would.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Prognoz.h"
#include "core/Chart.h"
#include "core/Host.h"
#include "core/Lottery.h"
#include "core/ReportPane.h"

// The filters by their statistics numbers, in the chain's order.
inline constexpr std::array<int, 16> kBacktestFilters = {1,  2,  3,  4,  5,  6,  10, 11,
                                                         12, 13, 14, 15, 16, 17, 18, 19};
inline constexpr int kBacktestDefaultDraws = 100;

struct TBacktestParams {
  int From = 0, To = 0;    // the draws tested; 0: the last 100 draws of the table
  QString AvailableBalls;  // poleSharyEnable (empty: every ball)
  TPrognozFields Fields;   // PanelPrognoz's filters, as the panel holds them
  int Threads = 0;         // threads of each walk; 0: all cores
};

struct TBacktestDraw {
  int Draw = 0;
  int64_t Total = 0, Filtered = 0;
  bool Hit = false;    // the real draw passes every ticked filter
  int RejectedBy = 0;  // the first filter that rejects it (0 on a hit)
  // Survivors sharing 0 .. K balls with the draw, counted by the walk itself (no rows are
  // kept); none only for a space walked one by one whose survivors passed the 16,000,000 rows
  // the forecast stores.
  std::optional<iArray> Matches;
  TFiltersStatistics Filters{};  // accepted and denied per statistics number
};

struct TBacktestFilterSummary {
  int Filter = 0;
  int Rejected = 0;          // real draws this filter threw out first
  double MeanDenyShare = 0;  // mean over the draws of denied / (accepted + denied)
};

struct TBacktestSummary {
  int Draws = 0, Hits = 0;
  double HitRate = 0, MeanSurvivors = 0, MeanKeptShare = 0;
  double Lift = 0;  // hit rate / mean kept share; above 1 the chain beats chance
  std::vector<TBacktestFilterSummary> Filters;
};

struct TBacktestResult {
  std::vector<TBacktestDraw> Draws;
  TBacktestSummary Summary;
  bool RangeCut = false;  // a filter range of some draw was cut
};

// The range the parameters ask for, inside FirstTira .. NewTira - 1 (From > To: empty).
std::pair<int, int> BacktestRange(const TLottery& lottery, const TBacktestParams& params);

// The long job: params in, result out; Run reports progress (draws done of the range) to
// the host and stops, leaving no half result, when the host asks it to.
class TBacktest {
public:
  TBacktest(const TLottery& lottery, TBacktestParams params);
  // False when cancelled (Result() is then empty).
  bool Run(THost* host = nullptr);
  const TBacktestResult& Result() const { return m_result; }

private:
  // Draw `draw`, the index-th of the count the range holds (for the progress bar).
  TBacktestDraw TestDraw(int draw, int64_t index, int64_t count, THost* host, bool* cancelled);

  const TLottery& m_lottery;
  TBacktestParams m_params;
  iArray m_source;  // the available balls, the same for every draw
  TBacktestResult m_result;
};

TBacktestSummary SummarizeBacktest(const std::vector<TBacktestDraw>& draws);

// The report: the summary block, then one line per draw (draw, survivors, kept share, hit
// mark, the first rejecting filter, the matches).
void WriteBacktestReport(const TBacktestResult& result, const QString& language,
                         QChar decimalSeparator, TReportPane& pane);

// The chart of a backtest: the survivors per draw, the draws whose real combination survived
// marked.
TChartModel BacktestChart(const TBacktestResult& result);
