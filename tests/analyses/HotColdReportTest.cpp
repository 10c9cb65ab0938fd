#include <gtest/gtest.h>

#include "CliRun.h"
#include "analyses/HotColdReport.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes(81, u'-');
const QString kHot = u"Горячие   (Hot):"_s;
const QString kWarm = u"Теплые   (Warm):"_s;
const QString kCold = u"Холодные (Cold):"_s;

THighlight Red(int column, int length) { return {column, length, clRed, clWhite, fsBold}; }
THighlight Grey(int length) { return {0, length, clLeave, clLightGrey, 0}; }

// 4 of 6: P = 15, long window 8 draws, short window 2. The classes of draws 9..13:
//   draw  hot      warm        cold   balls of the draw
//     9   1 3      2 4 5 6     -      1 2 4 5
//    10   1 3      2 4 5       6      2 4 5 6
//    11   1 2      3 4 5 6     -      1 2 4 6
//    12   1 2 4    5 6         3      2 4 5 6
//    13   2 4      1 5 6       3      (next draw)
TLottery SmallLottery() {
  TLottery lottery;
  lottery.BallsInDraw = 4;
  lottery.MaxBall = 6;
  lottery.Tirazhi = {{1, 1, 2, 3, 4}, {2, 3, 4, 5, 6},  {3, 1, 2, 3, 6},  {4, 1, 3, 4, 6},
                     {5, 1, 2, 3, 5}, {6, 2, 3, 4, 6},  {7, 1, 3, 5, 6},  {8, 1, 2, 3, 4},
                     {9, 1, 2, 4, 5}, {10, 2, 4, 5, 6}, {11, 1, 2, 4, 6}, {12, 2, 4, 5, 6}};
  lottery.SetDrawRange();
  return lottery;
}

// A value line of a frequency table: title, per cent, count and bar, 70 characters.
QString ValueLine(const QString& value, const QString& percent, int count, int stars) {
  const QString bar = count > 0 ? QString(stars, u'*') : u"."_s;
  return PadRight(70, PadRight(16, PadLeft(8, value)) + PadLeft(8, percent) + u"%   "_s +
                          IntPadLeft(4, count) + u' ' + bar);
}

// A line of the analysed draw: the label, ten spaces, the Win.Total cell, "  ...   ", the balls.
QString ClassLine(const QString& label, const QString& cell, const QString& balls) {
  return label + QString(10, u' ') + cell + u"  ...   "_s + balls;
}

// A history line: the label, twelve spaces, then each Win.Total cell followed by two spaces.
QString HistoryLine(const QString& label, const QStringList& cells) {
  QString line = label + QString(12, u' ');
  for (const QString& cell : cells) line += cell + u"  "_s;
  return line;
}

QString Heading(const QString& valueTitle) {
  return PadRight(70,
                  PadRight(16, PadLeft(8, valueTitle)) + u"     %%          Частота (Frequency)"_s);
}

TReportPane Report(const THotWarmColdParams& params) {
  const TLottery lottery = SmallLottery();
  TReportPane pane;
  pane.AddLine(u"left over from an earlier report"_s);
  ShowHotWarmColdReport(lottery, params, pane);
  return pane;
}

TEST(HotColdReport, NextDrawWithEverySectionShowsQuestionFreeWinZeroAndOnlyShadedRows) {
  THotWarmColdParams params;
  params.NextTira = 13;
  params.History = 4;
  params.Okno = 2;
  params.Markov = true;
  params.WinCode = true;
  params.FrequencyTable = true;
  const TReportPane pane = Report(params);

  const QString history29 = QString(29, u' ');
  const QStringList expected = {
      u"Горячие, Теплые и Холодные Шары."_s,
      QString(),
      u"                         Win.Total     Шары для тиража #13"_s,
      ClassLine(kHot, u" 0.2 "_s, u"2 4 "_s),
      ClassLine(kWarm, u" 0.3 "_s, u"1 5 6 "_s),
      ClassLine(kCold, u" 0.1 "_s, u"3 "_s),
      QString(),
      QString(),
      kDashes,
      u"                             <-- <-- # 12 - 9. История (History) Win.Total"_s,
      // Draws 12, 11, 10, 9.
      HistoryLine(kHot, {u" 2.3 "_s, u" 2.2 "_s, u" 0.2 "_s, u" 1.2 "_s}),
      HistoryLine(kWarm, {u" 2.2 "_s, u" 2.4 "_s, u" 3.3 "_s, u" 3.4 "_s}),
      HistoryLine(kCold, {u" 0.1 "_s, u" 0.0 "_s, u" 1.1 "_s, u" 0.0 "_s}),
      QString(),
      // Markov tables: Total of a draw (rows) against its Win (columns).
      QString(),
      QString(),
      kDashes,
      u"Цепи Маркова. Горячие Шары."_s,
      u"     Win |    0 |    1 |    2 |"_s,
      QString(31, u'-'),
      u"Total    |"_s,
      u"    2    |    1 |    1 |    1 |"_s,
      u"    3    |    . |    . |    1 |"_s,
      QString(31, u'-'),
      QString(),
      kDashes,
      u"Цепи Маркова. Теплые Шары."_s,
      u"     Win |    2 |    3 |"_s,
      QString(24, u'-'),
      u"Total    |"_s,
      u"    2    |    1 |    . |"_s,
      u"    3    |    . |    1 |"_s,
      u"    4    |    1 |    1 |"_s,
      QString(24, u'-'),
      QString(),
      kDashes,
      u"Цепи Маркова. Холодные Шары."_s,
      u"     Win |    0 |    1 |"_s,
      QString(24, u'-'),
      u"Total    |"_s,
      u"    0    |    2 |    . |"_s,
      u"    1    |    1 |    1 |"_s,
      QString(24, u'-'),
      // WinCodes 220, 220, 031, 130.
      QString(),
      QString(),
      kDashes,
      u"ВинКоды (WinCode)"_s,
      u"                             <-- <-- # 12 - 9. История (History) Win"_s,
      kHot + QString(11, u' ') + u"  2  2  0  1"_s,
      kWarm + QString(11, u' ') + u"  2  2  3  3"_s,
      kCold + QString(11, u' ') + u"  0  0  1  0"_s,
      QString(),
      u"Частота выпадения ВинКодов:"_s,
      Heading(u"WinCode"_s) + u"<-- <-- Серия (Series) <-- <--"_s,
      ValueLine(u"031"_s, u"25.00"_s, 1, 1) + u"..1."_s,
      ValueLine(u"130"_s, u"25.00"_s, 1, 1) + u"...1"_s,
      ValueLine(u"220"_s, u"50.00"_s, 2, 2) + u"11.."_s,
      QString(),
      // Balls of draws 12 and 11: 2 4 5 6 1 2 4 6; ball 3 has count 0 but stays listed.
      QString(),
      QString(),
      kDashes,
      u"Частота выпадения Шаров:"_s,
      Heading(u"Шар"_s),
      ValueLine(u"1"_s, u"12.50"_s, 1, 1),
      ValueLine(u"2"_s, u"25.00"_s, 2, 2),
      ValueLine(u"3"_s, u"."_s, 0, 0),
      ValueLine(u"4"_s, u"25.00"_s, 2, 2),
      ValueLine(u"5"_s, u"12.50"_s, 1, 1),
      ValueLine(u"6"_s, u"25.00"_s, 2, 2),
      QString(),
      u"В порядке частоты выпадения: "_s,
      u"2 4 6 1 5 "_s,
      QString(),
      QString(),
      kDashes,
  };
  ASSERT_EQ(pane.Texts(), expected);

  // The next draw is unknown: no red anywhere, only the row of each class's current size
  // (hot 2, warm 3, cold 1) is shaded.
  for (int i = 0; i < pane.LineCount(); ++i) {
    const QString& line = pane.Line(i);
    const bool shaded = line == u"    2    |    1 |    1 |    1 |"_s ||
                        line == u"    3    |    . |    1 |"_s ||
                        line == u"    1    |    1 |    1 |"_s;
    if (shaded)
      EXPECT_EQ(pane.Spans(i), (std::vector<THighlight>{Grey(static_cast<int>(line.size()))})) << i;
    else
      EXPECT_TRUE(pane.Spans(i).empty()) << i << ' ' << line.toStdString();
  }
}

TEST(HotColdReport, KnownDrawMarksItsBallsTheMarkovCellAndTheFrequencyLines) {
  THotWarmColdParams params;
  params.NextTira = 12;  // 2 4 5 6: hot 1 2 4, warm 5 6, cold 3
  params.History = 3;
  params.Okno = 3;
  params.Markov = true;
  params.FrequencyTable = true;
  params.Sort = true;
  params.DecimalSeparator = u',';
  const TReportPane pane = Report(params);
  const QStringList lines = pane.Texts();

  ASSERT_GE(lines.size(), 14);
  EXPECT_EQ(lines[2], u"                         Win.Total     Шары для тиража #12"_s);
  EXPECT_EQ(lines[3], ClassLine(kHot, u" 2.3 "_s, u"1 2 4 "_s));
  EXPECT_EQ(lines[4], ClassLine(kWarm, u" 2.2 "_s, u"5 6 "_s));
  EXPECT_EQ(lines[5], ClassLine(kCold, u" 0.1 "_s, u"3 "_s));
  // The ball lists start at column 39.
  EXPECT_EQ(pane.Spans(3), (std::vector<THighlight>{Red(41, 2), Red(43, 2)}));
  EXPECT_EQ(pane.Spans(4), (std::vector<THighlight>{Red(39, 2), Red(41, 2)}));
  EXPECT_TRUE(pane.Spans(5).empty());
  EXPECT_EQ(lines[9],
            u"                             <-- <-- # 11 - 9. История (History) Win.Total"_s);
  EXPECT_EQ(lines[10], HistoryLine(kHot, {u" 2.2 "_s, u" 0.2 "_s, u" 1.2 "_s}));
  EXPECT_EQ(lines[11], HistoryLine(kWarm, {u" 2.4 "_s, u" 3.3 "_s, u" 3.4 "_s}));
  EXPECT_EQ(lines[12], HistoryLine(kCold, {u" 0.0 "_s, u" 1.1 "_s, u" 0.0 "_s}));
  for (int i = 6; i <= 13; ++i) EXPECT_TRUE(pane.Spans(i).empty()) << i;

  // Hot and warm have no row of the current sizes (3 and 2): nothing is marked. Cold (size 1,
  // Win 0): the cell of column 0 in red, then the row in grey.
  const qsizetype cold = lines.indexOf(u"Цепи Маркова. Холодные Шары."_s);
  ASSERT_GE(cold, 0);
  EXPECT_EQ(lines.mid(cold + 1, 5),
            (QStringList{u"     Win |    0 |    1 |"_s, QString(24, u'-'), u"Total    |"_s,
                         u"    0    |    2 |    . |"_s, u"    1    |    . |    1 |"_s}));
  EXPECT_EQ(pane.Spans(static_cast<int>(cold) + 5),
            (std::vector<THighlight>{Red(10, 5), Grey(24)}));
  int marked = 0;
  for (int i = 14; i < cold; ++i) marked += static_cast<int>(pane.Spans(i).size());
  EXPECT_EQ(marked, 0);

  // Balls of draws 11, 10, 9 sorted by count; the balls of draw 12 in red.
  const qsizetype table = lines.indexOf(u"Частота выпадения Шаров:"_s);
  ASSERT_GE(table, 0);
  EXPECT_EQ(lines.mid(table + 2, 6),
            (QStringList{ValueLine(u"2"_s, u"25,00"_s, 3, 3), ValueLine(u"4"_s, u"25,00"_s, 3, 3),
                         ValueLine(u"1"_s, u"16,67"_s, 2, 2), ValueLine(u"5"_s, u"16,67"_s, 2, 2),
                         ValueLine(u"6"_s, u"16,67"_s, 2, 2), ValueLine(u"3"_s, u"."_s, 0, 0)}));
  for (int row : {0, 1, 3, 4})
    EXPECT_EQ(pane.Spans(static_cast<int>(table) + 2 + row), (std::vector<THighlight>{Red(0, 70)}));
  EXPECT_TRUE(pane.Spans(static_cast<int>(table) + 4).empty());
  EXPECT_TRUE(pane.Spans(static_cast<int>(table) + 7).empty());
  EXPECT_EQ(lines[table + 10], u"2 4 1 5 6 "_s);
  EXPECT_EQ(pane.Spans(static_cast<int>(table) + 10),
            (std::vector<THighlight>{Red(0, 2), Red(2, 2), Red(6, 2), Red(8, 2)}));
  EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{QString(), QString(), kDashes}));
}

TEST(HotColdReport, DefaultPanelEndsAfterTheHistoryLines) {
  THotWarmColdParams params;
  params.NextTira = 13;
  params.History = 1;
  const TReportPane pane = Report(params);
  EXPECT_EQ(pane.LineCount(), 17);
  EXPECT_EQ(pane.Line(9),
            u"                             <-- <-- # 12 - 12. История (History) Win.Total"_s);
  EXPECT_EQ(pane.Line(10), HistoryLine(kHot, {u" 2.3 "_s}));
  EXPECT_EQ(pane.Texts().mid(13), (QStringList{QString(), QString(), QString(), kDashes}));
}

TEST(HotColdReport, HistoryReachingBeforeTheFirstDrawAndTheFirstDrawItself) {
  THotWarmColdParams params;
  params.NextTira = 3;
  params.History = 5;  // draws 2, 1, 0, -1, -2
  params.WinCode = true;
  TReportPane pane = Report(params);
  QStringList lines = pane.Texts();
  // Draw 2 (3 4 5 6): warm 1 2 3 4, cold 5 6; draw 1 (1 2 3 4): all cold; then no draws.
  EXPECT_EQ(lines[9],
            u"                             <-- <-- # 2 - -2. История (History) Win.Total"_s);
  EXPECT_EQ(lines[10],
            HistoryLine(kHot, {u" 0.0 "_s, u" 0.0 "_s, u" 0.0 "_s, u" 0.0 "_s, u" 0.0 "_s}));
  EXPECT_EQ(lines[11],
            HistoryLine(kWarm, {u" 2.4 "_s, u" 0.0 "_s, u" 0.0 "_s, u" 0.0 "_s, u" 0.0 "_s}));
  EXPECT_EQ(lines[12],
            HistoryLine(kCold, {u" 2.2 "_s, u" 4.6 "_s, u" 0.6 "_s, u" 0.6 "_s, u" 0.6 "_s}));
  const qsizetype table = lines.indexOf(u"Частота выпадения ВинКодов:"_s);
  ASSERT_GE(table, 0);
  EXPECT_EQ(lines.mid(table + 2, 3),
            (QStringList{ValueLine(u"000"_s, u"60.00"_s, 3, 3) + u"..111"_s,
                         ValueLine(u"004"_s, u"20.00"_s, 1, 1) + u".1..."_s,
                         ValueLine(u"022"_s, u"20.00"_s, 1, 1) + u"1...."_s}));

  // T = the first draw: every ball cold, all four balls of draw 1 marked in the cold list.
  params.NextTira = 1;
  params.History = 2;
  params.Markov = true;
  pane = Report(params);
  lines = pane.Texts();
  EXPECT_EQ(lines[3], ClassLine(kHot, u" 0.0 "_s, QString()));
  EXPECT_EQ(lines[5], ClassLine(kCold, u" 4.6 "_s, u"1 2 3 4 5 6 "_s));
  EXPECT_EQ(pane.Spans(5),
            (std::vector<THighlight>{Red(39, 2), Red(41, 2), Red(43, 2), Red(45, 2)}));
  EXPECT_EQ(lines[9],
            u"                             <-- <-- # 0 - -1. История (History) Win.Total"_s);
  // The cold Markov table: one row (Total 6), one column (Win 0); T's Win 4 is no column.
  const qsizetype cold = lines.indexOf(u"Цепи Маркова. Холодные Шары."_s);
  ASSERT_GE(cold, 0);
  EXPECT_EQ(lines[cold + 4], u"    6    |    2 |"_s);
  EXPECT_EQ(pane.Spans(static_cast<int>(cold) + 4), (std::vector<THighlight>{Grey(17)}));
}

TEST(HotColdReport, HistoryAndWindowOutsideTheSpinRangesTakeTheNearestBound) {
  THotWarmColdParams params;
  params.NextTira = 13;
  params.History = -5;
  params.Okno = 0;
  params.FrequencyTable = true;
  TReportPane pane = Report(params);
  EXPECT_EQ(pane.Line(9),
            u"                             <-- <-- # 12 - 12. История (History) Win.Total"_s);
  // O = 1: the balls of draw 12 only.
  EXPECT_TRUE(pane.Texts().contains(u"2 4 5 6 "_s));

  params.History = 2'000'000'000;
  pane = Report(params);
  EXPECT_EQ(pane.Line(9),
            u"                             <-- <-- # 12 - -9986. История (History) Win.Total"_s);
  EXPECT_EQ(pane.Line(10).size(), 28 + 7 * 9999);
}

TEST(HotColdReportCli, SampleHistoryWithDefaultsAndClampedOptions) {
  const QString file = QString::fromUtf8(LOTRIX_EXAMPLES_DIR) + u"/5x36 sample.txt"_s;
  const TCliRun run = RunCli({u"report"_s, u"hot-cold"_s, file});
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  const QStringList lines = run.Out.split(u'\n');
  EXPECT_EQ(lines[2], u"                         Win.Total     Шары для тиража #401"_s);
  EXPECT_EQ(lines[9],
            u"                             <-- <-- # 400 - 301. История (History) Win.Total"_s);
  EXPECT_EQ(lines[10].size(), 28 + 7 * 100);
  EXPECT_EQ(lines.size(), 18);  // 17 lines and the final line end

  // The window defaults to P = 72, as the shell sets it; a known draw; clamped spin values.
  const QStringList frequency = {u"report"_s, u"hot-cold"_s,    file,          u"--draw"_s,
                                 u"400"_s,    u"--frequency"_s, u"--markov"_s, u"--win-code"_s};
  const TCliRun byDefault = RunCli(frequency);
  const TCliRun explicitP = RunCli(frequency + QStringList{u"--okno"_s, u"72"_s});
  EXPECT_EQ(byDefault.Code, 0);
  EXPECT_EQ(byDefault.Out, explicitP.Out);
  EXPECT_NE(byDefault.Out, RunCli(frequency + QStringList{u"--okno"_s, u"71"_s}).Out);
  EXPECT_TRUE(byDefault.Out.contains(u"\nЦепи Маркова. Теплые Шары.\n"_s));
  EXPECT_TRUE(byDefault.Out.contains(u"\nЧастота выпадения ВинКодов:\n"_s));

  const TCliRun clamped = RunCli({u"report"_s, u"hot-cold"_s, file, u"--draw"_s, u"400"_s,
                                  u"--history"_s, u"0"_s, u"--format"_s, u"json"_s});
  EXPECT_EQ(clamped.Code, 0);
  EXPECT_TRUE(clamped.Err.contains(u"--history 0 is outside 1..9999; using 1"_s));
  EXPECT_TRUE(clamped.Out.contains(u"# 399 - 399. История (History) Win.Total"_s));
  EXPECT_TRUE(clamped.Out.contains(u"#ff0000"_s));  // the balls of draw 400 in red

  EXPECT_EQ(RunCli({u"report"_s, u"hot-cold"_s, file, u"--history"_s, u"many"_s}).Code, 2);
}

}  // namespace
