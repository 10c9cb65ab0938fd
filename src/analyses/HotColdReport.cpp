#include "analyses/HotColdReport.h"

#include <algorithm>
#include <array>

#include "core/Lottery.h"
#include "stats/Frequency.h"
#include "stats/HotWarmCold.h"
#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes = QString(81, u'-');

// The row labels of the three classes, hot, warm, cold.
const std::array<QString, 3> kClassLabels = {u"Горячие   (Hot):"_s, u"Теплые   (Warm):"_s,
                                             u"Холодные (Cold):"_s};
const std::array<QString, 3> kMarkovTitles = {u"Цепи Маркова. Горячие Шары."_s,
                                              u"Цепи Маркова. Теплые Шары."_s,
                                              u"Цепи Маркова. Холодные Шары."_s};

// Win padded to 2, a full stop, Total; the whole at least 5 characters.
QString Cell(int win, int total) {
  return PadRight(5, IntPadLeft(2, win) + u'.' + QString::number(total));
}

QString BallsText(const iArray& balls) {
  QString text;
  for (int32_t ball : balls) text += QString::number(ball) + u' ';
  return text;
}

// The per-draw values of the history, newest first: element i belongs to draw T − 1 − i.
struct THistory {
  std::array<iArray, 3> Totals;
  std::array<iArray, 3> Wins;
  iArray Codes;
};

}  // namespace

void ShowHotWarmColdReport(const TLottery& lottery, const THotWarmColdParams& params,
                           TReportPane& pane) {
  pane.Clear();
  const int64_t t = params.NextTira;
  const int history = std::clamp(params.History, kHotColdHistoryMin, kHotColdHistoryMax);
  const int okno = std::clamp(params.Okno, kHotColdOknoMin, kHotColdOknoMax);
  const iArray drawBalls = lottery.DrawBalls(params.NextTira);

  // The classes for T, then one step back per history draw: the window at d holds the
  // classes valid for d.
  THotWarmColdWindow window(lottery, params.NextTira);
  const THotWarmCold classes = window.Classes();
  const std::array<int, 3> winsT = window.Wins(drawBalls);
  const std::array<int, 3> totalsT = {window.Total(THotWarmColdWindow::Hot),
                                      window.Total(THotWarmColdWindow::Warm),
                                      window.Total(THotWarmColdWindow::Cold)};

  THistory series;
  for (auto* list : {&series.Totals, &series.Wins})
    for (iArray& values : *list) values.reserve(static_cast<size_t>(history));
  series.Codes.reserve(static_cast<size_t>(history));
  for (int i = 0; i < history; ++i) {
    window.StepBack();
    const std::array<int, 3> wins = window.WinsOfDraw(window.Draw());
    for (size_t c = 0; c < 3; ++c) {
      series.Totals[c].push_back(window.Total(static_cast<THotWarmColdWindow::TClass>(c)));
      series.Wins[c].push_back(wins[c]);
    }
    series.Codes.push_back(WinCodeToNumber({wins[0], wins[1], wins[2]}));
  }

  // The analysed draw.
  pane.AddLine(u"Горячие, Теплые и Холодные Шары."_s);
  pane.AddLine(QString());
  pane.AddLine(QString(25, u' ') + u"Win.Total     Шары для тиража #"_s + QString::number(t));
  const std::array<const iArray*, 3> classBalls = {&classes.Hot, &classes.Warm, &classes.Cold};
  for (size_t c = 0; c < 3; ++c) {
    const QString head =
        kClassLabels[c] + QString(10, u' ') + Cell(winsT[c], totalsT[c]) + u"  ...   "_s;
    const QString balls = BallsText(*classBalls[c]);
    const int line = pane.AddLine(head + balls);
    HighlightNumbers(drawBalls, line, static_cast<int>(head.size()), balls, clRed, pane);
  }
  pane.AddLine(QString());
  pane.AddLine(QString());

  // The history, Win.Total per draw.
  const QString range = QString::number(t - 1) + u" - "_s + QString::number(t - history);
  pane.AddLine(kDashes);
  pane.AddLine(QString(29, u' ') + u"<-- <-- # "_s + range + u". История (History) Win.Total"_s);
  for (size_t c = 0; c < 3; ++c) {
    QString line = kClassLabels[c] + QString(12, u' ');
    line.reserve(line.size() + 7 * static_cast<qsizetype>(history));
    for (int i = 0; i < history; ++i)
      line +=
          Cell(series.Wins[c][static_cast<size_t>(i)], series.Totals[c][static_cast<size_t>(i)]) +
          u"  "_s;
    pane.AddLine(line);
  }
  pane.AddLine(QString());

  if (params.Markov) {
    pane.AddLine(QString());
    pane.AddLine(QString());
    pane.AddLine(kDashes);
    const bool known = !drawBalls.empty();
    for (size_t c = 0; c < 3; ++c) {
      if (c > 0) {
        pane.AddLine(QString());
        pane.AddLine(kDashes);
      }
      PrintMarkovTable(pane, series.Totals[c], series.Wins[c],
                       {.TableTitle = kMarkovTitles[c],
                        .NameMaster = u"Total"_s,
                        .NameSlave = u"Win"_s,
                        .ShowNext = {.Show = true, .Value = totalsT[c]},
                        .ShowWin = {.Show = true, .Value = known ? winsT[c] : -1}});
    }
  }

  if (params.WinCode) {
    pane.AddLine(QString());
    pane.AddLine(QString());
    pane.AddLine(kDashes);
    pane.AddLine(u"ВинКоды (WinCode)"_s);
    pane.AddLine(QString(29, u' ') + u"<-- <-- # "_s + range + u". История (History) Win"_s);
    for (size_t c = 0; c < 3; ++c) {
      QString line = kClassLabels[c] + QString(11, u' ');
      line.reserve(line.size() + 3 * static_cast<qsizetype>(history));
      for (int32_t win : series.Wins[c]) line += IntPadLeft(3, win);
      pane.AddLine(line);
    }
    pane.AddLine(QString());
    PrintFrequencyTable<TFrequencyWinCode>(pane, series.Codes,
                                           {.TableTitle = u"Частота выпадения ВинКодов:"_s,
                                            .ValueTitle = u"WinCode"_s,
                                            .PrintSeries = true},
                                           params.DecimalSeparator);
    pane.AddLine(QString());
  }

  if (params.FrequencyTable) {
    pane.AddLine(QString());
    pane.AddLine(QString());
    pane.AddLine(kDashes);
    const int newest = static_cast<int>(std::max<int64_t>(t - 1, INT32_MIN));
    PrintFrequencyTable(pane, BallsOfDraws(lottery, newest, okno, false),
                        {.TableTitle = u"Частота выпадения Шаров:"_s,
                         .ValueTitle = u"Шар"_s,
                         .DelZero = false,
                         .Sort = params.Sort,
                         .PrintFreqOrder = true,
                         .InsertSpace = 10,
                         .SelectRed = drawBalls},
                        params.DecimalSeparator);
  }

  pane.AddLine(QString());
  pane.AddLine(QString());
  pane.AddLine(kDashes);
}

TChartModel HotWarmColdChart(const TLottery& lottery, const THotWarmColdParams& params) {
  TChartModel chart;
  chart.Title = u"Горячие / Теплые / Холодные (Hot / Warm / Cold)"_s;
  chart.Legend = {{kChartHot, u"Горячие (Hot)"_s},
                  {kChartWarm, u"Теплые (Warm)"_s},
                  {kChartCold, u"Холодные (Cold)"_s}};
  const int t = params.NextTira;
  const THotWarmCold classes = ClassifyHotWarmCold(lottery, t);
  const int window = HotLongWindow(HotWindow(lottery.BallsInDraw, lottery.MaxBall));
  for (int ball = 1; ball <= lottery.MaxBall; ++ball) {
    chart.BarValues.push_back(ball);
    chart.Bars.push_back(CountDrawsWithBall(lottery, ball, t - 1, window));
    auto in = [ball](const iArray& sorted) {
      return std::binary_search(sorted.begin(), sorted.end(), ball);
    };
    chart.BarColors.push_back(in(classes.Hot)    ? kChartHot
                              : in(classes.Warm) ? kChartWarm
                                                 : kChartCold);
  }
  return chart;
}
