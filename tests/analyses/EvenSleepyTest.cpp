#include <gtest/gtest.h>

#include "CliRun.h"
#include "LotteryFixtures.h"
#include "analyses/EvenSleepy.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

// Four draws of 5 of 36 in file order (not sorted). Even counts 1, 2, 1, 2; consecutive
// counts 0, 4, 1, 0.
TLottery FourDraws() {
  return MakeLottery(
      5, 36,
      {{1, 7, 9, 36, 15, 21}, {2, 35, 2, 3, 1, 36}, {3, 11, 13, 24, 25, 9}, {4, 10, 3, 5, 17, 20}});
}

const QString kHyphens79(79, u'-');
const QString kHyphens45(45, u'-');

// A listed draw that is not in the table: no balls, value 0.
QString NoDrawLine(int draw) { return IntPadLeft(6, draw) + QString(16, u' ') + u"   0"_s; }

// One value line of a frequency table: value, per cent, count, bar, padded to 70.
QString ValueLine(const QString& value, const QString& percent, int count, const QString& bar) {
  return PadRight(70, PadRight(16, PadLeft(8, value)) + PadLeft(8, percent) + u"%   "_s +
                          IntPadLeft(4, count) + u' ' + bar);
}

QString SeriesHeading(const QString& valueTitle) {
  return PadRight(
             70, PadRight(16, PadLeft(8, valueTitle)) + u"     %%          Частота (Frequency)"_s) +
         u"<-- <-- Серия (Series) <-- <--"_s;
}

THighlight Blue(int column) { return {column, 2, clBlue, clWhite, fsBold}; }
THighlight RedLine(int length) { return {0, length, clRed, clWhite, fsBold}; }
THighlight GreyLine(int length) { return {0, length, clLeave, clLightGrey, 0}; }

using TSpans = std::vector<THighlight>;

TEST(EvenSleepyValues, EvenCountAndConsecutivePairs) {
  EXPECT_EQ(EvenCount(iArray{}), 0);
  EXPECT_EQ(EvenCount(iArray{36, 1, 2, 17, 20}), 3);

  const auto sleepy = [](iArray balls) { return SleepyCount(balls, 36); };
  EXPECT_EQ(sleepy({}), 0);
  EXPECT_EQ(sleepy({3, 4, 5, 20, 30}), 2);
  EXPECT_EQ(sleepy({1, 2, 17, 35, 36}), 3);
  EXPECT_EQ(sleepy({1, 9, 17, 25, 36}), 1);                 // only the wrap
  EXPECT_EQ(sleepy({1, 2, 3, 35, 36}), 4);                  // three pairs and the wrap
  EXPECT_EQ(sleepy({2, 9, 17, 25, 36}), 0);                 // 36 without 1 is no wrap
  EXPECT_EQ(SleepyCount(iArray{1, 9, 17, 25, 35}, 35), 1);  // the wrap follows MaxBall

  EXPECT_EQ(SleepyBalls(iArray{1, 2, 3, 35, 36}, 36), (iArray{1, 1, 2, 2, 3, 35, 36, 36}));
  EXPECT_EQ(SleepyBalls(iArray{36, 3, 1, 35, 2}, 36), (iArray{1, 1, 2, 2, 3, 35, 36, 36}));
  EXPECT_EQ(SleepyBalls(iArray{5, 3, 4, 20}, 36), (iArray{3, 4, 4, 5}));
  EXPECT_EQ(SleepyBalls(iArray{}, 36), iArray{});

  // The draw forms read the balls in file order and give 0 outside the table.
  const TLottery lottery = FourDraws();
  EXPECT_EQ(SleepyCount(lottery, 2), 4);
  EXPECT_EQ(EvenCount(lottery, 2), 2);
  EXPECT_EQ(SleepyCount(lottery, 3), 1);
  EXPECT_EQ(EvenCount(lottery, 0), 0);
  EXPECT_EQ(SleepyCount(lottery, 5), 0);
}

TEST(EvenSleepyReport, EvenAtTheNextDrawWholeReport) {
  const TLottery lottery = FourDraws();
  TEvenParams params;
  params.NextTira = 5;
  params.History = 5;  // reaches draw 0, before the table
  TReportPane pane;
  pane.AddLine(u"left over"_s);
  ShowEvenReport(lottery, params, pane);

  QStringList expected = {
      u"Статистика выпадения \"Четных\" Шаров. Тиражи # -15-4"_s,
      QString(),
      u"Тираж        Шары   "_s + QString(25, u' ') + u"  Четные"_s,
  };
  for (int d = -15; d <= 0; ++d) expected << NoDrawLine(d);
  expected << u"     1       36   21   15    9    7               1"_s
           << u"     2       36   35    3    2    1               2"_s
           << u"     3       25   24   13   11    9               1"_s
           << u"     4       20   17   10    5    3               2"_s;
  // S = 2 1 2 1 0
  expected << QString() << u"Число \"Четных\" Шаров в следующем тираже #5: ???"_s << QString()
           << QString() << kHyphens79
           << u"                             <-- <-- # 4 - 0. История (History) <-- <--"_s
           << u"Четные (Even):               2  1  2  1  0"_s << QString() << QString()
           << u"Частота выпадения Четных."_s << SeriesHeading(u"Четные"_s)
           << ValueLine(u"0"_s, u"20.00"_s, 1, u"*"_s) + u"....1"_s
           << ValueLine(u"1"_s, u"40.00"_s, 2, u"**"_s) + u".1.1."_s
           << ValueLine(u"2"_s, u"40.00"_s, 2, u"**"_s) + u"1.1.."_s << QString() << kHyphens79
           << u"Таблица Маркова (Markov Table)."_s << u"     Next |    1 |    2 |"_s
           << QString(25, u'-') << u"Previous  |"_s << u"    0     |    1 |    . |"_s
           << u"    1     |    . |    2 |"_s << u"    2     |    1 |    . |"_s << QString(25, u'-')
           << QString() << kHyphens45;
  ASSERT_EQ(pane.Texts(), expected);

  // Even balls in blue, two characters from the first digit (the 2 of draw 2 with its space);
  // no red anywhere, only the Markov row of the newest value (2) shaded.
  const int first = 3 + 16;  // the line of draw 1
  for (int i = 0; i < pane.LineCount(); ++i) {
    TSpans spans;
    if (i == first) spans = {Blue(13)};
    if (i == first + 1) spans = {Blue(13), Blue(29)};
    if (i == first + 2) spans = {Blue(18)};
    if (i == first + 3) spans = {Blue(13), Blue(23)};
    if (pane.Line(i) == u"    2     |    1 |    . |"_s) spans = {GreyLine(25)};
    EXPECT_EQ(pane.Spans(i), spans) << i << ' ' << pane.Line(i).toStdString();
  }
}

TEST(EvenSleepyReport, EvenInsideTheHistoryMarksItsValueInRed) {
  const TLottery lottery = FourDraws();
  TEvenParams params;
  params.NextTira = 4;
  params.History = 3;
  params.DecimalSeparator = u',';
  TReportPane pane;
  ShowEvenReport(lottery, params, pane);
  const QStringList lines = pane.Texts();

  EXPECT_EQ(lines[0], u"Статистика выпадения \"Четных\" Шаров. Тиражи # -16-3"_s);
  EXPECT_EQ(lines[22], u"     3       25   24   13   11    9               1"_s);
  EXPECT_EQ(lines[24], u"Число \"Четных\" Шаров в следующем тираже #4:   2"_s);
  EXPECT_EQ(lines[28],
            u"                             <-- <-- # 3 - 1. История (History) <-- <--"_s);
  EXPECT_EQ(lines[29], u"Четные (Even):               1  2  1"_s);
  // S = 1 2 1; V(4) = 2 is red in the frequency table and in the Markov cell (1, 2).
  const QString two = ValueLine(u"2"_s, u"33,33"_s, 1, u"*"_s) + u".1."_s;
  const qsizetype twoLine = lines.indexOf(two);
  ASSERT_GE(twoLine, 0);
  EXPECT_EQ(lines[twoLine - 1], ValueLine(u"1"_s, u"66,67"_s, 2, u"**"_s) + u"1.1"_s);
  EXPECT_EQ(pane.Spans(int(twoLine)), TSpans{RedLine(70)});
  EXPECT_TRUE(pane.Spans(int(twoLine - 1)).empty());

  const QStringList markov = lines.mid(lines.indexOf(u"Таблица Маркова (Markov Table)."_s));
  EXPECT_EQ(markov, (QStringList{
                        u"Таблица Маркова (Markov Table)."_s, u"     Next |    1 |    2 |"_s,
                        QString(25, u'-'), u"Previous  |"_s, u"    1     |    . |    1 |"_s,
                        u"    2     |    1 |    . |"_s, QString(25, u'-'), QString(), kHyphens45}));
  const int row1 = int(lines.indexOf(u"    1     |    . |    1 |"_s));
  EXPECT_EQ(pane.Spans(row1), (TSpans{{18, 5, clRed, clWhite, fsBold}, GreyLine(25)}));
  EXPECT_TRUE(pane.Spans(row1 + 1).empty());
}

TEST(EvenSleepyReport, ConsecutiveMarksEveryBallOfAPairOnceAndTheWrap) {
  const TLottery lottery = FourDraws();
  TConsecutiveParams params;
  params.NextTira = 3;
  params.History = 4;  // longer than the two draws before T
  TReportPane pane;
  ShowConsecutiveReport(lottery, params, pane);
  const QStringList lines = pane.Texts();

  EXPECT_EQ(lines[0], u"Статистика выпадения \"Слипов\". Тиражи # -17-2"_s);
  EXPECT_EQ(lines[2], u"Тираж        Шары   "_s + QString(25, u' ') + u"   Слипы"_s);
  EXPECT_EQ(lines[3], NoDrawLine(-17));
  EXPECT_EQ(lines[21], u"     1        7    9   15   21   36               0"_s);
  EXPECT_EQ(lines[22], u"     2        1    2    3   35   36               4"_s);
  EXPECT_TRUE(pane.Spans(21).empty());
  EXPECT_EQ(pane.Spans(22), (TSpans{Blue(14), Blue(19), Blue(24), Blue(28), Blue(33)}));
  EXPECT_EQ(lines[24], u"Число \"Слипов\" в следующем тираже #3: 1"_s);  // unpadded
  EXPECT_EQ(lines[28], u"                             <-- <-- # 2 - -1. История (History)"_s);
  EXPECT_EQ(lines[29], u"Слипы (Consecutive):         4  0  0  0"_s);

  // Zeros fill the series; DelZero is off, so the values between 0 and 4 are listed, and the
  // analysed draw's value 1 is red although it never occurred.
  const qsizetype title = lines.indexOf(u"Частота выпадения Слипов."_s);
  ASSERT_GE(title, 0);
  EXPECT_EQ(lines.mid(title + 1, 6),
            (QStringList{SeriesHeading(u"Слипы"_s),
                         ValueLine(u"0"_s, u"75.00"_s, 3, u"***"_s) + u".111"_s,
                         ValueLine(u"1"_s, u"."_s, 0, u"."_s) + u"...."_s,
                         ValueLine(u"2"_s, u"."_s, 0, u"."_s) + u"...."_s,
                         ValueLine(u"3"_s, u"."_s, 0, u"."_s) + u"...."_s,
                         ValueLine(u"4"_s, u"25.00"_s, 1, u"*"_s) + u"1..."_s}));
  EXPECT_EQ(pane.Spans(int(title + 3)), TSpans{RedLine(70)});
  // The newest value 4 never precedes another: no row is shaded, no cell is red.
  const qsizetype markov = lines.indexOf(u"Таблица Маркова (Markov Table)."_s);
  EXPECT_EQ(lines.mid(markov + 1, 4),
            (QStringList{u"     Next |    0 |    4 |"_s, QString(25, u'-'), u"Previous  |"_s,
                         u"    0     |    2 |    1 |"_s}));
  for (int i = int(markov); i < pane.LineCount(); ++i) EXPECT_TRUE(pane.Spans(i).empty()) << i;
}

TEST(EvenSleepyReport, OneValueHistoryAndOutOfRangeHistory) {
  const TLottery lottery = FourDraws();
  TEvenParams params;
  params.NextTira = 1;  // the first draw: nothing before it
  params.History = 1;
  TReportPane pane;
  ShowEvenReport(lottery, params, pane);
  QStringList lines = pane.Texts();
  EXPECT_EQ(lines[0], u"Статистика выпадения \"Четных\" Шаров. Тиражи # -19-0"_s);
  EXPECT_EQ(lines[22], NoDrawLine(0));
  EXPECT_EQ(lines[24], u"Число \"Четных\" Шаров в следующем тираже #1:   1"_s);
  EXPECT_EQ(lines[29], u"Четные (Even):               0"_s);
  // One value, no pairs: the Markov table is only its frame.
  EXPECT_EQ(lines.mid(lines.size() - 7),
            (QStringList{u"Таблица Маркова (Markov Table)."_s, u"     Next |"_s, QString(11, u'-'),
                         u"Previous  |"_s, QString(11, u'-'), QString(), kHyphens45}));

  params.History = 0;  // below the spin edit's minimum: one value
  ShowEvenReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(29), u"Четные (Even):               0"_s);
  params.History = 1'000'000;  // above its maximum: 9999 values
  ShowEvenReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(28),
            u"                             <-- <-- # 0 - -9998. История (History) <-- <--"_s);
  EXPECT_EQ(pane.Line(29).size(), 27 + 3 * 9999);
}

TEST(EvenSleepyCli, EvenAndConsecutiveOfTheSampleFile) {
  const QString file = Example(u"5x36 sample.txt"_s);
  const TCliRun consecutive =
      RunCli({u"report"_s, u"consecutive"_s, file, u"--draw"_s, u"400"_s, u"--history"_s, u"3"_s});
  EXPECT_EQ(consecutive.Code, 0);
  const QStringList lines = consecutive.Lines();
  ASSERT_GT(lines.size(), 30);
  EXPECT_EQ(lines[0], u"Статистика выпадения \"Слипов\". Тиражи # 380-399"_s);
  // 392: 3 8 2 26 1 holds the run 1 2 3; 399: 5 25 7 6 20 holds 5 6 7.
  EXPECT_EQ(lines[15], u"   392        1    2    3    8   26               2"_s);
  EXPECT_EQ(lines[22], u"   399        5    6    7   20   25               2"_s);
  EXPECT_EQ(lines[24], u"Число \"Слипов\" в следующем тираже #400: 0"_s);
  EXPECT_EQ(lines[29], u"Слипы (Consecutive):         2  0  1"_s);

  const TCliRun clamped = RunCli({u"report"_s, u"even"_s, file, u"--history"_s, u"20000"_s});
  EXPECT_EQ(clamped.Code, 0);
  EXPECT_EQ(clamped.Err, u"lotrix-cli: --history 20000 is outside 1..9999; using 9999\n"_s);
  const QStringList even = clamped.Lines();
  ASSERT_GT(even.size(), 30);
  EXPECT_EQ(even[24], u"Число \"Четных\" Шаров в следующем тираже #401: ???"_s);
  EXPECT_EQ(even[28],
            u"                             <-- <-- # 400 - -9598. История (History) <-- <--"_s);

  EXPECT_EQ(RunCli({u"report"_s, u"even"_s, file, u"--history"_s, u"many"_s}).Code, 2);
}

}  // namespace
