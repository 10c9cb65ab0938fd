#include <gtest/gtest.h>

#include "CliRun.h"
#include "LotteryFixtures.h"
#include "analyses/Differences.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes(79, u'-');

// 3 of 9: the hot window is 30 draws, so every pool holds all draws before its draw.
// Sorted balls and differences:
//   1: 1 5 9 (4 4)   2: 2 3 8 (1 5)   3: 1 2 3 (1 1)   4: 3 6 9 (3 3)   5: 1 2 9 (1 7)
//   6: 4 6 7 (1 2)   7: 2 5 9 (3 4)   8: 1 3 4 (1 2)   9: 5 7 9 (2 2)  10: 1 4 8 (3 4)
//  11: 2 6 7 (1 4)  12: 3 5 8 (2 3)
TLottery SmallLottery() {
  return MakeLottery(3, 9,
                     {{1, 1, 5, 9},
                      {2, 2, 3, 8},
                      {3, 1, 2, 3},
                      {4, 3, 6, 9},
                      {5, 9, 1, 2},
                      {6, 4, 6, 7},
                      {7, 2, 5, 9},
                      {8, 1, 3, 4},
                      {9, 5, 7, 9},
                      {10, 1, 4, 8},
                      {11, 2, 6, 7},
                      {12, 3, 5, 8}});
}

QString ValueLine(const QString& title, const QString& percent, int count) {
  return PadRight(70, PadRight(16, PadLeft(8, title)) + PadLeft(8, percent) + u"%   "_s +
                          IntPadLeft(4, count) + u' ' + QString(count, u'*'));
}

QString Heading(const QString& valueTitle) {
  return PadRight(16, PadLeft(8, valueTitle)) + u"     %%"_s + QString(10, u' ') +
         u"Частота (Frequency)"_s;
}

// The table heading with s1 and s2 spaces (5K − 16 and 5K − 15, at least one).
QString TableHeading(int s1, int s2) {
  return u" Тираж       Шары                 "_s + QString(s1, u' ') + u"   Разницы"_s +
         QString(s2, u' ') + u"        ВинКод"_s;
}
const QString kTableHeading = TableHeading(1, 1);

QString DrawLine(const QString& prefix, const QString& code) {
  return prefix + u"   ...     "_s + code;
}

TEST(DifferencesValues, DifferencesOfADrawAndOfACombination) {
  EXPECT_EQ(DrawDifferences(iArray{3, 8, 9, 20, 33}), (iArray{1, 5, 11, 13}));
  EXPECT_EQ(DrawDifferences(iArray{20, 3, 33, 9, 8}), (iArray{1, 5, 11, 13}));
  EXPECT_EQ(DrawDifferences(iArray{1, 2, 3, 4, 5}), (iArray{1, 1, 1, 1}));
  EXPECT_TRUE(DrawDifferences(iArray{7}).empty());
  EXPECT_TRUE(DrawDifferences(iArray{}).empty());

  const int32_t combination[] = {3, 8, 9, 20, 33};
  int32_t out[4] = {-1, -1, -1, -1};
  ASSERT_EQ(DrawDifferences(std::span<const int32_t>(combination), out), 4);
  EXPECT_EQ(iArray(out, out + 4), (iArray{1, 5, 11, 13}));
  EXPECT_EQ(DrawDifferences(std::span<const int32_t>(combination, 1), out), 0);
}

TEST(DifferencesZones, WalkOfTheRunningShare) {
  // Counts 2:6 3:1 4:0 5:7 6:6 of 20. Shares .30, .35, .35, .70, 1.0: 3 brings the small zone
  // nearer to a third (|.35 − .33| < |.30 − .33|) and joins Zone1; 4 (count 0) leaves it as
  // near as before and opens Zone2; 5 reaches exactly .70 and stays in Zone2; 1 lies below the
  // pool and 7, 8 above it, so they are large gaps.
  const iArray pool = {2, 2, 2, 2, 2, 2, 3, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6};
  EXPECT_EQ(DifferenceZonesOfPool(pool, 8), (TDifferenceZones{{2, 3}, {4, 5}, {1, 6, 7, 8}}));

  // The very first value already at .60: Zone2, and there is no Zone1.
  EXPECT_EQ(DifferenceZonesOfPool({1, 1, 1, 2, 5}, 6),
            (TDifferenceZones{{}, {1}, {2, 3, 4, 5, 6}}));
  // The first value above .70 is a large gap only; the next one finds Zone2 empty and goes
  // into Zone2 and Zone3 both.
  EXPECT_EQ(DifferenceZonesOfPool({1, 1, 1, 1, 2}, 6),
            (TDifferenceZones{{}, {2}, {1, 2, 3, 4, 5, 6}}));
  // A row crossing a third while Zone2 is empty, landing above .70: Zone2 and Zone3.
  EXPECT_EQ(DifferenceZonesOfPool({4, 1, 4, 5}, 9),
            (TDifferenceZones{{1, 2, 3}, {4}, {4, 5, 6, 7, 8, 9}}));
  // No pool at all: every number is a large gap.
  EXPECT_EQ(DifferenceZonesOfPool({}, 4), (TDifferenceZones{{}, {}, {1, 2, 3, 4}}));
}

TEST(DifferencesZones, ZonesAndCodesOfDrawsOfTheTable) {
  const TLottery lottery = SmallLottery();
  // Draw 3: pool of draws 2, 1 = 1 5 4 4 (shares .25 up to 3, then .75, 1.0).
  EXPECT_EQ(PooledDifferences(lottery, 3), (iArray{1, 5, 4, 4}));
  EXPECT_EQ(DifferenceZones(lottery, 3), (TDifferenceZones{{1, 2, 3}, {4}, {4, 5, 6, 7, 8, 9}}));
  EXPECT_EQ(DifferenceWinCode(lottery, 3), (TWinCode{2, 0, 0}));
  // Draw 4: the first value (1) already holds half of the pool.
  EXPECT_EQ(DifferenceZones(lottery, 4), (TDifferenceZones{{}, {1, 2, 3}, {4, 5, 6, 7, 8, 9}}));
  EXPECT_EQ(DifferenceWinCode(lottery, 4), (TWinCode{0, 2, 0}));
  // Draw 11: 1:6 2:4 3:4 of 20; 3 reaches exactly .70 and stays in Zone2.
  EXPECT_EQ(DifferenceZones(lottery, 11), (TDifferenceZones{{1}, {2, 3}, {4, 5, 6, 7, 8, 9}}));
  EXPECT_EQ(DifferenceWinCode(lottery, 11), (TWinCode{1, 0, 1}));
  // The first draw has an empty pool; the next draw has no differences and no code.
  EXPECT_EQ(DifferenceWinCode(lottery, 1), (TWinCode{0, 0, 2}));
  EXPECT_TRUE(DifferenceWinCode(lottery, 13).empty());
  EXPECT_TRUE(DifferenceWinCode(lottery, -5).empty());

  // The running pool agrees draw by draw, and reaches before the table without codes.
  const std::vector<TWinCode> codes = DifferenceWinCodes(lottery, 13, 15);
  const std::vector<TWinCode> expected = {{},        {0, 2, 0}, {1, 0, 1}, {0, 0, 2}, {0, 2, 0},
                                          {0, 2, 0}, {0, 1, 1}, {0, 2, 0}, {0, 1, 1}, {0, 2, 0},
                                          {2, 0, 0}, {0, 0, 2}, {0, 0, 2}, {},        {}};
  EXPECT_EQ(codes, expected);
}

TEST(DifferencesZones, RunningPoolShorterThanTheHistoryAgreesDrawByDraw) {
  // 5 of 36: the pool holds the 72 draws before each draw, so the running pool drops draws
  // at its old end for most of the 400 draws.
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  ASSERT_EQ(lottery.NewTira, 401);
  const std::vector<TWinCode> codes = DifferenceWinCodes(lottery, lottery.NewTira, 400);
  ASSERT_EQ(codes.size(), 400u);
  for (int i = 0; i < 400; ++i)
    ASSERT_EQ(codes[static_cast<size_t>(i)], DifferenceWinCode(lottery, lottery.NewTira - i))
        << "draw " << lottery.NewTira - i;
}

TEST(DifferencesZones, TableFilledByHandWithAFarBall) {
  // A ball far beyond MaxBall (only possible in a table not read from a file) is counted draw by
  // draw instead of in the running pool: 99999 is a large gap, and so is every number 1..9.
  const TLottery lottery = MakeLottery(2, 9, {{1, 1, 100000}, {2, 1, 2}});
  EXPECT_EQ(DifferenceZones(lottery, 2),
            (TDifferenceZones{{}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 99999}}));
  // Draw 1 has an empty pool, so its gap 99999 lies in no zone at all: code 000.
  EXPECT_EQ(DifferenceWinCodes(lottery, 3, 3), (std::vector<TWinCode>{{}, {0, 0, 1}, {0, 0, 0}}));
}

TEST(DifferencesCodes, CodesAgainstZonesWithAndWithoutAllocation) {
  // Balls 1 2 3 4 5 of 5 of 36 with Zone1 = [1, 2]: code 400.
  const TDifferenceZones zones{{1, 2}, {3, 4, 5}, {6, 7}};
  const iArray differences = DrawDifferences(iArray{1, 2, 3, 4, 5});
  EXPECT_EQ(DifferenceWinCode(zones, differences), (TWinCode{4, 0, 0}));
  const TDifferenceZoneMap map = DifferenceZoneMap(zones);
  const int32_t combination[] = {1, 2, 3, 4, 5};
  EXPECT_EQ(DifferenceWinCodeNumber(map, combination), 400);
  EXPECT_EQ(DifferenceZoneCounts(map, combination), (std::array<int, 3>{4, 0, 0}));

  // A value in Zone2 and Zone3 counts in both digits: 1 3 5 has two differences but code 022.
  const TDifferenceZones shared{{}, {2}, {1, 2, 3}};
  EXPECT_EQ(DifferenceWinCode(shared, iArray{2, 2}), (TWinCode{0, 2, 2}));
  const int32_t twoGaps[] = {1, 3, 5};
  EXPECT_EQ(DifferenceWinCodeNumber(DifferenceZoneMap(shared), twoGaps), 22);

  // Twenty consecutive keno balls: 19 small gaps, a digit above 9, so no number form.
  int32_t keno[20];
  for (int i = 0; i < 20; ++i) keno[i] = i + 1;
  const TDifferenceZoneMap small = DifferenceZoneMap({{1}, {2}, {3}});
  EXPECT_EQ(DifferenceZoneCounts(small, keno), (std::array<int, 3>{19, 0, 0}));
  EXPECT_EQ(DifferenceWinCodeNumber(small, keno), -1);
  EXPECT_EQ(DifferenceWinCodeNumber(small, std::span<const int32_t>(keno, 1)), -1);
  EXPECT_EQ(small.ZonesOf(-1), 0);
  EXPECT_EQ(small.ZonesOf(1000), 0);
}

TEST(DifferencesReport, NextDrawWithCodeHistoryAndZones) {
  const TLottery lottery = SmallLottery();
  TDifferencesParams params;
  params.NextTira = 13;
  params.History = 12;
  params.WinCode = true;
  params.Source = true;
  TReportPane pane;
  pane.AddLine(u"an earlier report"_s);
  ShowDifferencesReport(lottery, params, pane);

  const QString seriesHeading = u"<-- <-- Серия (Series) <-- <--"_s;
  const QStringList expected = {
      u"Разницы (Difference):"_s,
      QString(),
      kTableHeading,
      DrawLine(u"     3        1    2    3  ...      1    1"_s, u"200"_s),
      DrawLine(u"     4        3    6    9  ...      3    3"_s, u"020"_s),
      DrawLine(u"     5        1    2    9  ...      1    7"_s, u"011"_s),
      DrawLine(u"     6        4    6    7  ...      1    2"_s, u"020"_s),
      DrawLine(u"     7        2    5    9  ...      3    4"_s, u"011"_s),
      DrawLine(u"     8        1    3    4  ...      1    2"_s, u"020"_s),
      DrawLine(u"     9        5    7    9  ...      2    2"_s, u"020"_s),
      DrawLine(u"    10        1    4    8  ...      3    4"_s, u"002"_s),
      DrawLine(u"    11        2    6    7  ...      1    4"_s, u"101"_s),
      DrawLine(u"    12        3    5    8  ...      2    3"_s, u"020"_s),
      QString(),
      u"ВинКод Разниц для тиража #13: ???"_s,
      QString(),
      QString(),
      kDashes,
      u"                             <-- <-- # 12 - 1. История (History) WinCode"_s,
      u"ВинКод (Win in Zone1):       0  1  0  0  0  0  0  0  0  2  0  0"_s,
      u"ВинКод (Win in Zone2):       2  0  0  2  2  1  2  1  2  0  0  0"_s,
      u"ВинКод (Win in Zone3):       0  1  2  0  0  1  0  1  0  0  2  2"_s,
      QString(),
      u"Частота выпадения ВинКодов:"_s,
      PadRight(70, Heading(u"WinCode"_s)) + seriesHeading,
      ValueLine(u"002"_s, u"25.00"_s, 3) + u"..1....... 11"_s,
      ValueLine(u"011"_s, u"16.67"_s, 2) + u".....1.1.. .."_s,
      ValueLine(u"020"_s, u"41.67"_s, 5) + u"1..11.1.1. .."_s,
      ValueLine(u"101"_s, u"8.33"_s, 1) + u".1........ .."_s,
      ValueLine(u"200"_s, u"8.33"_s, 1) + u".........1 .."_s,
      QString(),
      kDashes,
      QString(),
      kDashes,
      QString(),
      u"Частота выпадения \"Разниц\"."_s,
      PadRight(70, Heading(u"Разница"_s)),
      ValueLine(u"1"_s, u"29.17"_s, 7),
      ValueLine(u"2"_s, u"20.83"_s, 5),
      ValueLine(u"3"_s, u"20.83"_s, 5),
      ValueLine(u"4"_s, u"20.83"_s, 5),
      ValueLine(u"5"_s, u"4.17"_s, 1),
      ValueLine(u"7"_s, u"4.17"_s, 1),
      QString(),
      u"В порядке частоты выпадения: "_s,
      u"1 2 3 4 5 7 "_s,
      QString(),
      u"Разницы по Зонам:"_s,
      u"Zone1=   1"_s,
      u"Zone2=   2"_s,
      u"Zone3=   3  4  5  6  7  8  9"_s,
  };
  EXPECT_EQ(pane.Texts(), expected);
  for (int i = 0; i < pane.LineCount(); ++i) EXPECT_TRUE(pane.Spans(i).empty()) << i;
}

TEST(DifferencesReport, DrawInsideTheHistoryNearTheFirstDraw) {
  const TLottery lottery = SmallLottery();
  TDifferencesParams params;
  params.NextTira = 4;
  TReportPane pane;
  ShowDifferencesReport(lottery, params, pane);
  const QStringList expected = {
      u"Разницы (Difference):"_s,
      QString(),
      kTableHeading,
      DrawLine(u"    -6      ...  "_s, u"xxx"_s),
      DrawLine(u"    -5      ...  "_s, u"xxx"_s),
      DrawLine(u"    -4      ...  "_s, u"xxx"_s),
      DrawLine(u"    -3      ...  "_s, u"xxx"_s),
      DrawLine(u"    -2      ...  "_s, u"xxx"_s),
      DrawLine(u"    -1      ...  "_s, u"xxx"_s),
      DrawLine(u"     0      ...  "_s, u"xxx"_s),
      DrawLine(u"     1        1    5    9  ...      4    4"_s, u"002"_s),
      DrawLine(u"     2        2    3    8  ...      1    5"_s, u"002"_s),
      DrawLine(u"     3        1    2    3  ...      1    1"_s, u"200"_s),
      QString(),
      u"ВинКод Разниц для тиража #4: 020"_s,
  };
  EXPECT_EQ(pane.Texts(), expected);

  // A code history reaching before the first draw: "x" in the digit lines, "xxx" in the table.
  params.NextTira = 5;
  params.History = 6;
  params.WinCode = true;
  ShowDifferencesReport(lottery, params, pane);
  const QStringList lines = pane.Texts();
  const qsizetype at =
      lines.indexOf(u"                             <-- <-- # 4 - -1. История (History) WinCode"_s);
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines.mid(at + 1, 6), (QStringList{u"ВинКод (Win in Zone1):       0  2  0  0  x  x"_s,
                                               u"ВинКод (Win in Zone2):       2  0  0  0  x  x"_s,
                                               u"ВинКод (Win in Zone3):       0  0  2  2  x  x"_s,
                                               QString(), u"Частота выпадения ВинКодов:"_s,
                                               PadRight(70, Heading(u"WinCode"_s)) +
                                                   u"<-- <-- Серия (Series) <-- <--"_s}));
  EXPECT_EQ(lines[at + 7], ValueLine(u"xxx"_s, u"33.33"_s, 2) + u"....11"_s);
  EXPECT_EQ(lines[at + 8], ValueLine(u"002"_s, u"33.33"_s, 2) + u"..11.."_s);
}

TEST(DifferencesReport, ParametersOutsideThePanelRangeAreClamped) {
  const TLottery lottery = SmallLottery();
  TDifferencesParams params;
  params.NextTira = 99;  // beyond the next draw: the next draw
  params.History = 5000;
  params.WinCode = true;
  TReportPane pane;
  ShowDifferencesReport(lottery, params, pane);
  EXPECT_EQ(pane.Line(14), u"ВинКод Разниц для тиража #13: ???"_s);
  EXPECT_EQ(pane.Line(18),
            u"                             <-- <-- # 12 - -1987. История (History) WinCode"_s);
  EXPECT_EQ(pane.Line(19).size(), u"ВинКод (Win in Zone1):     "_s.size() + 3 * 2000);
}

TEST(DifferencesReport, CliOnTheSampleFile) {
  const TCliRun run =
      RunCli({u"report"_s, u"differences"_s, Example(u"5x36 sample.txt"_s), u"--draw"_s, u"400"_s,
              u"--history"_s, u"0"_s, u"--win-code"_s, u"--zones"_s});
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(run.Err, u"lotrix-cli: --history 0 is outside 1..2000; using 1\n"_s);
  const QStringList lines = run.Lines();
  // The earlier spelling of the option still reads.
  EXPECT_EQ(RunCli({u"report"_s, u"differences"_s, Example(u"5x36 sample.txt"_s), u"--draw"_s,
                    u"400"_s, u"--history"_s, u"1"_s, u"--wincode"_s, u"--zones"_s})
                .Out,
            run.Out);
  ASSERT_GT(lines.size(), 30);
  EXPECT_EQ(lines[2], TableHeading(9, 10));
  // Draw 399 is 5 25 7 6 20.
  EXPECT_TRUE(lines[12].startsWith(
      u"   399        5    6    7   20   25  ...      1    1    5   13   ...     "_s));
  EXPECT_TRUE(lines[14].startsWith(u"ВинКод Разниц для тиража #400: "_s));
  EXPECT_EQ(lines[18],
            u"                             <-- <-- # 399 - 399. История (History) WinCode"_s);
  EXPECT_TRUE(lines.contains(u"Разницы по Зонам:"_s));
}

}  // namespace
