// Past matches: the match counts against a brute count, the filter text and its rewrite, the
// filtering listing and its kept rows, the source listing and the match history.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "forecast/PastMatches.h"

using namespace Qt::StringLiterals;

namespace {

// A 3-of-9 history of draws 1..5.
TLottery SmallLottery() {
  return MakeLottery(3, 9, {{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 1, 5, 9}, {4, 7, 8, 9}, {5, 2, 3, 4}});
}

std::shared_ptr<TPastMatchesTables> Tables(const iArray2D& source) {
  auto tables = std::make_shared<TPastMatchesTables>();
  tables->SourceTable = source;
  return tables;
}

TPastMatchesParams Filtering(int t, int w, const std::shared_ptr<TPastMatchesTables>& tables,
                             const QString& filter = {}) {
  TPastMatchesParams params;
  params.NextTira = t;
  params.Window = w;
  params.Filter = !filter.isEmpty();
  params.FilterText = filter;
  params.Tables = tables;
  return params;
}

}  // namespace

TEST(PastMatches, CountsAgreeWithCountingEveryDrawAndSkipDrawsOutsideTheTable) {
  const TLottery lottery = RandomLottery(6, 49, 300, 7);
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> ball(0, 60), length(1, 10), draw(1, 320);
  for (int trial = 0; trial < 400; ++trial) {
    iArray row;
    for (int n = length(rng); n > 0; --n) row.push_back(ball(rng));
    const int d = draw(rng), w = 1 + trial % 40, m = std::min(6, static_cast<int>(row.size()));
    iArray expected(static_cast<size_t>(m + 1), 0);
    for (int k = 1; k <= w; ++k) {
      const int shared = CountCommon(row, lottery.DrawBalls(d - k));
      if (shared <= m) ++expected[static_cast<size_t>(shared)];
    }
    ASSERT_EQ(MatchCounts(lottery, row, d, m, w), expected) << trial;
  }
  // Draws before the first count as sharing no ball; a ball listed twice counts twice, and a
  // draw sharing more than m counts nowhere.
  const TLottery small = SmallLottery();
  EXPECT_EQ(MatchCounts(small, {1, 2, 3}, 2, 3, 5), (iArray{4, 0, 0, 1}));
  EXPECT_EQ(MatchCounts(small, {5, 5}, 6, 2, 5), (iArray{3, 0, 2}));
  EXPECT_EQ(MatchCounts(small, {5, 5, 5}, 6, 2, 5), (iArray{3, 0, 0}));
}

TEST(PastMatches, TheFilterTextIsCutAtSlashesAndRewritten) {
  const TMatchFilterText two = ReadMatchFilterText(u"10..30 / 0..5"_s);
  ASSERT_EQ(two.Filter.size(), 2u);
  EXPECT_EQ(two.Text, u" 10 ... 30 /  0 ... 5"_s);
  EXPECT_TRUE(PassesMatchFilter({10, 5, 3}, two.Filter));
  EXPECT_TRUE(PassesMatchFilter({30, 0}, two.Filter));
  EXPECT_FALSE(PassesMatchFilter({9, 0, 0}, two.Filter));
  EXPECT_FALSE(PassesMatchFilter({12, 6}, two.Filter));
  // An empty group 0 constrains only count 1.
  const TMatchFilterText second = ReadMatchFilterText(u"/ 0"_s);
  ASSERT_EQ(second.Filter.size(), 2u);
  EXPECT_TRUE(second.Filter[0].IsEmpty());
  EXPECT_EQ(second.Text, u" /  0"_s);
  EXPECT_TRUE(PassesMatchFilter({25, 0, 5}, second.Filter));
  EXPECT_FALSE(PassesMatchFilter({25, 1}, second.Filter));
  // A group that a short row cannot reach rejects it; an empty one does not.
  const TMatchFilterText far = ReadMatchFilterText(u"///0"_s);
  EXPECT_FALSE(PassesMatchFilter({30, 0, 0}, far.Filter));
  EXPECT_TRUE(PassesMatchFilter({30, 0, 0, 0}, far.Filter));
  EXPECT_FALSE(PassesMatchFilter({30}, ReadMatchFilterText(u"1 / / /"_s).Filter));
  EXPECT_TRUE(PassesMatchFilter({30}, ReadMatchFilterText(u"30 / / /"_s).Filter));
  // Nothing after the last "/" is no group; a space is an empty one.
  EXPECT_EQ(ReadMatchFilterText(u"5 /"_s).Filter.size(), 1u);
  EXPECT_EQ(ReadMatchFilterText(u"5 / "_s).Filter.size(), 2u);
  EXPECT_EQ(ReadMatchFilterText(u"5 / "_s).Text, u" 5 / "_s);
  EXPECT_TRUE(ReadMatchFilterText(QString()).Filter.empty());
  EXPECT_EQ(ReadMatchFilterText(QString()).Text, QString());
  EXPECT_TRUE(PassesMatchFilter({1, 2}, {}));
}

TEST(PastMatches, TheSourceListingSaysWhereTheTableCameFrom) {
  TReportPane pane;
  ShowPastMatchesSource({TSourceOrigin::Clipboard, Tables({})}, pane);
  EXPECT_EQ(pane.Texts(), QStringList{u"Подходящей таблицы для фильтрации в Буфере обмена нет."_s});
  ShowPastMatchesSource({TSourceOrigin::Forecast, nullptr}, pane);
  EXPECT_EQ(pane.Texts(),
            QStringList{u"Прогноз не рассчитывался. Подходящей таблицы для фильтрации нет."_s});
  iArray2D rows(1234, iArray{1, 22, 333});
  rows[1] = {7};
  ShowPastMatchesSource({TSourceOrigin::Forecast, Tables(rows)}, pane);
  ASSERT_EQ(pane.LineCount(), 1235);
  EXPECT_EQ(pane.Line(0), u"Исходная таблица для фильтрации из Прогноза. Всего строк 1.234."_s);
  EXPECT_EQ(pane.Line(1), u"   1  22 333"_s);
  EXPECT_EQ(pane.Line(2), u"   7"_s);
  ShowPastMatchesSource({TSourceOrigin::Clipboard, Tables({{5, 6}})}, pane);
  EXPECT_EQ(pane.Line(0), u"Исходная таблица для фильтрации из Буфера обмена. Всего строк 1."_s);
}

TEST(PastMatches, FilteringListsTheKeptRowsWithTheirCounts) {
  const TLottery lottery = SmallLottery();
  // Rows longer than K: counts stop at K and so does the header.
  auto tables = Tables({{1, 2, 3}, {4, 5, 6, 7, 8}, {9}});
  TReportPane pane;
  ASSERT_TRUE(ShowPastMatches(lottery, Filtering(6, 5, tables), pane));
  const QStringList expected = {
      u"Фильтрация исходной Таблицы по совпадению в прошедших 5 тиражах. Тиражи №5 - 1."_s,
      u"   п/п      исх.   Ряд:                совпадения:   0   1   2   3"_s,
      u"     1        1     1  2  3                          2   1   1   1"_s,
      u"     2        2     4  5  6  7  8                    1   2   1   1"_s,
      u"     3        3     9                                3   2"_s,
  };
  EXPECT_EQ(pane.Texts(), expected);
  EXPECT_EQ(tables->FilteredTable, tables->SourceTable);  // the filter off keeps every row

  // Count 2 must be 1 or 2: rows 1 and 2 pass, row 3 has no count 2.
  ASSERT_TRUE(ShowPastMatches(lottery, Filtering(6, 5, tables, u" / / 1..2"_s), pane));
  EXPECT_EQ(pane.LineCount(), 4);
  EXPECT_TRUE(pane.Line(3).startsWith(u"     2        2 "_s));
  EXPECT_EQ(tables->FilteredTable, (iArray2D{{1, 2, 3}, {4, 5, 6, 7, 8}}));
  // Count 0 must be 1: only row 2, numbered 1 of the kept and 2 of the source.
  ASSERT_TRUE(ShowPastMatches(lottery, Filtering(6, 5, tables, u"1"_s), pane));
  EXPECT_EQ(pane.LineCount(), 3);
  EXPECT_TRUE(pane.Line(2).startsWith(u"     1        2 "_s));
  EXPECT_EQ(tables->FilteredTable, (iArray2D{{4, 5, 6, 7, 8}}));
  // A filter that keeps nothing leaves an empty table; without a source table the first
  // line is all and the last kept rows stay.
  ASSERT_TRUE(ShowPastMatches(lottery, Filtering(6, 5, tables, u"99"_s), pane));
  EXPECT_TRUE(tables->FilteredTable.empty());
  tables->FilteredTable = {{4}};
  tables->SourceTable.clear();
  ASSERT_TRUE(ShowPastMatches(lottery, Filtering(3, 30, tables), pane));
  EXPECT_EQ(pane.Texts(),
            QStringList{u"Фильтрация исходной Таблицы по совпадению в прошедших 30 тиражах. "
                        u"Тиражи №2 - -27."_s});
  EXPECT_EQ(tables->FilteredTable, (iArray2D{{4}}));
}

TEST(PastMatches, ThreeDigitBallsKeepASpaceBetweenThem) {
  const TLottery lottery = MakeLottery(2, 120, {{1, 100, 120}, {2, 3, 101}});
  auto tables = Tables({{100, 101}});
  TReportPane pane;
  ASSERT_TRUE(ShowPastMatches(lottery, Filtering(3, 2, tables), pane));
  EXPECT_EQ(pane.Line(1), u"   п/п      исх.   Ряд:         совпадения:   0   1   2"_s);
  EXPECT_EQ(pane.Line(2), u"     1        1    100 101                    0   2   0"_s);
  TReportPane history;
  ShowPastMatchesHistory(lottery, {3, 1, 1}, history);
  EXPECT_EQ(history.Line(3), u"   1            2       3 101                        1   0   0"_s);
}

TEST(PastMatches, TheHistoryCountsEachRealDrawAgainstItsPredecessors) {
  const TLottery lottery = SmallLottery();
  TReportPane pane;
  ShowPastMatchesHistory(lottery, {6, 2, 3}, pane);
  const QStringList expected = {
      u"Совпадения в прошедших 2 тиражах."_s,
      u"  п/п       Тираж     Шары:         совпадения:   0   1   2   3"_s,
      QString(29, u' ') + u"                     -   -   -   -"_s,
      u"   1            3      1  5  9                        0   2   0   0"_s,
      u"   2            4      7  8  9                        1   1   0   0"_s,
      u"   3            5      2  3  4                        2   0   0   0"_s,
      QString(),
      QString(),
      QString(75, u'-'),
      u"<-- История совпадений 0 <--"_s,
      u"   2   1   0"_s,
      u"  Сч.        Частота"_s,
      u"    0              1"_s,
      u"    1              1"_s,
      u"    2              1"_s,
      QString(),
      QString(75, u'-'),
      u"<-- История совпадений 1 <--"_s,
      u"   0   1   2"_s,
      u"  Сч.        Частота"_s,
      u"    0              1"_s,
      u"    1              1"_s,
      u"    2              1"_s,
  };
  EXPECT_EQ(pane.Texts(), expected);
  // A draw outside the table has no balls and shares none with its window.
  ShowPastMatchesHistory(lottery, {2, 4, 2}, pane);
  EXPECT_EQ(pane.Line(3), u"   1            0                                     4   0   0   0"_s);
  EXPECT_EQ(pane.Line(4), u"   2            1      1  2  3                        4   0   0   0"_s);
}

TEST(PastMatches, ATableLongerThanAMillionRowsIsNotLoaded) {
  TPastMatchesTables tables;
  TSilentHost host;
  QString text;
  for (int row = 0; row < kMaxSourceRows; ++row) text += u"1 2\n"_s;
  host.SetClipboardText(text);
  ASSERT_TRUE(LoadSourceFromClipboard(tables, host));
  EXPECT_EQ(tables.SourceTable.size(), size_t{1'000'000});  // exactly a million rows go
  host.SetClipboardText(text + u"no number\r\n3"_s);
  EXPECT_FALSE(LoadSourceFromClipboard(tables, host));
  EXPECT_TRUE(tables.SourceTable.empty());
  EXPECT_FALSE(LoadSourceRows(tables, iArray2D(kMaxSourceRows + 1, iArray{1})));
  EXPECT_TRUE(tables.SourceTable.empty());
  TReportPane pane;
  ShowPastMatchesSource({TSourceOrigin::Clipboard, nullptr, true}, pane);
  EXPECT_EQ(pane.Texts(), QStringList{u"Таблица для фильтрации длиннее 1.000.000 строк и не "
                                      u"загружена. (The table to filter has more than 1,000,000 "
                                      u"rows and was not loaded.)"_s});
  // The forecast's table as it was shown.
  TCombinationTable shown(3);
  shown.AppendRow(std::array<int32_t, 3>{1, 2, 3});
  ASSERT_TRUE(LoadSourceFromForecast(tables, shown));
  EXPECT_EQ(tables.SourceTable, (iArray2D{{1, 2, 3}}));
  ASSERT_TRUE(LoadSourceFromForecast(tables, TCombinationTable(3)));
  EXPECT_TRUE(tables.SourceTable.empty());
}

TEST(PastMatches, ListingsStopAtTheirCharacterBoundAndKeepEveryRow) {
  const TLottery lottery = SmallLottery();
  // One long row pads every line to its width: the listing stops, the filtering does not.
  iArray2D rows(5, iArray{1, 2});
  rows[1] = Range(1, 40);
  auto tables = Tables(rows);
  TPastMatchesParams params = Filtering(6, 5, tables);
  const int line = 18 + (3 * 40 + 11) + 6;  // a line without its counts
  params.MaxListingChars = (line + 12) + (line + 16) + 100;
  TReportPane pane;
  ASSERT_TRUE(ShowPastMatches(lottery, params, pane));
  ASSERT_EQ(pane.LineCount(), 2 + 2 + 1);  // rows 1 and 2 fit, row 3 would pass the bound
  EXPECT_EQ(pane.Line(4),
            u"Список обрезан (list cut): показаны 2 из 5 строк (lines); «в Буфер» "
            u"копирует все (copies them all)."_s);
  EXPECT_EQ(tables->FilteredTable, rows);
  params.MaxListingChars = kMaxListingChars;
  ASSERT_TRUE(ShowPastMatches(lottery, params, pane));
  EXPECT_EQ(pane.LineCount(), 2 + 5);

  TPastMatchesSourceParams source{TSourceOrigin::Clipboard, tables};
  source.MaxListingChars = 4 * 2 + 4 * 40;
  ShowPastMatchesSource(source, pane);
  ASSERT_EQ(pane.LineCount(), 1 + 2 + 1);
  EXPECT_EQ(pane.Line(3),
            u"Список обрезан (list cut): показаны 2 из 5 строк (lines); "
            u"фильтрация читает все (the filtering reads them all)."_s);
}
