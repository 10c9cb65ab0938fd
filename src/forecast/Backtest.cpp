#include "Backtest.h"

#include <algorithm>

#include "ForecastWalk.h"

using namespace Qt::StringLiterals;

std::pair<int, int> BacktestRange(const TLottery& lottery, const TBacktestParams& params) {
  const int first = lottery.FirstTira, last = lottery.NewTira - 1;
  const int to = params.To > 0 ? std::min(params.To, last) : last;
  const int from = params.From > 0 ? std::max(params.From, first)
                                   : std::max(first, to - kBacktestDefaultDraws + 1);
  return {from, to};
}

TBacktest::TBacktest(const TLottery& lottery, TBacktestParams params)
    : m_lottery(lottery), m_params(std::move(params)) {}

bool TBacktest::Run(THost* host) {
  m_result = {};
  m_source = AvailableBalls(m_params.AvailableBalls, m_lottery.MaxBall, nullptr);
  const auto [from, to] = BacktestRange(m_lottery, m_params);
  bool cancelled = false;
  for (int draw = from; draw <= to && !cancelled; ++draw) {
    TBacktestDraw tested = TestDraw(draw, draw - from, to - from + 1, host, &cancelled);
    if (!cancelled) m_result.Draws.push_back(std::move(tested));
  }
  if (cancelled) {
    m_result = {};  // no half result
    return false;
  }
  m_result.Summary = SummarizeBacktest(m_result.Draws);
  return true;
}

TBacktestDraw TBacktest::TestDraw(int draw, int64_t index, int64_t count, THost* host,
                                  bool* cancelled) {
  iArray balls = m_lottery.DrawBalls(draw);
  std::sort(balls.begin(), balls.end());
  TMainPrognoz prognoz;
  prognoz.NextTira = draw;
  prognoz.CombiSize = m_lottery.BallsInDraw;
  prognoz.SourceRange = m_source;
  TPrognozFields fields = m_params.Fields;
  if (!prognoz.SetFilters(m_lottery, fields)) m_result.RangeCut = true;
  prognoz.Threads = m_params.Threads;
  // The walk counts the survivors' matches with the draw itself and keeps no rows; a space it
  // walks one by one keeps them, to be compared below.
  prognoz.MatchDraw = &balls;
  prognoz.StoreRows = !TForecastWalk::Takes(prognoz.CombiSize, prognoz.SourceRange);
  // The bar runs over the whole range: draw `index` of `count`, this walk's share within it.
  prognoz.Progress = [host, index, count](int64_t done, int64_t total) {
    if (host == nullptr) return true;
    const int64_t within = total > 0 ? done * 1000 / total : 0;
    return host->Progress(index * 1000 + within, count * 1000);
  };
  if (!prognoz.Walk(nullptr) ||
      (host != nullptr && !host->Progress((index + 1) * 1000, count * 1000))) {
    *cancelled = true;
    return {};
  }

  TBacktestDraw result;
  result.Draw = draw;
  result.Total = prognoz.NumCombTotal;
  result.Filtered = prognoz.NumCombFiltered;
  result.Filters = prognoz.FiltersStatistics;

  // The real draw through the same chain, with counters of its own: the first filter that
  // denies it is the one whose denied count moved.
  prognoz.FiltersStatistics = {};
  const bool passes = prognoz.TestCombi(balls);
  const bool available = std::ranges::all_of(
      balls, [&](int32_t ball) { return SortedContains(prognoz.SourceRange, ball); });
  result.Hit = passes && available;
  if (!passes)
    for (const int filter : kBacktestFilters)
      if (prognoz.FiltersStatistics[static_cast<size_t>(filter)].Denied > 0) {
        result.RejectedBy = filter;
        break;
      }

  if (!prognoz.Matches.empty()) {
    result.Matches = iArray(prognoz.Matches.begin(), prognoz.Matches.end());
  } else if (prognoz.PrognozTable.RowCount() == prognoz.NumCombFiltered) {
    // Walked one by one: every stored survivor against the draw.
    bool drawn[256] = {};
    for (const int32_t ball : balls)
      if (ball >= 0 && ball < 256) drawn[ball] = true;
    iArray matches(static_cast<size_t>(m_lottery.BallsInDraw) + 1, 0);
    for (int64_t r = 0; r < prognoz.PrognozTable.RowCount(); ++r) {
      int shared = 0;
      for (const uint8_t ball : prognoz.PrognozTable.Row(r)) shared += drawn[ball];
      ++matches[static_cast<size_t>(shared)];
    }
    result.Matches = std::move(matches);
  }
  return result;
}

TBacktestSummary SummarizeBacktest(const std::vector<TBacktestDraw>& draws) {
  TBacktestSummary summary;
  summary.Draws = static_cast<int>(draws.size());
  for (const int filter : kBacktestFilters) summary.Filters.push_back({filter, 0, 0.0});
  if (draws.empty()) return summary;
  double survivors = 0, kept = 0;
  for (const TBacktestDraw& draw : draws) {
    summary.Hits += draw.Hit;
    survivors += static_cast<double>(draw.Filtered);
    kept +=
        draw.Total > 0 ? static_cast<double>(draw.Filtered) / static_cast<double>(draw.Total) : 0.0;
    for (TBacktestFilterSummary& filter : summary.Filters) {
      const TFilterCount& count = draw.Filters[static_cast<size_t>(filter.Filter)];
      filter.Rejected += draw.RejectedBy == filter.Filter;
      const int64_t reached = count.Accepted + count.Denied;
      filter.MeanDenyShare +=
          reached > 0 ? static_cast<double>(count.Denied) / static_cast<double>(reached) : 0.0;
    }
  }
  const double n = summary.Draws;
  summary.HitRate = summary.Hits / n;
  summary.MeanSurvivors = survivors / n;
  summary.MeanKeptShare = kept / n;
  summary.Lift = summary.MeanKeptShare > 0 ? summary.HitRate / summary.MeanKeptShare : 0.0;
  for (TBacktestFilterSummary& filter : summary.Filters) filter.MeanDenyShare /= n;
  return summary;
}

void WriteBacktestReport(const TBacktestResult& result, const QString& language,
                         QChar decimalSeparator, TReportPane& pane) {
  pane.Clear();
  const bool russian = IsRussian(language);
  const TBacktestSummary& s = result.Summary;
  auto tr = [russian](const QString& rus, const QString& eng) { return russian ? rus : eng; };
  const QString range = result.Draws.empty()
                            ? QString()
                            : QString::number(result.Draws.front().Draw) + u" - "_s +
                                  QString::number(result.Draws.back().Draw);
  pane.AddLine(
      tr(u"Бэктест фильтров прогноза. Тиражи "_s, u"Backtest of the forecast filters. Draws "_s) +
      range);
  pane.AddLine(QString());
  pane.AddLine(tr(u"Тиражей проверено:          "_s, u"Draws tested:               "_s) +
               QString::number(s.Draws));
  pane.AddLine(tr(u"Тираж среди оставшихся:     "_s, u"Draw among the survivors:   "_s) +
               QString::number(s.Hits) + u" ("_s +
               DecimalText(100 * s.HitRate, 1, decimalSeparator) + u" %)"_s);
  pane.AddLine(tr(u"Среднее число оставшихся:   "_s, u"Mean survivors:             "_s) +
               DecimalText(s.MeanSurvivors, 1, decimalSeparator));
  pane.AddLine(tr(u"Средняя доля оставшихся:    "_s, u"Mean kept share:            "_s) +
               DecimalText(100 * s.MeanKeptShare, 3, decimalSeparator) + u" %"_s);
  pane.AddLine(
      tr(u"Подъём (доля попаданий / доля оставшихся): "_s, u"Lift (hit rate / kept share): "_s) +
      DecimalText(s.Lift, 3, decimalSeparator));
  pane.AddLine(QString());
  pane.AddLine(tr(u"Фильтр   отбросил тиражей   средняя доля отброшенных"_s,
                  u"Filter   draws rejected     mean deny share"_s));
  for (const TBacktestFilterSummary& filter : s.Filters)
    pane.AddLine(
        IntPadLeft(6, filter.Filter) + IntPadLeft(17, filter.Rejected) +
        PadLeft(16, DecimalText(100 * filter.MeanDenyShare, 2, decimalSeparator) + u" %"_s));
  pane.AddLine(QString());
  pane.AddLine(tr(u" Тираж       Осталось   Доля, %  Тираж  Фильтр   Совпадения 0, 1, ..."_s,
                  u"  Draw      Survivors   Kept, %  Hit    Filter   Matches 0, 1, ..."_s));
  for (const TBacktestDraw& draw : result.Draws) {
    const double share = draw.Total > 0 ? 100.0 * static_cast<double>(draw.Filtered) /
                                              static_cast<double>(draw.Total)
                                        : 0.0;
    QString line = IntPadLeft(6, draw.Draw) + IntPadLeft(15, draw.Filtered) +
                   PadLeft(10, DecimalText(share, 3, decimalSeparator)) +
                   (draw.Hit ? u"  +     "_s : u"  -     "_s) +
                   PadRight(9, draw.Hit ? QString() : QString::number(draw.RejectedBy));
    if (draw.Matches)
      for (const int32_t count : *draw.Matches) line += u' ' + QString::number(count);
    else
      line += tr(u" (не сосчитаны: больше 16 000 000 оставшихся)"_s,
                 u" (not counted: more than 16,000,000 survivors)"_s);
    pane.AddLine(line);
  }
}

TChartModel BacktestChart(const TBacktestResult& result) {
  TChartModel chart;
  chart.Title = u"Бэктест: оставшиеся комбинации (Backtest: survivors)"_s;
  for (const TBacktestDraw& draw : result.Draws) {
    if (draw.Hit) chart.HitValues.push_back(static_cast<int>(chart.Values.size()));
    chart.Draws.push_back(draw.Draw);
    chart.Values.push_back(draw.Filtered);
  }
  return chart;
}
