#include "analyses/FirstLastSum.h"

#include <QString>
#include <algorithm>
#include <limits>

#include "core/Lottery.h"
#include "stats/Frequency.h"

using namespace Qt::StringLiterals;

int FirstBall(std::span<const int32_t> balls) {
  return balls.empty() ? 0 : *std::min_element(balls.begin(), balls.end());
}

int LastBall(std::span<const int32_t> balls) {
  return balls.empty() ? 0 : *std::max_element(balls.begin(), balls.end());
}

int SumOfBalls(std::span<const int32_t> balls) {
  int64_t sum = 0;
  for (int32_t ball : balls) sum += ball;
  return static_cast<int>(
      std::clamp<int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int FirstBall(const TLottery& lottery, int draw) { return FirstBall(lottery.DrawBalls(draw)); }
int LastBall(const TLottery& lottery, int draw) { return LastBall(lottery.DrawBalls(draw)); }
int SumOfBalls(const TLottery& lottery, int draw) { return SumOfBalls(lottery.DrawBalls(draw)); }

int SumForBetsHit(int sum, int level, bool high) {
  return (high ? sum >= level : sum <= level) ? 1 : 0;
}

namespace {

const QString kHyphens79(79, u'-');
const QString kEquals79(79, u'=');

// A draw number computed from T may leave the int range; such a draw has no balls.
iArray BallsOf(const TLottery& lottery, int64_t draw) {
  if (draw < std::numeric_limits<int>::min() || draw > std::numeric_limits<int>::max()) return {};
  return lottery.DrawBalls(static_cast<int>(draw));
}

// S[i] = value of draw T − 1 − i, i = 0 … H − 1.
template <typename TValue>
iArray HistorySeries(const TLottery& lottery, int64_t T, int H, TValue value) {
  iArray series;
  series.reserve(static_cast<size_t>(H));
  for (int i = 0; i < H; ++i) series.push_back(value(BallsOf(lottery, T - 1 - i)));
  return series;
}

int ClampHistory(int history) {
  return std::clamp(history, kFirstLastSumHistoryMin, kFirstLastSumHistoryMax);
}

// "<-- <-- # T−1 - T−H. История (History)", 29 spaces first.
QString HistoryLine(int64_t T, int H) {
  return u"                             <-- <-- # "_s + QString::number(T - 1) + u" - "_s +
         QString::number(T - H) + u". История (History)"_s;
}

// The value of the analysed draw, or "???" when it is below 1 (the draw is not in the table).
QString ValueOrUnknown(int value) { return value >= 1 ? QString::number(value) : u"???"_s; }

iArray RedWhenKnown(int value) { return value >= 1 ? iArray{value} : iArray{}; }

// One section of the first/last report: lines 1 … 11 (or 12 … 23 after the blank pair).
void FirstLastSection(const TLottery& lottery, const TFirstLastBallParams& params, int64_t T, int H,
                      bool last, TReportPane& pane) {
  auto value = [last](const iArray& balls) { return last ? LastBall(balls) : FirstBall(balls); };
  const int valueOfT = value(BallsOf(lottery, T));
  pane.AddLine(kEquals79);
  pane.AddLine(QString());
  pane.AddLine((last ? u"Последний шар тиража #"_s : u"Первый шар тиража #"_s) +
               QString::number(T) + u" : "_s + ValueOrUnknown(valueOfT));
  pane.AddLine(QString());
  pane.AddLine(kHyphens79);
  pane.AddLine(HistoryLine(T, H));
  const iArray series = HistorySeries(lottery, T, H, value);
  pane.AddLine((last ? u"Последний Шар (Last Ball): "_s : u"Первый Шар (First Ball):   "_s) +
               NumbersToText(3, series));
  pane.AddLine(QString());
  pane.AddLine(QString());

  PrintFrequencyTable(pane, series,
                      {.TableTitle = last ? u"Частота выпадения Последнего Шара."_s
                                          : u"Частота выпадения Первого Шара."_s,
                       .ValueTitle = u"Шар"_s,
                       .Sort = params.Sort,
                       .PrintSeries = params.Series,
                       .PrintFreqOrder = true,
                       .SelectRed = RedWhenKnown(valueOfT)},
                      params.DecimalSeparator);
}

}  // namespace

void ShowFirstLastBallReport(const TLottery& lottery, const TFirstLastBallParams& params,
                             TReportPane& pane) {
  const int64_t T = params.NextTira;
  const int H = ClampHistory(params.History);
  pane.Clear();
  pane.AddLine(QString());
  FirstLastSection(lottery, params, T, H, false, pane);
  pane.AddLine(QString());
  pane.AddLine(QString());
  FirstLastSection(lottery, params, T, H, true, pane);
}

void ShowSumReport(const TLottery& lottery, const TSumParams& params, TReportPane& pane) {
  const int64_t T = params.NextTira;
  const int H = ClampHistory(params.History);
  auto sum = [](const iArray& balls) { return SumOfBalls(balls); };
  pane.Clear();
  pane.AddLine(u"Сумма Шаров тиража # "_s + QString::number(T - kSumListedDraws) + u'-' +
               QString::number(T - 1));
  pane.AddLine(QString());
  pane.AddLine(u"Тираж        Шары   "_s + QString(5 * std::max(lottery.BallsInDraw, 0), u' ') +
               u"  Сумма"_s);
  for (int64_t d = T - kSumListedDraws; d < T; ++d) {
    iArray balls = BallsOf(lottery, d);
    ArraySort(balls, 1);
    pane.AddLine(IntPadLeft(6, d) + u"    "_s + NumbersToText(5, balls) + QString(12, u' ') +
                 IntPadLeft(4, SumOfBalls(balls)));
  }
  pane.AddLine(QString());
  const int sumOfT = SumOfBalls(BallsOf(lottery, T));
  pane.AddLine(u"Сумма Шаров в следующем тираже # "_s + QString::number(T) + u": "_s +
               ValueOrUnknown(sumOfT));
  pane.AddLine(QString());
  pane.AddLine(kHyphens79);
  pane.AddLine(HistoryLine(T, H));
  const iArray series = HistorySeries(lottery, T, H, sum);
  pane.AddLine(u"Сумма Шаров (Sum):         "_s + NumbersToText(0, series));
  for (int i = 0; i < 4; ++i) pane.AddLine(QString());

  PrintFrequencyTable(pane, series,
                      {.TableTitle = u"Частота выпадения \"Сумма Шаров тиража\"."_s,
                       .ValueTitle = u"Сумма"_s,
                       .Sort = params.Sort,
                       .PrintSeries = true,
                       .PrintFreqOrder = true,
                       .SelectRed = RedWhenKnown(sumOfT)},
                      params.DecimalSeparator);
}

void ShowSumForBetsReport(const TLottery& lottery, const TSumForBetsParams& params,
                          TReportPane& pane) {
  const int64_t T = params.NextTira;
  const int H = ClampHistory(params.History);
  const iArray sums =
      HistorySeries(lottery, T, H, [](const iArray& balls) { return SumOfBalls(balls); });
  iArray hits;
  hits.reserve(sums.size());
  for (int32_t s : sums) hits.push_back(SumForBetsHit(s, params.Level, params.High));
  const QString range = QString::number(T - 1) + u" - "_s + QString::number(T - H) + u')';

  pane.Clear();
  pane.AddLine(u"The \"Sum For Bets\" analisys and statistic for the draws # "_s +
               QString::number(T - H) + u'-' + QString::number(T - 1));
  pane.AddLine(QString());
  pane.AddLine(QString());
  pane.AddLine(QString(75, u'-'));
  pane.AddLine(u"The History of the \"Sum\" <-- <-- ("_s + range);
  pane.AddLine(u"Sum:            "_s + NumbersToText(0, sums));
  pane.AddLine(QString());
  pane.AddLine(u"The Win/Lost History <-- <-- ("_s + range);
  pane.AddLine(u"Win/Lost Seria: "_s + NumbersToText(0, hits));
  pane.AddLine(QString());
}

TCharts FirstLastBallCharts(const TLottery& lottery, const TFirstLastBallParams& params) {
  const int H = ClampHistory(params.History);
  return {DrawValueChart(lottery, u"Первый Шар (First Ball)"_s, params.NextTira, H,
                         [](const iArray& balls) { return FirstBall(balls); }),
          DrawValueChart(lottery, u"Последний Шар (Last Ball)"_s, params.NextTira, H,
                         [](const iArray& balls) { return LastBall(balls); })};
}

TChartModel SumChart(const TLottery& lottery, const TSumParams& params) {
  return DrawValueChart(lottery, u"Сумма Шаров (Sum)"_s, params.NextTira,
                        ClampHistory(params.History),
                        [](const iArray& balls) { return SumOfBalls(balls); });
}

TChartModel SumForBetsChart(const TLottery& lottery, const TSumForBetsParams& params) {
  return DrawValueChart(lottery, u"Sum for Bets"_s, params.NextTira, ClampHistory(params.History),
                        [&params](const iArray& balls) {
                          return SumForBetsHit(SumOfBalls(balls), params.Level, params.High);
                        });
}
