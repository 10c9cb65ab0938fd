#include "analyses/Repeats.h"

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

#include "stats/Frequency.h"
#include "stats/HotWarmCold.h"
#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes(79, u'-');

// A draw number moved by an offset, kept inside the int range (far outside the table either way).
int Shifted(int draw, int64_t offset) {
  return static_cast<int>(std::clamp<int64_t>(
      int64_t(draw) + offset, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Ball values beyond this are not counted in a plain array (only a table filled by hand holds
// them); the values are then found draw by draw.
constexpr int64_t kDenseBallLimit = 1 << 16;

QString Cell(const TRepeatsValue& value) {
  return PadRight(5, IntPadLeft(2, value.Win) + u'.' + QString::number(value.Total));
}

// The parameters within their bounds, T within the table.
TRepeatsParams Clamped(const TLottery& lottery, TRepeatsParams params) {
  params.NextTira = std::clamp(params.NextTira, lottery.FirstTira, lottery.NewTira);
  params.History = std::clamp(params.History, kRepeatsHistoryMin, kRepeatsHistoryMax);
  params.Count = std::clamp(params.Count, kRepeatsCountMin, kRepeatsCountMax);
  params.Otstup = std::clamp(params.Otstup, kRepeatsOtstupMin, kRepeatsOtstupMax);
  return params;
}

// Element 0 is draw T, element i draw T − i.
TRepeatsSeries SeriesFromT(const TLottery& lottery, const TRepeatsParams& clamped) {
  return RepeatsHistory(lottery, clamped.NextTira, clamped.History + 1, clamped.Count,
                        clamped.Otstup);
}

}  // namespace

TRepeatsValue RepeatsOf(const TLottery& lottery, int draw, int count, int otstup) {
  const iArray source = BallsOfDraws(lottery, Shifted(draw, -int64_t(otstup)), count, true);
  TRepeatsValue value;
  value.Total = static_cast<int>(source.size());
  value.Win = CountCommon(lottery.DrawBalls(draw), source);
  return value;
}

TRepeatsSeries RepeatsHistory(const TLottery& lottery, int newest, int length, int count,
                              int otstup) {
  TRepeatsSeries series;
  if (length <= 0) return series;
  series.Wins.reserve(static_cast<size_t>(length));
  series.Totals.reserve(static_cast<size_t>(length));
  const int64_t oldest = int64_t(newest) - length + 1;
  const int64_t C = std::max(count, 0);
  const int64_t O = otstup;

  // The span of ball values over every draw the walk reads.
  const int64_t first = std::min(oldest, oldest - O - C + 1);
  const int64_t last = std::max<int64_t>(newest, int64_t(newest) - O);
  int64_t lo = 0, hi = lottery.MaxBall;
  const int64_t firstRow =
      lottery.Tirazhi.empty() || lottery.Tirazhi.front().empty() ? 0 : lottery.Tirazhi.front()[0];
  for (int64_t d = std::max(first, firstRow);
       d <= std::min<int64_t>(last, firstRow + int64_t(lottery.Tirazhi.size()) - 1); ++d)
    for (int32_t ball : lottery.DrawBallsView(d)) {
      lo = std::min<int64_t>(lo, ball);
      hi = std::max<int64_t>(hi, ball);
    }

  if (lo < 0 || hi > kDenseBallLimit) {
    for (int64_t d = newest; d >= oldest; --d) {
      const TRepeatsValue value = RepeatsOf(lottery, static_cast<int>(d), count, otstup);
      series.Wins.push_back(value.Win);
      series.Totals.push_back(value.Total);
    }
    return series;
  }

  // A running count of every ball over the source group d − O − C + 1 … d − O: moving from d
  // to d − 1 drops draw d − O and takes in draw d − O − C.
  std::vector<int> occurrences(static_cast<size_t>(hi) + 1, 0);
  int distinct = 0;
  auto add = [&](int64_t d) {
    for (int32_t ball : lottery.DrawBallsView(d))
      if (occurrences[static_cast<size_t>(ball)]++ == 0) ++distinct;
  };
  auto drop = [&](int64_t d) {
    for (int32_t ball : lottery.DrawBallsView(d))
      if (--occurrences[static_cast<size_t>(ball)] == 0) --distinct;
  };
  for (int64_t s = newest - O; s > newest - O - C; --s) add(s);
  for (int64_t d = newest; d >= oldest; --d) {
    int win = 0;
    for (int32_t ball : lottery.DrawBallsView(d))
      win += occurrences[static_cast<size_t>(ball)] > 0 ? 1 : 0;
    series.Wins.push_back(win);
    series.Totals.push_back(distinct);
    if (C > 0 && d > oldest) {
      drop(d - O);
      add(d - O - C);
    }
  }
  return series;
}

TChartModel RepeatsChart(const TLottery& lottery, const TRepeatsParams& params) {
  const TRepeatsParams clamped = Clamped(lottery, params);
  const TRepeatsSeries all = SeriesFromT(lottery, clamped);
  const bool known = !lottery.DrawBalls(clamped.NextTira).empty();
  return SeriesChart(u"Повторы (Repeats)"_s, clamped.NextTira,
                     iArray(all.Wins.begin() + 1, all.Wins.end()),
                     known ? std::optional<int64_t>(all.Wins.front()) : std::nullopt);
}

void ShowRepeatsReport(const TLottery& lottery, const TRepeatsParams& params, TReportPane& pane) {
  pane.Clear();
  const TRepeatsParams clamped = Clamped(lottery, params);
  const int T = clamped.NextTira, H = clamped.History, C = clamped.Count, O = clamped.Otstup;
  const TRepeatsSeries all = SeriesFromT(lottery, clamped);
  const iArray ballsOfT = lottery.DrawBalls(T);
  const bool known = !ballsOfT.empty();
  const TRepeatsValue valueOfT{all.Wins.front(), all.Totals.front()};
  const iArray wins(all.Wins.begin() + 1, all.Wins.end());
  const iArray totals(all.Totals.begin() + 1, all.Totals.end());

  pane.AddLine(u"Повторы предыдущих "_s + QString::number(C) + u" тиражей."_s);
  pane.AddLine(QString());
  pane.AddLine(u"                         Win.Total     Шары для тиража #"_s + QString::number(T));
  const QString head = u"Повторы:   "_s + Cell(valueOfT) + u"  ...  "_s;
  const QString source = NumbersToText(0, BallsOfDraws(lottery, T - O, C, true));
  const int line4 = pane.AddLine(head + source);
  if (known) HighlightNumbers(ballsOfT, line4, static_cast<int>(head.size()), source, clRed, pane);
  pane.AddLine(QString());
  pane.AddLine(kDashes);

  const QString range = u"                             <-- <-- # "_s + QString::number(T - 1) +
                        u" - "_s + QString::number(T - H) + u". История (History) Win"_s;
  pane.AddLine(range + u".Total"_s);
  QString cells = u"Повторы:     "_s;
  cells.reserve(cells.size() + 7 * H);
  for (int i = 0; i < H; ++i) {
    cells += Cell({wins[static_cast<size_t>(i)], totals[static_cast<size_t>(i)]});
    cells += u"  "_s;
  }
  pane.AddLine(cells);
  pane.AddLine(QString());
  pane.AddLine(range + u". Отступ (Indent) = "_s + QString::number(O));
  QString winLine = u"Повторы:    "_s;
  winLine.reserve(winLine.size() + 3 * H);
  for (int32_t win : wins) winLine += IntPadLeft(3, win);
  pane.AddLine(winLine);
  pane.AddLine(QString());
  pane.AddLine(QString());
  pane.AddLine(kDashes);

  PrintFrequencyTable(pane, wins,
                      {.TableTitle = u"Частота выпадения \"Повторов\"."_s,
                       .ValueTitle = u"Win"_s,
                       .DelZero = false,
                       .PrintSeries = true,
                       .SelectRed = known ? iArray{valueOfT.Win} : iArray{}},
                      params.DecimalSeparator);
  pane.AddLine(QString());
  pane.AddLine(kDashes);

  TOtborMarkovTable markov{.TableTitle = u"Таблица Маркова (Markov Table)."_s,
                           .ShowNext = {.Show = true},
                           .ShowWin = {.Show = known, .Value = known ? valueOfT.Win : 0}};
  if (C == 1) {
    markov.NameMaster = u"Previous"_s;
    markov.NameSlave = u"Next"_s;
    PrintMarkovTable(pane, wins, std::move(markov));
  } else {
    markov.NameMaster = u"Total"_s;
    markov.NameSlave = u"Win"_s;
    markov.ShowNext.Value = valueOfT.Total;
    PrintMarkovTable(pane, totals, wins, std::move(markov));
  }
  pane.AddLine(QString());
  pane.AddLine(kDashes);
}
