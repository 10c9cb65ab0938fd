#include <gtest/gtest.h>

#include "CliRun.h"
#include "LotteryFixtures.h"
#include "analyses/FirstLastSum.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

// 5 of 36 in file order: first balls 7, 1, 9, 9; last balls 36, 36, 25, 30.
TLottery FirstLastDraws() {
  return MakeLottery(5, 36,
                     {{1, 7, 9, 36, 15, 21},
                      {2, 35, 2, 3, 1, 36},
                      {3, 11, 13, 24, 25, 9},
                      {4, 9, 30, 12, 14, 25}});
}

// 6 of 45: sums 125, 21, 125, 21.
TLottery SumDraws() {
  return MakeLottery(6, 45,
                     {{1, 45, 3, 17, 8, 22, 30},
                      {2, 1, 2, 3, 4, 5, 6},
                      {3, 30, 22, 17, 8, 3, 45},
                      {4, 6, 5, 4, 3, 2, 1}});
}

const QString kHyphens79(79, u'-');
const QString kEquals79(79, u'=');

QString ValueLine(const QString& value, const QString& percent, int count, const QString& bar) {
  return PadRight(70, PadRight(16, PadLeft(8, value)) + PadLeft(8, percent) + u"%   "_s +
                          IntPadLeft(4, count) + u' ' + bar);
}

QString Heading(const QString& valueTitle, bool series) {
  const QString heading = PadRight(
      70, PadRight(16, PadLeft(8, valueTitle)) + u"     %%          Частота (Frequency)"_s);
  return series ? heading + u"<-- <-- Серия (Series) <-- <--"_s : heading;
}

using TSpans = std::vector<THighlight>;

void ExpectNoSpans(const TReportPane& pane) {
  for (int i = 0; i < pane.LineCount(); ++i) EXPECT_TRUE(pane.Spans(i).empty()) << i;
}

TEST(FirstLastSumValues, SmallestLargestSumAndHits) {
  EXPECT_EQ(FirstBall(iArray{35, 2, 3, 1, 36}), 1);  // whatever the order
  EXPECT_EQ(LastBall(iArray{35, 2, 36, 3, 1}), 36);
  EXPECT_EQ(SumOfBalls(iArray{35, 2, 3, 1, 36}), 77);
  EXPECT_EQ(FirstBall(iArray{}), 0);
  EXPECT_EQ(LastBall(iArray{}), 0);
  EXPECT_EQ(SumOfBalls(iArray{}), 0);
  EXPECT_EQ(SumOfBalls(iArray{2'000'000'000, 2'000'000'000}), 2147483647);  // clamped

  const TLottery lottery = FirstLastDraws();
  EXPECT_EQ(FirstBall(lottery, 2), 1);
  EXPECT_EQ(LastBall(lottery, 3), 25);
  EXPECT_EQ(SumOfBalls(lottery, 4), 90);
  EXPECT_EQ(FirstBall(lottery, 5), 0);
  EXPECT_EQ(SumOfBalls(lottery, 0), 0);

  // A sum equal to the level is a hit in both directions; a zero sum is a Low hit.
  EXPECT_EQ(SumForBetsHit(82, 82, false), 1);
  EXPECT_EQ(SumForBetsHit(82, 82, true), 1);
  EXPECT_EQ(SumForBetsHit(81, 82, false), 1);
  EXPECT_EQ(SumForBetsHit(81, 82, true), 0);
  EXPECT_EQ(SumForBetsHit(83, 82, false), 0);
  EXPECT_EQ(SumForBetsHit(83, 82, true), 1);
  EXPECT_EQ(SumForBetsHit(0, 5, false), 1);
}

TEST(FirstLastSumReport, FirstLastAtTheNextDrawWholeReport) {
  const TLottery lottery = FirstLastDraws();
  TFirstLastBallParams params;
  params.NextTira = 5;
  params.History = 5;  // reaches draw 0, before the table
  TReportPane pane;
  pane.AddLine(u"left over"_s);
  ShowFirstLastBallReport(lottery, params, pane);
  const QString history = u"                             <-- <-- # 4 - 0. История (History)"_s;
  const QStringList expected = {
      QString(),
      kEquals79,
      QString(),
      u"Первый шар тиража #5 : ???"_s,
      QString(),
      kHyphens79,
      history,
      u"Первый Шар (First Ball):     9  9  1  7  0"_s,
      QString(),
      QString(),
      u"Частота выпадения Первого Шара."_s,
      Heading(u"Шар"_s, false),
      ValueLine(u"0"_s, u"20.00"_s, 1, u"*"_s),  // the draw before the table counts as 0
      ValueLine(u"1"_s, u"20.00"_s, 1, u"*"_s),
      ValueLine(u"7"_s, u"20.00"_s, 1, u"*"_s),
      ValueLine(u"9"_s, u"40.00"_s, 2, u"**"_s),
      QString(),
      u"В порядке частоты выпадения: "_s,
      u"9 0 1 7 "_s,
      QString(),
      QString(),
      kEquals79,
      QString(),
      u"Последний шар тиража #5 : ???"_s,
      QString(),
      kHyphens79,
      history,
      u"Последний Шар (Last Ball):  30 25 36 36  0"_s,
      QString(),
      QString(),
      u"Частота выпадения Последнего Шара."_s,
      Heading(u"Шар"_s, false),
      ValueLine(u"0"_s, u"20.00"_s, 1, u"*"_s),
      ValueLine(u"25"_s, u"20.00"_s, 1, u"*"_s),
      ValueLine(u"30"_s, u"20.00"_s, 1, u"*"_s),
      ValueLine(u"36"_s, u"40.00"_s, 2, u"**"_s),
      QString(),
      u"В порядке частоты выпадения: "_s,
      u"36 0 25 30 "_s,
  };
  EXPECT_EQ(pane.Texts(), expected);
  ExpectNoSpans(pane);
}

TEST(FirstLastSumReport, FirstLastInsideTheHistorySortedWithSeries) {
  const TLottery lottery = FirstLastDraws();
  TFirstLastBallParams params;
  params.NextTira = 4;
  params.History = 3;
  params.Sort = true;
  params.Series = true;
  TReportPane pane;
  ShowFirstLastBallReport(lottery, params, pane);
  const QStringList lines = pane.Texts();

  // First balls S = 9 1 7 and the first ball of draw 4 is 9: red in both places.
  EXPECT_EQ(lines[3], u"Первый шар тиража #4 : 9"_s);
  EXPECT_EQ(lines.mid(10, 9),
            (QStringList{u"Частота выпадения Первого Шара."_s, Heading(u"Шар"_s, true),
                         ValueLine(u"1"_s, u"33.33"_s, 1, u"*"_s) + u".1."_s,
                         ValueLine(u"7"_s, u"33.33"_s, 1, u"*"_s) + u"..1"_s,
                         ValueLine(u"9"_s, u"33.33"_s, 1, u"*"_s) + u"1.."_s, QString(),
                         u"В порядке частоты выпадения: "_s, u"1 7 9 "_s, QString()}));
  EXPECT_EQ(pane.Spans(14), (TSpans{{0, 70, clRed, clWhite, fsBold}}));
  EXPECT_EQ(pane.Spans(17), (TSpans{{4, 2, clRed, clWhite, fsBold}}));

  // Last balls S = 25 36 36, sorted by count; the last ball of draw 4 (30) never occurred.
  const qsizetype last = lines.indexOf(u"Последний шар тиража #4 : 30"_s);
  ASSERT_EQ(last, 22);
  EXPECT_EQ(lines.mid(last + 4),
            (QStringList{u"Последний Шар (Last Ball):  25 36 36"_s, QString(), QString(),
                         u"Частота выпадения Последнего Шара."_s, Heading(u"Шар"_s, true),
                         ValueLine(u"36"_s, u"66.67"_s, 2, u"**"_s) + u".11"_s,
                         ValueLine(u"25"_s, u"33.33"_s, 1, u"*"_s) + u"1.."_s, QString(),
                         u"В порядке частоты выпадения: "_s, u"36 25 "_s}));
  for (int i = int(last); i < pane.LineCount(); ++i) EXPECT_TRUE(pane.Spans(i).empty()) << i;
}

TEST(FirstLastSumReport, SumAtTheNextDrawWholeReport) {
  const TLottery lottery = SumDraws();
  TSumParams params;  // sorted by count, the panel's default
  params.NextTira = 5;
  params.History = 5;
  TReportPane pane;
  ShowSumReport(lottery, params, pane);

  QStringList expected = {
      u"Сумма Шаров тиража # -15-4"_s,
      QString(),
      u"Тираж        Шары   "_s + QString(30, u' ') + u"  Сумма"_s,
  };
  for (int d = -15; d <= 0; ++d) expected << IntPadLeft(6, d) + QString(16, u' ') + u"   0"_s;
  expected << u"     1        3    8   17   22   30   45             125"_s
           << u"     2        1    2    3    4    5    6              21"_s
           << u"     3        3    8   17   22   30   45             125"_s
           << u"     4        1    2    3    4    5    6              21"_s << QString()
           << u"Сумма Шаров в следующем тираже # 5: ???"_s << QString() << kHyphens79
           << u"                             <-- <-- # 4 - 0. История (History)"_s
           << u"Сумма Шаров (Sum):         21 125 21 125 0 "_s << QString() << QString()
           << QString() << QString() << u"Частота выпадения \"Сумма Шаров тиража\"."_s
           << Heading(u"Сумма"_s, true) << ValueLine(u"21"_s, u"40.00"_s, 2, u"**"_s) + u"1.1.."_s
           << ValueLine(u"125"_s, u"40.00"_s, 2, u"**"_s) + u".1.1."_s
           << ValueLine(u"0"_s, u"20.00"_s, 1, u"*"_s) + u"....1"_s << QString()
           << u"В порядке частоты выпадения: "_s << u"21 125 0 "_s;
  EXPECT_EQ(pane.Texts(), expected);
  ExpectNoSpans(pane);
}

TEST(FirstLastSumReport, SumInsideTheHistoryMarksItsValueInRed) {
  const TLottery lottery = SumDraws();
  TSumParams params;
  params.NextTira = 4;
  params.History = 3;  // S = 125 21 125, the sum of draw 4 is 21
  TReportPane pane;
  ShowSumReport(lottery, params, pane);
  QStringList lines = pane.Texts();
  EXPECT_EQ(lines[24], u"Сумма Шаров в следующем тираже # 4: 21"_s);
  EXPECT_EQ(lines.mid(lines.size() - 5),
            (QStringList{ValueLine(u"125"_s, u"66.67"_s, 2, u"**"_s) + u"1.1"_s,
                         ValueLine(u"21"_s, u"33.33"_s, 1, u"*"_s) + u".1."_s, QString(),
                         u"В порядке частоты выпадения: "_s, u"125 21 "_s}));
  EXPECT_TRUE(pane.Spans(pane.LineCount() - 5).empty());
  EXPECT_EQ(pane.Spans(pane.LineCount() - 4), (TSpans{{0, 70, clRed, clWhite, fsBold}}));
  EXPECT_EQ(pane.Spans(pane.LineCount() - 1), (TSpans{{4, 2, clRed, clWhite, fsBold}}));

  params.Sort = false;  // by value
  ShowSumReport(lottery, params, pane);
  lines = pane.Texts();
  EXPECT_EQ(lines[lines.size() - 5], ValueLine(u"21"_s, u"33.33"_s, 1, u"*"_s) + u".1."_s);
  EXPECT_EQ(pane.Spans(pane.LineCount() - 5), (TSpans{{0, 70, clRed, clWhite, fsBold}}));
}

TEST(FirstLastSumReport, SumForBetsHitsInBothDirections) {
  const TLottery lottery = SumDraws();
  TSumForBetsParams params;
  params.NextTira = 5;
  params.History = 5;  // sums 21 125 21 125 0
  params.Level = 125;
  TReportPane pane;
  ShowSumForBetsReport(lottery, params, pane);
  const QStringList expected = {
      u"The \"Sum For Bets\" analisys and statistic for the draws # 0-4"_s,
      QString(),
      QString(),
      QString(75, u'-'),
      u"The History of the \"Sum\" <-- <-- (4 - 0)"_s,
      u"Sum:            21 125 21 125 0 "_s,
      QString(),
      u"The Win/Lost History <-- <-- (4 - 0)"_s,
      u"Win/Lost Seria: 1 1 1 1 1 "_s,
      QString(),
  };
  EXPECT_EQ(pane.Texts(), expected);
  ExpectNoSpans(pane);

  params.High = true;
  ShowSumForBetsReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(8), u"Win/Lost Seria: 0 1 0 1 0 "_s);
  params.Level = 21;
  ShowSumForBetsReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(8), u"Win/Lost Seria: 1 1 1 1 0 "_s);
  params.High = false;
  ShowSumForBetsReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(8), u"Win/Lost Seria: 1 0 1 0 1 "_s);

  params.NextTira = 2;  // near the first draw
  params.History = 2;
  ShowSumForBetsReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(0), u"The \"Sum For Bets\" analisys and statistic for the draws # 0-1"_s);
  EXPECT_EQ(pane.Line(5), u"Sum:            125 0 "_s);
  EXPECT_EQ(pane.Line(8), u"Win/Lost Seria: 0 1 "_s);
}

// `report NAME` of the 5x36 sample with the options after the name.
TCliRun RunReport(const QStringList& options) {
  return RunCli(QStringList{u"report"_s, options.front(), Example(u"5x36 sample.txt"_s)} +
                options.mid(1));
}

TEST(FirstLastSumCli, SumAndSumForBetsOfTheSampleFile) {
  // 398: 34 13 10 18 24 (99), 399: 5 25 7 6 20 (63), 400: 2 7 4 23 30 (66).
  const TCliRun sum =
      RunReport({u"sum"_s, u"--draw"_s, u"400"_s, u"--history"_s, u"2"_s, u"--no-sort"_s});
  EXPECT_EQ(sum.Code, 0);
  ASSERT_GT(sum.Lines().size(), 30);
  EXPECT_EQ(sum.Lines()[22], u"   399        5    6    7   20   25              63"_s);
  EXPECT_EQ(sum.Lines()[24], u"Сумма Шаров в следующем тираже # 400: 66"_s);
  EXPECT_EQ(sum.Lines()[28], u"Сумма Шаров (Sum):         63 99 "_s);
  EXPECT_EQ(sum.Lines()[35], ValueLine(u"63"_s, u"50.00"_s, 1, u"*"_s) + u"1."_s);  // by value

  const TCliRun bets =
      RunReport({u"sum-for-bets"_s, u"--history"_s, u"3"_s, u"--level"_s, u"1000"_s});
  EXPECT_EQ(bets.Code, 0);
  EXPECT_EQ(bets.Err, u"lotrix-cli: --level 1000 is outside 5..300; using 300\n"_s);
  EXPECT_EQ(bets.Lines()[5], u"Sum:            66 63 99 "_s);
  EXPECT_EQ(bets.Lines()[8], u"Win/Lost Seria: 1 1 1 "_s);
  const TCliRun high =
      RunReport({u"sum-for-bets"_s, u"--history"_s, u"3"_s, u"--level"_s, u"66"_s, u"--high"_s});
  EXPECT_EQ(high.Lines()[8], u"Win/Lost Seria: 1 0 1 "_s);

  const TCliRun first =
      RunReport({u"first-last"_s, u"--draw"_s, u"400"_s, u"--sort"_s, u"--series"_s});
  EXPECT_EQ(first.Code, 0);
  EXPECT_EQ(first.Lines()[3], u"Первый шар тиража #400 : 2"_s);
  EXPECT_TRUE(first.Lines()[11].endsWith(u"<-- <-- Серия (Series) <-- <--"_s));
  EXPECT_EQ(RunReport({u"first-last"_s, u"--draw"_s, u"x"_s}).Code, 2);
}

}  // namespace
