#include "Reports.h"

#include <array>

namespace {

constexpr auto kReports = std::to_array<TReportDef>({
    {u"hot-cold", u"hot, warm and cold balls of a draw and of its history", true},
    {u"even", u"even balls per draw: recent draws, series, frequency and Markov tables", true},
    {u"consecutive",
     u"pairs of neighbouring balls per draw: recent draws, series, frequency and Markov tables",
     true},
    {u"first-last", u"the smallest and the largest ball per draw: series and frequency tables",
     true},
    {u"sum", u"the sum of the balls per draw: recent draws, series and frequency table", true},
    {u"sum-for-bets",
     u"whether each draw's sum stayed at or below (or reached) a level, as 1 and 0", true},
    {u"differences", u"gaps between neighbouring balls, their zones and difference WinCodes", true},
    {u"repeats", u"balls of each draw repeated from a group of earlier draws (Win.Total)", true},
    {u"range", u"frequency and Markov tables of any series you type", false},
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

void WriteReport(const TLottery* lottery, const TReportParams& params, TReportPane& pane) {
  std::visit(TOverloaded{
                 [&](const THotWarmColdParams& p) { ShowHotWarmColdReport(*lottery, p, pane); },
                 [&](const TEvenParams& p) { ShowEvenReport(*lottery, p, pane); },
                 [&](const TConsecutiveParams& p) { ShowConsecutiveReport(*lottery, p, pane); },
                 [&](const TFirstLastBallParams& p) { ShowFirstLastBallReport(*lottery, p, pane); },
                 [&](const TSumParams& p) { ShowSumReport(*lottery, p, pane); },
                 [&](const TSumForBetsParams& p) { ShowSumForBetsReport(*lottery, p, pane); },
                 [&](const TDifferencesParams& p) { ShowDifferencesReport(*lottery, p, pane); },
                 [&](const TRepeatsParams& p) { ShowRepeatsReport(*lottery, p, pane); },
                 [&](const TRangeStatParams& p) { ShowRangeStatistic(p, pane); },
             },
             params);
}
