#include "Intervals.h"

#include <algorithm>

#include "core/NumberList.h"
#include "core/Settings.h"
#include "stats/Frequency.h"
#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator(110, u'-');

}  // namespace

iArray IntervalBalls(const QString& text, int maxBall) {
  // Ranges stop at MaxBall before they are listed; numbers beyond it are dropped.
  iArray balls = ParseNumberList(text, nullptr, std::max(maxBall, 0));
  std::erase_if(balls, [maxBall](int32_t ball) { return ball < 1 || ball > maxBall; });
  return balls;
}

QString CanonicalInterval(const QString& text, int maxBall) {
  return FormatNumberList(IntervalBalls(text, maxBall));
}

iArray IntervalWinHistory(const TLottery& lottery, const iArray& interval, int64_t d, int history) {
  iArray wins;
  if (history <= 0) return wins;
  std::vector<bool> in(256, false);
  for (const int32_t ball : interval)
    if (ball >= 0 && ball < 256) in[static_cast<size_t>(ball)] = true;
  wins.reserve(static_cast<size_t>(history));
  for (int k = 0; k < history; ++k) {
    int win = 0;
    for (const int32_t ball : lottery.DrawBallsView(d - k))
      win += ball >= 0 && ball < 256 && in[static_cast<size_t>(ball)];
    wins.push_back(win);
  }
  return wins;
}

void PrintWinTables(TReportPane& pane, const iArray& wins, const QString& title,
                    std::optional<int> winT, bool markov, QChar decimalSeparator) {
  PrintFrequencyTable(pane, wins,
                      {.TableTitle = title,
                       .ValueTitle = u"Win"_s,
                       .SortSteps = false,
                       .PrintSeries = true,
                       .SelectRed = winT ? iArray{*winT} : iArray{}},
                      decimalSeparator);
  if (!markov) return;
  pane.AddLine(QString());
  PrintMarkovTable(pane, wins,
                   {.TableTitle = u"Таблица Маркова (Markov Table)."_s,
                    .NameMaster = u"Previous"_s,
                    .NameSlave = u"Next"_s,
                    .ShowNext = {.Show = true},
                    .ShowWin = {.Show = winT.has_value(), .Value = winT.value_or(0)}});
  pane.AddLine(QString());
}

void ShowIntervalsReport(const TLottery& lottery, const TIntervalsParams& params,
                         TReportPane& pane) {
  const int64_t T = params.NextTira;
  const int H = std::clamp(params.History, kIntervalsHistoryMin, kIntervalsHistoryMax);
  const iArray drawT = lottery.DrawBalls(params.NextTira);
  const bool known = !drawT.empty();
  const int width = lottery.MaxBall >= 100 ? 4 : 3;  // three-digit balls would run together
  pane.Clear();
  pane.AddLine(u"Интервалы Шаров. Тираж # "_s + QString::number(T));
  pane.AddLine(QString());
  pane.AddLine(kSeparator);
  pane.AddLine(QString());
  for (int k = 1; k <= kIntervalCount; ++k) {
    const iArray interval =
        IntervalBalls(params.Texts[static_cast<size_t>(k - 1)], lottery.MaxBall);
    if (interval.empty()) continue;
    const QString head = u"\"Интервал (Interval) "_s + IntPadLeft(2, k) + u"\":     "_s;
    QString balls;
    for (const int32_t ball : interval) balls += IntPadLeft(width, ball);
    const int line = pane.AddLine(head + balls);
    HighlightNumbers(drawT, line, static_cast<int>(head.size()), balls, clRed, pane);
    const int winT = CountCommon(drawT, interval);
    pane.AddLine(u"Win.Total:  "_s + QString::number(winT) + u'.' +
                 QString::number(interval.size()));
    pane.AddLine(QString());
    pane.AddLine(QString(29, u' ') + u"<-- <-- # "_s + QString::number(T - 1) + u" - "_s +
                 QString::number(T - H) + u". История Win (Win History)"_s);
    const iArray wins = IntervalWinHistory(lottery, interval, T - 1, H);
    QString history = u"Интервал (Interval) "_s + IntPadLeft(2, k) + u":    "_s;
    for (const int32_t win : wins) history += IntPadLeft(3, win);
    pane.AddLine(history);
    pane.AddLine(QString());
    pane.AddLine(QString());
    PrintWinTables(pane, wins, u"Частота выигрышей (Win) в интервале."_s,
                   known ? std::optional(winT) : std::nullopt, params.Markov,
                   params.DecimalSeparator);
    pane.AddLine(QString());
    pane.AddLine(kSeparator);
    pane.AddLine(QString());
  }
}

TCharts IntervalsCharts(const TLottery& lottery, const TIntervalsParams& params) {
  const int H = std::clamp(params.History, kIntervalsHistoryMin, kIntervalsHistoryMax);
  const iArray drawT = lottery.DrawBalls(params.NextTira);
  TCharts charts;
  for (int k = 1; k <= kIntervalCount; ++k) {
    const iArray interval =
        IntervalBalls(params.Texts[static_cast<size_t>(k - 1)], lottery.MaxBall);
    if (interval.empty()) continue;
    charts.push_back(SeriesChart(
        u"Интервал (Interval) "_s + IntPadLeft(2, k), params.NextTira,
        IntervalWinHistory(lottery, interval, int64_t{params.NextTira} - 1, H),
        drawT.empty() ? std::nullopt : std::optional<int64_t>(CountCommon(drawT, interval))));
  }
  return charts;
}

TIntervalTexts LoadIntervalSet(const TSettings& settings, int set) {
  TIntervalTexts texts;
  for (int k = 1; k <= kIntervalCount; ++k)
    texts[static_cast<size_t>(k - 1)] =
        settings.ReadSettingAt(IntervalSetKeyPath(set), IntervalValueName(k));
  return texts;
}

void SaveIntervalSet(TSettings& settings, int set, const TIntervalTexts& texts) {
  for (int k = 1; k <= kIntervalCount; ++k)
    settings.WriteSettingAt(IntervalSetKeyPath(set), IntervalValueName(k),
                            texts[static_cast<size_t>(k - 1)]);
}
