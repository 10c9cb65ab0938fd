#include "analyses/EvenSleepy.h"

#include <QString>
#include <algorithm>
#include <limits>

#include "core/Lottery.h"
#include "stats/Frequency.h"
#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

int EvenCount(std::span<const int32_t> balls) {
  int count = 0;
  for (int32_t ball : balls)
    if (ball % 2 == 0) ++count;
  return count;
}

int SleepyCount(std::span<const int32_t> sortedBalls, int maxBall) {
  if (sortedBalls.empty()) return 0;
  int count = 0;
  for (size_t i = 1; i < sortedBalls.size(); ++i)
    if (int64_t(sortedBalls[i]) - sortedBalls[i - 1] == 1) ++count;
  if (sortedBalls.front() == 1 && sortedBalls.back() == maxBall) ++count;
  return count;
}

iArray SleepyBalls(std::span<const int32_t> balls, int maxBall) {
  iArray sorted(balls.begin(), balls.end());
  std::sort(sorted.begin(), sorted.end());
  iArray result;
  for (size_t i = 1; i < sorted.size(); ++i)
    if (int64_t(sorted[i]) - sorted[i - 1] == 1) {
      result.push_back(sorted[i - 1]);
      result.push_back(sorted[i]);
    }
  if (!sorted.empty() && sorted.front() == 1 && sorted.back() == maxBall) {
    result.push_back(1);
    result.push_back(maxBall);
  }
  std::sort(result.begin(), result.end());
  return result;
}

int EvenCount(const TLottery& lottery, int draw) { return EvenCount(lottery.DrawBalls(draw)); }

int SleepyCount(const TLottery& lottery, int draw) {
  iArray balls = lottery.DrawBalls(draw);
  std::sort(balls.begin(), balls.end());
  return SleepyCount(balls, lottery.MaxBall);
}

namespace {

// The two twin reports differ only in these texts and in the balls' order and marks.
struct TTwinTexts {
  QString Title;         // line 1 up to the draw range
  QString ValueHeading;  // end of the table heading
  QString NextValue;     // line 6 up to the draw number
  QString HistoryEnd;    // end of the history line
  QString SeriesTitle;   // start of the series line
  QString TableTitle;    // frequency table
  QString ValueTitle;
};

// A draw number computed from T may leave the int range; such a draw has no balls.
iArray BallsOf(const TLottery& lottery, int64_t draw) {
  if (draw < std::numeric_limits<int>::min() || draw > std::numeric_limits<int>::max()) return {};
  return lottery.DrawBalls(static_cast<int>(draw));
}

void ShowTwinReport(const TLottery& lottery, int nextTira, int history, QChar decimalSeparator,
                    bool even, const TTwinTexts& texts, TReportPane& pane) {
  const int64_t T = nextTira;
  const int H = std::clamp(history, kEvenSleepyHistoryMin, kEvenSleepyHistoryMax);
  auto value = [&](iArray balls) {
    if (even) return EvenCount(balls);
    std::sort(balls.begin(), balls.end());
    return SleepyCount(balls, lottery.MaxBall);
  };

  pane.Clear();
  pane.AddLine(texts.Title + QString::number(T - kEvenSleepyListedDraws) + u'-' +
               QString::number(T - 1));
  pane.AddLine(QString());
  pane.AddLine(u"Тираж        Шары   "_s + QString(5 * std::max(lottery.BallsInDraw, 0), u' ') +
               texts.ValueHeading);

  for (int64_t d = T - kEvenSleepyListedDraws; d < T; ++d) {
    iArray balls = BallsOf(lottery, d);
    ArraySort(balls, even ? 0 : 1);
    const QString prefix = IntPadLeft(6, d) + u"    "_s;
    QString ballsText;
    for (int32_t ball : balls) ballsText += IntPadLeft(5, ball);
    const int line =
        pane.AddLine(prefix + ballsText + QString(12, u' ') + IntPadLeft(4, value(balls)));
    iArray marked;
    if (even) {
      for (int32_t ball : balls)
        if (ball % 2 == 0) marked.push_back(ball);
    } else {
      marked = SleepyBalls(balls, lottery.MaxBall);
      ArrayUnique(marked);  // a ball in two pairs is marked once
    }
    HighlightNumbers(marked, line, static_cast<int>(prefix.size()), ballsText, clBlue, pane);
  }

  pane.AddLine(QString());
  const iArray ballsOfT = BallsOf(lottery, T);
  const bool known = !ballsOfT.empty();
  const int valueOfT = value(ballsOfT);
  QString valueText = u"???"_s;
  if (known) valueText = even ? IntPadLeft(3, valueOfT) : QString::number(valueOfT);
  pane.AddLine(texts.NextValue + QString::number(T) + u": "_s + valueText);
  pane.AddLine(QString());
  pane.AddLine(QString());
  pane.AddLine(QString(79, u'-'));
  pane.AddLine(u"                             <-- <-- # "_s + QString::number(T - 1) + u" - "_s +
               QString::number(T - H) + u". История (History)"_s + texts.HistoryEnd);

  iArray series;
  series.reserve(static_cast<size_t>(H));
  for (int i = 0; i < H; ++i) series.push_back(value(BallsOf(lottery, T - 1 - i)));
  QString seriesLine = texts.SeriesTitle;
  seriesLine += NumbersToText(3, series);
  pane.AddLine(seriesLine);
  pane.AddLine(QString());
  pane.AddLine(QString());

  PrintFrequencyTable(pane, series,
                      {.TableTitle = texts.TableTitle,
                       .ValueTitle = texts.ValueTitle,
                       .DelZero = false,
                       .PrintSeries = true,
                       .SelectRed = known ? iArray{valueOfT} : iArray{}},
                      decimalSeparator);

  pane.AddLine(QString());
  pane.AddLine(QString(79, u'-'));

  PrintMarkovTable(pane, series,
                   {.TableTitle = u"Таблица Маркова (Markov Table)."_s,
                    .NameMaster = u"Previous"_s,
                    .NameSlave = u"Next"_s,
                    .ShowNext = {.Show = true},
                    .ShowWin = {.Show = known, .Value = known ? valueOfT : 0}});

  pane.AddLine(QString());
  pane.AddLine(QString(45, u'-'));
}

}  // namespace

void ShowEvenReport(const TLottery& lottery, const TEvenParams& params, TReportPane& pane) {
  static const TTwinTexts texts{
      u"Статистика выпадения \"Четных\" Шаров. Тиражи # "_s,
      u"  Четные"_s,
      u"Число \"Четных\" Шаров в следующем тираже #"_s,
      u" <-- <--"_s,
      u"Четные (Even):             "_s,
      u"Частота выпадения Четных."_s,
      u"Четные"_s,
  };
  ShowTwinReport(lottery, params.NextTira, params.History, params.DecimalSeparator, true, texts,
                 pane);
}

void ShowConsecutiveReport(const TLottery& lottery, const TConsecutiveParams& params,
                           TReportPane& pane) {
  static const TTwinTexts texts{
      u"Статистика выпадения \"Слипов\". Тиражи # "_s,
      u"   Слипы"_s,
      u"Число \"Слипов\" в следующем тираже #"_s,
      QString(),
      u"Слипы (Consecutive):       "_s,
      u"Частота выпадения Слипов."_s,
      u"Слипы"_s,
  };
  ShowTwinReport(lottery, params.NextTira, params.History, params.DecimalSeparator, false, texts,
                 pane);
}

TChartModel EvenChart(const TLottery& lottery, const TEvenParams& params) {
  return DrawValueChart(lottery, u"Четные (Even)"_s, params.NextTira,
                        std::clamp(params.History, kEvenSleepyHistoryMin, kEvenSleepyHistoryMax),
                        [](const iArray& balls) { return EvenCount(balls); });
}

TChartModel ConsecutiveChart(const TLottery& lottery, const TConsecutiveParams& params) {
  return DrawValueChart(lottery, u"Слипы (Consecutive)"_s, params.NextTira,
                        std::clamp(params.History, kEvenSleepyHistoryMin, kEvenSleepyHistoryMax),
                        [&lottery](iArray balls) {
                          std::sort(balls.begin(), balls.end());
                          return SleepyCount(balls, lottery.MaxBall);
                        });
}
