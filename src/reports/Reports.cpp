#include "Reports.h"

#include <array>

namespace {

constexpr auto kReports = std::to_array<TReportDef>({
    {u"hot-cold", u"hot, warm and cold balls of a draw and of its history", true, true},
    {u"even", u"even balls per draw: recent draws, series, frequency and Markov tables", true,
     true},
    {u"consecutive",
     u"pairs of neighbouring balls per draw: recent draws, series, frequency and Markov tables",
     true, true},
    {u"first-last", u"the smallest and the largest ball per draw: series and frequency tables",
     true, true},
    {u"sum", u"the sum of the balls per draw: recent draws, series and frequency table", true,
     true},
    {u"sum-for-bets",
     u"whether each draw's sum stayed at or below (or reached) a level, as 1 and 0", true, true},
    {u"differences", u"gaps between neighbouring balls, their zones and difference WinCodes", true},
    {u"repeats", u"balls of each draw repeated from a group of earlier draws (Win.Total)", true,
     true},
    {u"range", u"frequency and Markov tables of any series you type", false, true},
    {u"intervals", u"balls of each draw in up to twelve sets of balls: Win histories and tables",
     true, true},
    {u"slices", u"balls of each draw in every run of S consecutive balls: Win histories and tables",
     true, true},
    {u"total-win", u"draw by draw, the Wins of every slice, sorted", true},
    {u"triplets", u"the close triples of one draw: three balls with gaps of at most 10", true},
    {u"map", u"the draws map: the 20 draws before T and the 10 from T on, ball by ball", true},
    {u"skips", u"every foton (group of balls) of a kind: its skip, win mark and series", true},
    {u"skip-frequency", u"the skips the fotons of each past draw had when they came up", true},
    {u"flash", u"every foton of a kind over the available balls (the Test panel)", true},
    {u"parsec", u"the history length the lottery and the foton kind suggest", true},
    {u"calculator", u"how many combinations there are per combination matching B of D balls",
     false},
    {u"martingale", u"a betting series whose every win covers all spent plus a profit", false},
    {u"pool", u"a random pool (or your tickets) judged against a draw, with each range's bonus",
     true},
    {u"deviation", u"how unevenly a typed series is spread (its first tenth over its last)", false},
    {u"past-matches-source", u"the table of candidate rows past matches filters", false},
    {u"past-matches",
     u"candidate rows kept by how many of the last W draws shared 0, 1, 2, ... balls with them",
     true},
    {u"past-matches-history",
     u"how many of their W predecessors the real draws matched 0, 1, 2, ... times", true},
});
static_assert(kReports.size() == std::variant_size_v<TReportParams>);

template <typename... TFunctions>
struct TOverloaded : TFunctions... {
  using TFunctions::operator()...;
};
template <typename... TFunctions>
TOverloaded(TFunctions...) -> TOverloaded<TFunctions...>;

}  // namespace

std::span<const TReportDef> ReportDefs() { return kReports; }

const TReportDef* FindReport(QStringView name) {
  for (const TReportDef& def : kReports)
    if (QStringView(def.Name) == name) return &def;
  return nullptr;
}

const TReportDef& ReportOf(const TReportParams& params) { return kReports[params.index()]; }

void WriteReport(const TLottery* lottery, const TReportParams& params, TReportPane& pane,
                 THost* host) {
  std::visit(
      TOverloaded{
          [&](const THotWarmColdParams& p) { ShowHotWarmColdReport(*lottery, p, pane); },
          [&](const TEvenParams& p) { ShowEvenReport(*lottery, p, pane); },
          [&](const TConsecutiveParams& p) { ShowConsecutiveReport(*lottery, p, pane); },
          [&](const TFirstLastBallParams& p) { ShowFirstLastBallReport(*lottery, p, pane); },
          [&](const TSumParams& p) { ShowSumReport(*lottery, p, pane); },
          [&](const TSumForBetsParams& p) { ShowSumForBetsReport(*lottery, p, pane); },
          [&](const TDifferencesParams& p) { ShowDifferencesReport(*lottery, p, pane); },
          [&](const TRepeatsParams& p) { ShowRepeatsReport(*lottery, p, pane); },
          [&](const TRangeStatParams& p) { ShowRangeStatistic(p, pane); },
          [&](const TIntervalsParams& p) { ShowIntervalsReport(*lottery, p, pane); },
          [&](const TSliceParams& p) { ShowSlices(*lottery, p, pane); },
          [&](const TSliceTotalWinParams& p) { ShowSliceTotalWinHistory(*lottery, p, pane); },
          [&](const TTripletsParams& p) { ShowTriplets(*lottery, p, pane); },
          [&](const TTiraMapParams& p) { ShowDrawsMap(*lottery, p, pane); },
          [&](const TSkipsParams& p) { ShowSkipsList(*lottery, p, pane, host); },
          [&](const TSkipsFrequencyParams& p) { ShowSkipsFrequency(*lottery, p, pane, host); },
          [&](const TFlashListingParams& p) { ShowFlashListing(*lottery, p, pane); },
          [&](const TParsecParams& p) { ShowParsec(*lottery, p, pane); },
          [&](const TCalculatorParams& p) { ShowCombinationsCalculator(p, pane); },
          [&](const TMartingaleParams& p) { ShowMartingale(p, pane, host); },
          [&](const TPoolParams& p) { GenerateRandomPool(*lottery, p, pane, host); },
          [&](const TDeviationParams& p) { ShowDeviation(p, pane); },
          [&](const TPastMatchesSourceParams& p) { ShowPastMatchesSource(p, pane); },
          [&](const TPastMatchesParams& p) { ShowPastMatches(*lottery, p, pane, host); },
          [&](const TPastMatchesHistoryParams& p) { ShowPastMatchesHistory(*lottery, p, pane); },
      },
      params);
}

TCharts ReportCharts(const TLottery* lottery, const TReportParams& params) {
  if (const auto* range = std::get_if<TRangeStatParams>(&params)) return {RangeStatChart(*range)};
  if (lottery == nullptr) return {};
  const TLottery& l = *lottery;
  return std::visit(
      TOverloaded{
          [&](const THotWarmColdParams& p) { return TCharts{HotWarmColdChart(l, p)}; },
          [&](const TEvenParams& p) { return TCharts{EvenChart(l, p)}; },
          [&](const TConsecutiveParams& p) { return TCharts{ConsecutiveChart(l, p)}; },
          [&](const TFirstLastBallParams& p) { return FirstLastBallCharts(l, p); },
          [&](const TSumParams& p) { return TCharts{SumChart(l, p)}; },
          [&](const TSumForBetsParams& p) { return TCharts{SumForBetsChart(l, p)}; },
          [&](const TRepeatsParams& p) { return TCharts{RepeatsChart(l, p)}; },
          [&](const TIntervalsParams& p) { return IntervalsCharts(l, p); },
          [&](const TSliceParams& p) { return SliceCharts(l, p); },
          [](const auto&) { return TCharts{}; },
      },
      params);
}
