#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "LotteryFixtures.h"
#include "TestHost.h"
#include "core/Random.h"
#include "forecast/FilterSyntax.h"
#include "forecast/ForecastRun.h"

using namespace Qt::StringLiterals;

namespace {

TLottery Sample() { return LoadExample(u"5x36 sample.txt"_s); }  // draw 400: 2 7 4 23 30

// The first `rows` combinations of k balls out of 1..n, in walk order.
TCombinationTable Combinations(int n, int k, int64_t rows) {
  iArray source;
  for (int v = 1; v <= n; ++v) source.push_back(v);
  TCombinationTable table = TCombinationTable::FromRows(AllCombinations(source, k), k);
  table.Truncate(rows);
  return table;
}

// The position of a combination of 1..n in walk (lexicographic) order.
int64_t Rank(std::span<const uint8_t> combination, int n) {
  const int k = static_cast<int>(combination.size());
  int64_t rank = 0;
  int previous = 0;
  for (int i = 0; i < k; ++i) {
    for (int v = previous + 1; v < combination[static_cast<size_t>(i)]; ++v)
      rank += BinomialCount(n - v, k - i - 1);
    previous = combination[static_cast<size_t>(i)];
  }
  return rank;
}

std::vector<int64_t> PickedRows(const TMainPrognoz& prognoz, int n) {
  std::vector<int64_t> rows;
  for (int64_t j = 0; j < prognoz.AutoTable.RowCount(); ++j)
    rows.push_back(Rank(prognoz.AutoTable.Row(j), n));
  return rows;
}

TEST(ForecastRunAuto, OnePickFromEachBlockOfFiftyInWalkOrder) {
  TMainPrognoz prognoz;
  prognoz.PrognozTable = Combinations(20, 3, 1000);
  prognoz.NumCombAuto = 20;
  std::set<std::vector<int64_t>> selections;
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    GetPrognozAuto(prognoz, seed);
    const std::vector<int64_t> picks = PickedRows(prognoz, 20);
    ASSERT_EQ(picks.size(), 20u);
    for (int64_t j = 0; j < 20; ++j) {
      EXPECT_GE(picks[static_cast<size_t>(j)], 50 * j);
      EXPECT_LE(picks[static_cast<size_t>(j)], 50 * j + 49);
    }
    selections.insert(picks);
  }
  EXPECT_GT(selections.size(), 15u);  // different seeds, different selections

  GetPrognozAuto(prognoz, 7);
  const TCombinationTable first = prognoz.AutoTable;
  GetPrognozAuto(prognoz, 7);
  EXPECT_EQ(prognoz.AutoTable, first);  // equal seeds, equal selections

  FixRandomSeed(7);  // a seed fixed for the process stands in for the clock
  GetPrognozAuto(prognoz);
  FixRandomSeed(std::nullopt);
  EXPECT_EQ(prognoz.AutoTable, first);
}

// R / M rounding up (30 / 20 gives 2) would reach past the table: M nearly equal blocks then.
TEST(ForecastRunAuto, PicksStayInsideTheTableWhenTheStepRoundsUp) {
  TMainPrognoz prognoz;
  prognoz.PrognozTable = Combinations(10, 3, 30);
  prognoz.NumCombAuto = 20;
  for (uint64_t seed = 0; seed < 50; ++seed) {
    GetPrognozAuto(prognoz, seed);
    const std::vector<int64_t> picks = PickedRows(prognoz, 10);
    ASSERT_EQ(picks.size(), 20u);
    for (int64_t j = 0; j < 20; ++j) {
      EXPECT_GE(picks[static_cast<size_t>(j)], j * 30 / 20);
      EXPECT_LT(picks[static_cast<size_t>(j)], (j + 1) * 30 / 20);
    }
  }
}

TEST(ForecastRunAuto, MAtLeastTheRowsTakesTheWholeTable) {
  TMainPrognoz prognoz;
  prognoz.PrognozTable = Combinations(10, 3, 15);
  for (int m : {15, 20, 500}) {
    prognoz.NumCombAuto = m;
    GetPrognozAuto(prognoz, 1);
    EXPECT_EQ(prognoz.AutoTable, prognoz.PrognozTable) << m;
  }
}

TEST(ForecastRunList, MarksByMatches) {
  const QStringList marks = {
      u"        ."_s,       u"        ."_s,          u"        **"_s,          u"        3 --*"_s,
      u"        4 ====*"_s, u"        !!!!!!!!!!"_s, u"        !!!!!!!!!!!!"_s};
  for (int e = 0; e < marks.size(); ++e) EXPECT_EQ(MatchMark(e), marks[e]) << e;
}

TEST(ForecastRunList, ShortListsAreHighlightedLineByLine) {
  TReportPane pane;
  const TCombinationTable table =
      TCombinationTable::FromRows({{2, 4, 7, 11, 23}, {1, 3, 5, 6, 8}}, 5);
  PrintCombinationList(pane, table, {2, 7, 4, 23, 30}, true);
  EXPECT_EQ(pane.Texts(), (QStringList{QString(), u"    # п/п        Шары                    Win"_s,
                                       u"       1         2   4   7  11  23        4 ====*"_s,
                                       u"       2         1   3   5   6   8        ."_s}));
  const std::vector<THighlight> red = {{17, 2, clRed, clWhite, fsBold},
                                       {25, 2, clRed, clWhite, fsBold},
                                       {21, 2, clRed, clWhite, fsBold},
                                       {32, 2, clRed, clWhite, fsBold}};
  EXPECT_EQ(pane.Spans(2), red);
  EXPECT_TRUE(pane.Spans(3).empty());

  TReportPane english;
  PrintCombinationList(english, table, {}, false);
  EXPECT_EQ(english.Line(1), u"      No.        Numbers                 Win"_s);
  EXPECT_EQ(english.Line(2), u"       1         2   4   7  11  23        ."_s);
}

TEST(ForecastRunList, AboveEightThousandRowsThePlainTextGoesInAtOnce) {
  const TCombinationTable table = Combinations(30, 4, 8001);
  TReportPane bulk;
  PrintCombinationList(bulk, table, {1, 2, 3, 4}, false);
  ASSERT_EQ(bulk.LineCount(), 8003);
  EXPECT_EQ(bulk.Line(2), u"       1         1   2   3   4        4 ====*"_s);
  EXPECT_EQ(bulk.Line(8002), u"    8001         3   7  17  25        ."_s);
  for (const TPaneLine& line : bulk.Lines()) EXPECT_TRUE(line.Spans.empty());

  TReportPane direct;  // 8,000 rows: still highlighted
  TCombinationTable shorter = table;
  shorter.Truncate(8000);
  PrintCombinationList(direct, shorter, {1, 2, 3, 4}, false);
  EXPECT_EQ(direct.Spans(2).size(), 4u);
}

TEST(ForecastRunStatistics, FilterLinesInBothLanguages) {
  TFiltersStatistics statistics{};
  statistics[3] = {.Denied = 5, .Accepted = 3};
  statistics[4] = {.Denied = 1234567, .Accepted = 0};
  EXPECT_EQ(FilterStatisticLine(statistics, 3, false, u'.'),
            u"   Accepted=           3       Denied=           5     -62.5 %"_s);
  EXPECT_EQ(FilterStatisticLine(statistics, 3, true, u','),
            u"   Принято=            3    Отклонено=           5     -62,5 %"_s);
  EXPECT_EQ(FilterStatisticLine(statistics, 4, false, u'.'),
            u"   Accepted=           0       Denied=   1.234.567    -100.0 %"_s);
  EXPECT_EQ(FilterStatisticLine(statistics, 5, true, u'.'),
            u"   Принято=            0    Отклонено=           0"_s);
}

struct TForecastRun {
  TForecastParams Params;
  TForecastState State;
  TReportPane Pane;
  TTestHost Host;
  TForecastRunResult Result;
};

std::unique_ptr<TForecastRun> RunWith(const TLottery& lottery,
                                      const std::function<void(TForecastParams&)>& setup) {
  auto run = std::make_unique<TForecastRun>();
  run->Params.NextTira = lottery.NewTira;
  run->Params.Language = u"eng"_s;
  run->Params.Seed = 1;
  run->Params.Threads = 2;
  setup(run->Params);
  run->Host.Clipboard = u"the user's clipboard"_s;
  run->Result = RunForecast(lottery, run->Params, run->State, run->Pane, run->Host);
  return run;
}

// Filter 01 denies every combination: -100.0 %, and every later filter saw nothing.
TEST(ForecastRunStatistics, AFilterDenyingEverything) {
  const TLottery lottery = Sample();
  for (const QString& language : {u"eng"_s, u"rus"_s}) {
    const bool russian = language == u"rus";
    const auto run = RunWith(lottery, [&](TForecastParams& p) {
      p.Language = language;
      p.Fields.Chetnie = {true, u"9"_s};
    });
    EXPECT_EQ(run->Result.Shown, TForecastShown::None);
    EXPECT_EQ(run->Host.Messages, QStringList{NoForecastMessage(russian)});
    EXPECT_TRUE(run->State.MainPrognoz.ExportTable.IsEmpty());

    // The pane holds the statistics alone: which filter denied everything.
    const TReportPane& report = run->State.FiltersStatistic;
    EXPECT_EQ(run->Pane.Texts(), report.Texts());
    ASSERT_EQ(report.LineCount(), 26);
    EXPECT_EQ(report.Line(1), russian ? u"Статистика фильтров:"_s : u"Filters statistic:"_s);
    EXPECT_EQ(report.Line(5), u" "_s);
    EXPECT_EQ(report.Line(6),
              russian ? u"Всего комбинаций:                                              376.992"_s
                      : u"Total combinations:                                    376.992"_s);
    EXPECT_EQ(report.Line(6).indexOf(u"    376.992"_s), russian ? 59 : 51);
    const QString lines01[] = {
        u"Filter statistic 01 (Even):                      Accepted=           0       Denied=     376.992    -100.0 %"_s,
        u"Статистика фильтра 01 (Четные):                  Принято=            0    Отклонено=     376.992    -100.0 %"_s};
    EXPECT_EQ(report.Line(7), lines01[russian]);
    EXPECT_EQ(
        report.Line(8),
        russian
            ? u"Статистика фильтра 02 (Слипы):                   Принято=            0    Отклонено=           0"_s
            : u"Filter statistic 02 (Consecutive numbers):       Accepted=           0       Denied=           0"_s);
    for (int line = 7; line <= 22; ++line) {  // every filter label is 46 characters
      EXPECT_EQ(report.Line(line).mid(46, 4), u"   "_s + (russian ? u'П' : u'A')) << line;
      if (line > 7) {
        EXPECT_TRUE(report.Line(line).endsWith(u"=           0"_s)) << line;
      }
    }
    EXPECT_EQ(
        report.Line(16),
        russian
            ? u"Статистика фильтра 13 (Произвольный ряд 3):      Принято=            0    Отклонено=           0"_s
            : u"Filter statistic 13 (Any range 3):               Accepted=           0       Denied=           0"_s);
    EXPECT_EQ(report.Line(23), u"-------------------------------------------"_s);
    EXPECT_EQ(
        report.Line(24),
        russian
            ? u"Общая статистика:                                Принято=            0    Отклонено=     376.992    -100.0 %"_s
            : u"Common statistic:                                Accepted=           0       Denied=     376.992    -100.0 %"_s);
    EXPECT_EQ(report.Line(25), QString());
  }
}

TEST(ForecastRun, FieldsComeBackInNormalFormAfterARun) {
  const auto run = RunWith(Sample(), [](TForecastParams& p) {
    p.AvailableBalls = u"36, 1 1 5 .. 9 12"_s;
    TPrognozFields& f = p.Fields;
    f.Chetnie.Checked = f.Sleepy.Checked = f.SumBalls.Checked = f.FirstBall.Checked = true;
    f.HotCold.Checked = f.Differences.Checked = true;
    f.AnyRange[2] = {true, u"3 .. 9"_s};
    f.AnyRangeWin[2] = u"0.2"_s;
  });
  const TPrognozFields& f = run->Params.Fields;
  EXPECT_EQ(run->Params.AvailableBalls, u" 1 5 9 12 36 "_s);
  EXPECT_EQ(f.Chetnie.Text, u" 1 ... 4"_s);
  EXPECT_EQ(f.Sleepy.Text, u" 0 1"_s);
  EXPECT_EQ(f.SumBalls.Text, u" 72 ... 107 120 ... 124"_s);
  EXPECT_EQ(f.FirstBall.Text, u" 1 ... 10 /  25 ... 36"_s);
  EXPECT_EQ(f.HotCold.Text, u"212  122  0XX  "_s);
  EXPECT_EQ(f.Differences.Text, u"211  121  0XX  "_s);
  EXPECT_EQ(f.AnyRange[2].Text, u" 3 ... 9"_s);
  EXPECT_EQ(f.AnyRangeWin[2], u" 0 ... 2"_s);
  EXPECT_EQ(run->State.MainPrognoz.NumCombTotal, 1);  // 5 of the 5 available balls
}

// A past draw with every filter off: all 376,992 combinations are listed as plain text.
TEST(ForecastRun, AllCombinationsOfAPastDraw) {
  const TLottery lottery = Sample();
  const auto run = RunWith(lottery, [](TForecastParams& p) { p.NextTira = 400; });
  ASSERT_EQ(run->Result.Shown, TForecastShown::All);
  EXPECT_TRUE(run->Host.Messages.isEmpty());
  const TReportPane& pane = run->Pane;
  const QStringList head = pane.Texts().mid(0, 13);
  EXPECT_EQ(head, (QStringList{u"Прогноз Шаров для тиража № 400"_s, QString(),
                               u"Статистика выигрышей всех отфильтрованных комбинаций:"_s,
                               u"Всего Комбинаций   =     376.992"_s,
                               u"Совпадений  0      =     169.911    45.070%"_s,
                               u"Совпадений  1      =     157.325    41.732%"_s,
                               u"Совпадений  2      =      44.950    11.923%"_s,
                               u"Совпадений  3      =       4.650     1.233%"_s,
                               u"Совпадений  4      =         155     0.041%"_s,
                               u"Совпадений  5      =           1"_s, QString(),
                               u"      No.        Numbers                 Win"_s,
                               u"       1         1   2   3   4   5        **"_s}));
  const TReportPane& statistics = run->State.FiltersStatistic;
  const int listEnd = pane.LineCount() - statistics.LineCount();
  EXPECT_EQ(listEnd, 12 + 376992);
  EXPECT_EQ(pane.Line(listEnd - 1), u"  376992        32  33  34  35  36        ."_s);
  for (int line = 0; line < listEnd; ++line) ASSERT_TRUE(pane.Spans(line).empty()) << line;
  // The filter statistics are appended with their highlights; the clipboard is left alone.
  for (int line = 0; line < statistics.LineCount(); ++line) {
    EXPECT_EQ(pane.Line(listEnd + line), statistics.Line(line));
    EXPECT_EQ(pane.Spans(listEnd + line), statistics.Spans(line));
  }
  EXPECT_EQ(statistics.Line(2).left(23), u"Available numbers:     "_s);
  EXPECT_EQ(statistics.Spans(2).size(), 5u);  // the balls of draw 400
  EXPECT_EQ(statistics.Spans(2).front(), (THighlight{23 + 5, 2, clRed, clWhite, fsBold}));
  EXPECT_EQ(run->Host.Clipboard, u"the user's clipboard"_s);

  const TMainPrognoz& prognoz = run->State.MainPrognoz;
  EXPECT_EQ(prognoz.ExportTable, prognoz.PrognozTable);
  // The automatic choice of 20 of 376,992 (step 18,850 would reach row 376,999): inside.
  const std::vector<int64_t> picks = PickedRows(prognoz, 36);
  ASSERT_EQ(picks.size(), 20u);
  for (size_t j = 1; j < picks.size(); ++j) EXPECT_LT(picks[j - 1], picks[j]);
  EXPECT_LT(picks.back(), 376992);
  EXPECT_GE(picks.back(), 376992 - 18850);
}

TEST(ForecastRun, ShowingTheAutomaticChoiceAgainWithOtherSeeds) {
  const TLottery lottery = Sample();
  auto run = RunWith(lottery, [](TForecastParams& p) {
    p.NextTira = 400;
    p.AutoOnly = true;
    p.Fields.Chetnie = {true, u"2"_s};
    p.Language = u"rus"_s;
  });
  ASSERT_EQ(run->Result.Shown, TForecastShown::Auto);
  const TReportPane& pane = run->Pane;
  const QStringList texts = pane.Texts();
  EXPECT_EQ(texts[10], QString());
  EXPECT_EQ(texts[11], u"Статистика выигрышей Пула \"Прогноз Авто\":"_s);
  EXPECT_EQ(texts[12], u"Всего Комбинаций   =          20"_s);
  EXPECT_EQ(texts[19], QString());
  EXPECT_EQ(texts[20], u"    # п/п        Шары                    Win"_s);
  EXPECT_EQ(pane.LineCount(), 21 + 20 + run->State.FiltersStatistic.LineCount());
  const TMainPrognoz& prognoz = run->State.MainPrognoz;
  EXPECT_EQ(prognoz.ExportTable, prognoz.AutoTable);
  const TCombinationTable firstChoice = prognoz.AutoTable;

  TReportPane again;
  run->Params.Seed = 2;
  EXPECT_EQ(ShowForecast(lottery, run->Params, run->State, again, run->Host), TForecastShown::Auto);
  EXPECT_NE(prognoz.AutoTable, firstChoice);
  EXPECT_NE(again.Texts(), texts);
  EXPECT_EQ(again.Texts().mid(0, 11), texts.mid(0, 11));  // the same forecast above the choice
  run->Params.Seed = 1;
  ShowForecast(lottery, run->Params, run->State, again, run->Host);
  EXPECT_EQ(again.Texts(), texts);
}

// The next, undrawn draw: no matches, no highlights, one line per win statistics block.
TEST(ForecastRun, TheNextDrawHasNoMatches) {
  const auto run = RunWith(Sample(), [](TForecastParams& p) {
    p.Fields.SumBalls = {true, u"150 .. 170"_s};
    p.NumCombiShow = 3;
    p.AutoOnly = true;
  });
  const TReportPane& pane = run->Pane;
  EXPECT_EQ(pane.Line(0), u"Прогноз Шаров для тиража № 401"_s);
  EXPECT_TRUE(pane.Line(4).startsWith(u"Совпадений  0      = "_s));
  EXPECT_FALSE(pane.Line(4).contains(u'%'));
  EXPECT_EQ(pane.Texts().mid(5, 5),
            (QStringList{QString(), u"Статистика выигрышей Пула \"Прогноз Авто\":"_s,
                         u"Всего Комбинаций   =           3"_s,
                         u"Совпадений  0      =           3"_s, QString()}));
  for (int line = 11; line < 14; ++line)
    EXPECT_TRUE(pane.Line(line).endsWith(u"        ."_s)) << line;
  for (const TPaneLine& line : pane.Lines())
    EXPECT_TRUE(line.Spans.empty()) << line.Text.toStdString();
}

TEST(ForecastRun, MoreThanAMillionRowsShowsTheChoiceAfterTheMessage) {
  const auto run = RunWith(LoadExample(u"6x45 korea lotto.txt"_s),
                           [](TForecastParams& p) { p.NumCombiShow = 7; });
  EXPECT_EQ(run->Result.Shown, TForecastShown::Auto);
  EXPECT_EQ(run->Host.Messages,
            QStringList{u"Total possible combinations: 8.145.060\rFiltered 8.145.060\r"
                        "You must change the filter values\r"
                        "to reduce the number of the filtered combinations less than 1.000.000.\r"
                        "Random 7 combinations will be shown."_s});
  EXPECT_EQ(run->State.MainPrognoz.ExportTable.RowCount(), 7);
  EXPECT_EQ(TooManyToShowMessage(true, 8145060, 2000000, 20),
            u"Всего возможных комбинаций: 8.145.060\rОтфильтровано 2.000.000\r"
            "Измените значения фильтров\r"
            "для уменьшения числа отфильтрованых комбинаций менее 1.000.000.\r"
            "Показаны будут случайные 20 комбинаций."_s);
}

TEST(ForecastRun, ACancelledRunLeavesNoForecast) {
  const TLottery lottery = Sample();
  auto run = RunWith(lottery, [](TForecastParams& p) {
    p.Fields.AnyRange[0] = {true, u"1 .. 2000000000"_s};
    p.Progress = [](int64_t, int64_t) { return false; };
  });
  EXPECT_TRUE(run->Result.Cancelled);
  EXPECT_TRUE(run->Result.RangeCut);
  EXPECT_EQ(run->Host.Messages, QStringList{RangeCutMessage(false)});
  EXPECT_TRUE(run->State.MainPrognoz.PrognozTable.IsEmpty());
  EXPECT_TRUE(run->State.FiltersStatistic.IsEmpty());
  run->Params.Language = u"rus"_s;
  EXPECT_EQ(ShowForecast(lottery, run->Params, run->State, run->Pane, run->Host),
            TForecastShown::None);
  EXPECT_EQ(run->Host.Messages.last(),
            u"Расчет не производился или нет комбинаций, удовлетворяющих всем фильтрам.\r"
            "Установите другие значения фильтров и нажмите кнопку \"New\" (Новый прогноз)."_s);
}

}  // namespace
