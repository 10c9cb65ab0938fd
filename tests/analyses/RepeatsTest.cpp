#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliRun.h"
#include "analyses/Repeats.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes(79, u'-');
const QString kSeriesHeading = u"<-- <-- Серия (Series) <-- <--"_s;

// 3 of 9, draws 1..12 (sorted): 1 5 9 | 2 3 8 | 1 2 3 | 3 6 9 | 1 2 9 | 4 6 7 | 2 5 9 | 1 3 4 |
// 5 7 9 | 1 4 8 | 2 6 7 | 3 5 8.
TLottery SmallLottery() {
  TLottery lottery;
  lottery.BallsInDraw = 3;
  lottery.MaxBall = 9;
  lottery.Tirazhi = {{1, 1, 5, 9}, {2, 2, 3, 8},  {3, 1, 2, 3},  {4, 3, 6, 9},
                     {5, 9, 1, 2}, {6, 4, 6, 7},  {7, 2, 5, 9},  {8, 1, 3, 4},
                     {9, 5, 7, 9}, {10, 1, 4, 8}, {11, 2, 6, 7}, {12, 3, 5, 8}};
  lottery.SetDrawRange();
  return lottery;
}

QString ValueLine(const QString& title, const QString& percent, int count) {
  return PadRight(70, PadRight(16, PadLeft(8, title)) + PadLeft(8, percent) + u"%   "_s +
                          IntPadLeft(4, count) + u' ' + QString(count, u'*'));
}

QString FrequencyHeading() {
  return PadRight(70, PadRight(16, PadLeft(8, u"Win"_s)) + u"     %%"_s + QString(10, u' ') +
                          u"Частота (Frequency)"_s) +
         kSeriesHeading;
}

THighlight kGreyRow(int length) { return {0, length, clLeave, clLightGrey, 0}; }

TEST(RepeatsValues, SourceGroupsOfOneAndOfSeveralDraws) {
  const TLottery lottery = SmallLottery();
  // C = 1, O = 1: the balls shared with the draw before; the first draw has no source.
  EXPECT_EQ(RepeatsOf(lottery, 3, 1, 1), (TRepeatsValue{2, 3}));
  EXPECT_EQ(RepeatsOf(lottery, 1, 1, 1), (TRepeatsValue{0, 0}));
  EXPECT_EQ(RepeatsOf(lottery, 13, 1, 1), (TRepeatsValue{0, 3}));
  // C = 2: draws 3 and 4 share ball 3, which counts once in Total.
  EXPECT_EQ(RepeatsOf(lottery, 5, 2, 1), (TRepeatsValue{3, 5}));
  // C = 3, O = 2: draw 10's group is draws 6..8 (1 2 3 4 5 6 7 9).
  EXPECT_EQ(RepeatsOf(lottery, 10, 3, 2), (TRepeatsValue{2, 8}));

  const TRepeatsSeries series = RepeatsHistory(lottery, 12, 13, 3, 2);
  EXPECT_EQ(series.Wins, (iArray{3, 2, 2, 3, 3, 2, 1, 3, 2, 1, 0, 0, 0}));
  EXPECT_EQ(series.Totals, (iArray{7, 7, 8, 7, 7, 5, 6, 6, 6, 3, 0, 0, 0}));
}

TEST(RepeatsValues, TableFilledByHandWithAFarBall) {
  TLottery lottery;
  lottery.BallsInDraw = 2;
  lottery.MaxBall = 9;
  lottery.Tirazhi = {{1, 1, 100000}, {2, 100000, 3}};
  lottery.SetDrawRange();
  const TRepeatsSeries series = RepeatsHistory(lottery, 3, 4, 1, 1);
  EXPECT_EQ(series.Wins, (iArray{0, 1, 0, 0}));
  EXPECT_EQ(series.Totals, (iArray{2, 2, 0, 0}));
}

TEST(RepeatsReport, NextDrawWithOneSourceDraw) {
  const TLottery lottery = SmallLottery();
  TRepeatsParams params;
  params.NextTira = 13;
  params.History = 12;
  TReportPane pane;
  pane.AddLine(u"an earlier report"_s);
  ShowRepeatsReport(lottery, params, pane);

  const QStringList expected = {
      u"Повторы предыдущих 1 тиражей."_s,
      QString(),
      u"                         Win.Total     Шары для тиража #13"_s,
      u"Повторы:    0.3   ...  3 5 8 "_s,
      QString(),
      kDashes,
      u"                             <-- <-- # 12 - 1. История (History) Win.Total"_s,
      u"Повторы:      0.3    0.3    0.3    0.3    0.3    0.3    0.3    1.3    1.3    2.3 "
      "   0.3    0.0   "_s,
      QString(),
      u"                             <-- <-- # 12 - 1. История (History) Win. Отступ (Indent) = 1"_s,
      u"Повторы:      0  0  0  0  0  0  0  1  1  2  0  0"_s,
      QString(),
      QString(),
      kDashes,
      u"Частота выпадения \"Повторов\"."_s,
      FrequencyHeading(),
      ValueLine(u"0"_s, u"75.00"_s, 9) + u"1111111... 11"_s,
      ValueLine(u"1"_s, u"16.67"_s, 2) + u".......11. .."_s,
      ValueLine(u"2"_s, u"8.33"_s, 1) + u".........1 .."_s,
      QString(),
      kDashes,
      u"Таблица Маркова (Markov Table)."_s,
      u"     Next |    0 |    1 |    2 |"_s,
      QString(32, u'-'),
      u"Previous  |"_s,
      u"    0     |    7 |    . |    1 |"_s,
      u"    1     |    1 |    1 |    . |"_s,
      u"    2     |    . |    1 |    . |"_s,
      QString(32, u'-'),
      QString(),
      kDashes,
  };
  EXPECT_EQ(pane.Texts(), expected);
  // The next draw is unknown: nothing red, only the row of the newest Win (0) is shaded.
  for (int i = 0; i < pane.LineCount(); ++i)
    EXPECT_EQ(pane.Spans(i),
              i == 25 ? std::vector<THighlight>{kGreyRow(32)} : std::vector<THighlight>{})
        << i;
}

TEST(RepeatsReport, DrawInsideTheHistoryWithOverlappingSourceDraws) {
  const TLottery lottery = SmallLottery();
  TRepeatsParams params;
  params.NextTira = 12;
  params.History = 11;
  params.Count = 2;
  TReportPane pane;
  ShowRepeatsReport(lottery, params, pane);

  const QStringList expected = {
      u"Повторы предыдущих 2 тиражей."_s,
      QString(),
      u"                         Win.Total     Шары для тиража #12"_s,
      u"Повторы:    1.6   ...  1 2 4 6 7 8 "_s,
      QString(),
      kDashes,
      u"                             <-- <-- # 11 - 1. История (History) Win.Total"_s,
      u"Повторы:      1.6    2.6    2.6    1.6    2.6    1.5    3.5    1.4    3.6    0.3 "
      "   0.0   "_s,
      QString(),
      u"                             <-- <-- # 11 - 1. История (History) Win. Отступ (Indent) = 1"_s,
      u"Повторы:      1  2  2  1  2  1  3  1  3  0  0"_s,
      QString(),
      QString(),
      kDashes,
      u"Частота выпадения \"Повторов\"."_s,
      FrequencyHeading(),
      ValueLine(u"0"_s, u"18.18"_s, 2) + u".........1 1"_s,
      ValueLine(u"1"_s, u"36.36"_s, 4) + u"1..1.1.1.. ."_s,
      ValueLine(u"2"_s, u"27.27"_s, 3) + u".11.1..... ."_s,
      ValueLine(u"3"_s, u"18.18"_s, 2) + u"......1.1. ."_s,
      QString(),
      kDashes,
      u"Таблица Маркова (Markov Table)."_s,
      u"     Win |    0 |    1 |    2 |    3 |"_s,
      QString(38, u'-'),
      u"Total    |"_s,
      u"    0    |    1 |    . |    . |    . |"_s,
      u"    3    |    1 |    . |    . |    . |"_s,
      u"    4    |    . |    1 |    . |    . |"_s,
      u"    5    |    . |    1 |    . |    1 |"_s,
      u"    6    |    . |    2 |    3 |    1 |"_s,
      QString(38, u'-'),
      QString(),
      kDashes,
  };
  EXPECT_EQ(pane.Texts(), expected);

  for (int i = 0; i < pane.LineCount(); ++i) {
    std::vector<THighlight> spans;
    if (i == 3) spans = {{33, 2, clRed, clWhite, fsBold}};   // ball 8 of draw 12 in the source list
    if (i == 17) spans = {{0, 70, clRed, clWhite, fsBold}};  // Win 1 of draw 12
    if (i == 30) spans = {{17, 5, clRed, clWhite, fsBold}, kGreyRow(38)};  // Total 6, Win 1
    EXPECT_EQ(pane.Spans(i), spans) << i;
  }
}

TEST(RepeatsReport, FirstDrawAndAHistoryBeforeTheTable) {
  const TLottery lottery = SmallLottery();
  TRepeatsParams params;
  params.NextTira = 1;
  params.History = 3;
  TReportPane pane;
  ShowRepeatsReport(lottery, params, pane);
  const QStringList lines = pane.Texts();
  EXPECT_EQ(lines[3], u"Повторы:    0.0   ...  "_s);
  EXPECT_EQ(lines[6],
            u"                             <-- <-- # 0 - -2. История (History) Win.Total"_s);
  EXPECT_EQ(lines[7], u"Повторы:      0.0    0.0    0.0   "_s);
  EXPECT_EQ(lines[10], u"Повторы:      0  0  0"_s);
  EXPECT_EQ(lines[16], ValueLine(u"0"_s, u"100.00"_s, 3) + u"111"_s);
  // Draw 1 is known, its Win 0 is marked in both tables.
  EXPECT_EQ(pane.Spans(16), (std::vector<THighlight>{{0, 70, clRed, clWhite, fsBold}}));
  EXPECT_EQ(lines[23], u"    0     |    2 |"_s);
  EXPECT_EQ(pane.Spans(23),
            (std::vector<THighlight>{{11, 5, clRed, clWhite, fsBold}, kGreyRow(18)}));
  EXPECT_TRUE(pane.Spans(3).empty());

  // Values outside the panel ranges are clamped: C 500 → 99, O 0 → 1, H 0 → 1.
  params.NextTira = 13;
  params.History = 0;
  params.Count = 500;
  params.Otstup = 0;
  ShowRepeatsReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(0), u"Повторы предыдущих 99 тиражей."_s);
  EXPECT_EQ(pane.Line(3), u"Повторы:    0.9   ...  1 2 3 4 5 6 7 8 9 "_s);
  EXPECT_EQ(pane.Line(7), u"Повторы:      3.9   "_s);
}

TEST(RepeatsReport, CliOnTheSampleFile) {
  const TCliRun run = RunCli({u"report"_s, u"repeats"_s, Example(u"5x36 sample.txt"_s), u"--draw"_s,
                              u"400"_s, u"--history"_s, u"3"_s, u"--format"_s, u"json"_s});
  EXPECT_EQ(run.Code, 0);
  const QJsonArray lines = QJsonDocument::fromJson(run.Out.toUtf8()).object()[u"lines"_s].toArray();
  ASSERT_GT(lines.size(), 10);
  // Draw 400 (2 7 4 23 30) after draw 399 (5 25 7 6 20): ball 7 repeats.
  const QJsonObject line4 = lines[3].toObject();
  EXPECT_EQ(line4[u"text"_s].toString(), u"Повторы:    1.5   ...  5 6 7 20 25 "_s);
  const QJsonArray spans = line4[u"spans"_s].toArray();
  ASSERT_EQ(spans.size(), 1);
  EXPECT_EQ(spans[0].toObject()[u"col"_s].toInt(), 27);
  EXPECT_EQ(spans[0].toObject()[u"len"_s].toInt(), 2);
  EXPECT_EQ(spans[0].toObject()[u"color"_s].toString(), u"#ff0000"_s);
  // 399 after 398: none; 398 (34 13 10 18 24) after 397 (16 34 13 27 12): 13 and 34.
  EXPECT_EQ(lines[7].toObject()[u"text"_s].toString(), u"Повторы:      0.5    2.5    0.5   "_s);
  EXPECT_EQ(lines[10].toObject()[u"text"_s].toString(), u"Повторы:      0  2  0"_s);

  EXPECT_EQ(
      RunCli({u"report"_s, u"repeats"_s, Example(u"5x36 sample.txt"_s), u"--count"_s, u"many"_s})
          .Code,
      2);
}

}  // namespace
