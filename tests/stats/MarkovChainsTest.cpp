#include <gtest/gtest.h>

#include <ostream>

#include "stats/MarkovChains.h"

using namespace Qt::StringLiterals;

static void PrintTo(const THighlight& h, std::ostream* os) {
  *os << "{col " << h.Column << ", len " << h.Length << ", color " << std::hex << h.Color << ", bg "
      << h.Background << std::dec << ", style " << int(h.Style) << "}";
}

namespace {

using Spans = std::vector<THighlight>;

TMarkovTable PreviousNext() {
  TMarkovTable t;
  t.Otbor.TableTitle = u"Таблица Маркова (Markov Table)."_s;
  t.Otbor.NameMaster = u"Previous"_s;
  t.Otbor.NameSlave = u"Next"_s;
  return t;
}

THighlight Grey(int length) { return {0, length, clLeave, clLightGrey, 0}; }
THighlight RedCell(int column) { return {column, 5, clRed, clWhite, fsBold}; }

}  // namespace

// ---------------------------------------------------------------- building

TEST(MarkovBuild, OneSeriesPairsEachValueWithTheNextNewerOne) {
  TMarkovTable t;
  t.CreateMarkovTable(iArray{2, 1, 2, 2});  // pairs 1→2, 2→1, 2→2
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1, 1, 2}, {1, 0, 1}, {2, 1, 1}}));
  EXPECT_EQ(t.Otbor.ShowNext.Value, 2);
  EXPECT_FALSE(t.Otbor.ShowNext.Show);
}

TEST(MarkovBuild, OldestValueIsOnlyARowNewestOnlyAColumn) {
  TMarkovTable t;
  t.CreateMarkovTable(iArray{9, 1, 1, 4});  // pairs 1→9, 1→1, 4→1
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1, 1, 9}, {1, 1, 1}, {4, 1, 0}}));
  EXPECT_EQ(t.Otbor.ShowNext.Value, 9);
}

TEST(MarkovBuild, TwoSeriesUpToTheShorterAndShowNextLeftAlone) {
  TMarkovTable t;
  t.Otbor.ShowNext.Value = 42;
  t.CreateMarkovTable(iArray{1, 2, 3}, iArray{5, 6});
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1, 5, 6}, {1, 1, 0}, {2, 0, 1}}));
  EXPECT_EQ(t.Otbor.ShowNext.Value, 42);
}

TEST(MarkovBuild, PairsCountRepeatsAndSkipIncompleteRows) {
  TMarkovTable t;
  t.CreateMarkovTable(iArray2D{{1, 2}, {1, 2}, {3}, {2, 1}, {-4, 2}});
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1, 1, 2}, {-4, 0, 1}, {1, 0, 2}, {2, 1, 0}}));
}

TEST(MarkovBuild, NoPairsLeaveOnlyTheCorner) {
  TMarkovTable t;
  t.CreateMarkovTable(iArray{1, 2, 3});
  t.CreateMarkovTable(iArray{});  // building again clears the table
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1}}));
  EXPECT_EQ(t.Otbor.ShowNext.Value, 0);
  t.CreateMarkovTable(iArray{7});
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1}}));
  EXPECT_EQ(t.Otbor.ShowNext.Value, 7);
  t.CreateMarkovTable(iArray2D{});
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1}}));
}

TEST(MarkovBuild, TooManyDistinctValuesLeaveTheGridEmpty) {
  iArray distinct;
  for (int v = 0; v < 2100; ++v) distinct.push_back(v);  // 2100 × 2100 cells
  TMarkovTable t;
  t.CreateMarkovTable(distinct);
  EXPECT_TRUE(t.TooManyValues());
  EXPECT_EQ(t.MarkovTable, (iArray2D{{-1}}));
  TReportPane pane;
  t.Print(pane);
  ASSERT_EQ(pane.LineCount(), 6);  // the frame says why it is empty
  EXPECT_EQ(pane.Line(4),
            u"Слишком много разных значений для таблицы (too many distinct values): "
            u"4.000.000 клеток (cells) наибольшее"_s);

  distinct.resize(1500);
  t.CreateMarkovTable(distinct);
  EXPECT_FALSE(t.TooManyValues());
  EXPECT_EQ(t.MarkovTable.size(), 1500u);
  EXPECT_EQ(t.MarkovTable[1].size(), 1500u);
}

// ---------------------------------------------------------------- printing

TEST(MarkovPrint, GridOfTheDocumentedSeriesWithTheNewestRowShaded) {
  TMarkovTable t = PreviousNext();
  t.Otbor.ShowNext.Show = true;
  t.CreateMarkovTable(iArray{2, 1, 2, 2});
  TReportPane pane;
  pane.AddLine(u"before"_s);
  t.Print(pane);
  const QString dashes(25, u'-');
  EXPECT_EQ(pane.Texts(),
            (QStringList{u"before"_s, u"Таблица Маркова (Markov Table)."_s,
                         u"     Next |    1 |    2 |"_s, dashes, u"Previous  |"_s,
                         u"    1     |    . |    1 |"_s, u"    2     |    1 |    1 |"_s, dashes}));
  for (int i = 0; i < pane.LineCount(); ++i)
    EXPECT_EQ(pane.Spans(i), i == 6 ? Spans{Grey(25)} : Spans{}) << i;
}

TEST(MarkovPrint, HeadingSeparatorAndRowsOfValuesZeroToTwo) {
  TMarkovTable t = PreviousNext();
  t.CreateMarkovTable(iArray{0, 1, 2, 0});  // pairs 1→0, 2→1, 0→2
  TReportPane pane;
  t.Print(pane);
  const QString heading = u"     Next |    0 |    1 |    2 |"_s;
  EXPECT_EQ(heading.size(), 32);
  EXPECT_EQ(pane.Line(1), heading);
  EXPECT_EQ(pane.Line(2), QString(32, u'-'));
  EXPECT_EQ(pane.Line(3), u"Previous"_s + u' ' + u" |"_s);
  EXPECT_EQ(pane.Line(4), u"    0     |    . |    . |    1 |"_s);
  EXPECT_EQ(pane.Line(5), u"    1     |    1 |    . |    . |"_s);
  EXPECT_EQ(pane.Line(6), u"    2     |    . |    1 |    . |"_s);
  EXPECT_EQ(pane.Line(7), QString(32, u'-'));
  EXPECT_EQ(pane.LineCount(), 8);
}

TEST(MarkovPrint, WinCellIsRedThenTheRowGreyLeavingColourAndStyle) {
  TMarkovTable t = PreviousNext();
  t.Otbor.ShowNext.Show = true;
  t.Otbor.ShowWin.Show = true;
  t.Otbor.ShowWin.Value = 2;
  t.CreateMarkovTable(iArray{0, 1, 2, 0});  // the newest value 0 is the marked row
  TReportPane pane;
  t.Print(pane);
  // Column 2 starts at character 25 of the heading.
  EXPECT_EQ(pane.Line(1).mid(25, 5), u"    2"_s);
  EXPECT_EQ(pane.Spans(4), (Spans{RedCell(25), Grey(32)}));
  for (int i : {0, 1, 2, 3, 5, 6, 7}) EXPECT_TRUE(pane.Spans(i).empty()) << i;
}

TEST(MarkovPrint, WinCellIsMarkedAlsoWithoutRowShading) {
  TMarkovTable t = PreviousNext();
  t.Otbor.ShowWin.Show = true;
  t.Otbor.ShowWin.Value = 1;
  t.CreateMarkovTable(iArray{0, 1, 2, 0});
  TReportPane pane;
  t.Print(pane);
  EXPECT_EQ(pane.Spans(4), (Spans{RedCell(18)}));
}

TEST(MarkovPrint, MarksThatMatchNoRowOrColumnMarkNothing) {
  TReportPane pane;
  TMarkovTable t = PreviousNext();
  t.Otbor.ShowNext.Show = true;
  t.Otbor.ShowWin.Show = true;
  t.Otbor.ShowWin.Value = 5;  // no column 5
  t.CreateMarkovTable(iArray{0, 1, 2, 0});
  t.Print(pane);
  EXPECT_EQ(pane.Spans(4), (Spans{Grey(32)}));

  TReportPane newestOnlyColumn;
  t.Otbor.ShowWin.Value = 9;
  t.CreateMarkovTable(iArray{9, 1, 1, 4});  // 9 is a column but no row
  t.Print(newestOnlyColumn);
  for (int i = 0; i < newestOnlyColumn.LineCount(); ++i)
    EXPECT_TRUE(newestOnlyColumn.Spans(i).empty()) << i;

  TReportPane twoSeries;
  t.Otbor.ShowNext.Value = 7;
  t.CreateMarkovTable(iArray{1, 2}, iArray{1, 2});
  t.Print(twoSeries);
  for (int i = 0; i < twoSeries.LineCount(); ++i) EXPECT_TRUE(twoSeries.Spans(i).empty()) << i;
}

TEST(MarkovPrint, LongNamesWidenTheFirstColumnShortOnesKeepEight) {
  TMarkovTable t;
  t.Otbor.TableTitle = u"Цепи Маркова:"_s;
  t.Otbor.NameMaster = u"Последнее"_s;
  t.Otbor.NameSlave = u"Должно выпасть:"_s;  // 15 characters: w = 16
  t.CreateMarkovTable(iArray{3, 3});
  TReportPane pane;
  t.Print(pane);
  EXPECT_EQ(pane.Texts(), (QStringList{u"Цепи Маркова:"_s, u" Должно выпасть: |    3 |"_s,
                                       QString(25, u'-'), u"Последнее        |"_s,
                                       u"    3            |    1 |"_s, QString(25, u'-')}));

  TMarkovTable s;
  s.Otbor.NameMaster = u"A"_s;
  s.Otbor.NameSlave = u"B"_s;
  s.CreateMarkovTable(iArray{3, 3});
  TReportPane shortNames;
  s.Print(shortNames);
  EXPECT_EQ(shortNames.Texts(),
            (QStringList{QString(), u"       B |    3 |"_s, QString(17, u'-'), u"    A    |"_s,
                         u"    3    |    1 |"_s, QString(17, u'-')}));
}

TEST(MarkovPrint, NegativeAndLongValueTextsArePaddedButNeverCut) {
  TMarkovTable t = PreviousNext();
  t.CreateMarkovTable(iArray{-5, 123456});  // pair 123456 → -5
  TReportPane pane;
  t.Print(pane);
  EXPECT_EQ(pane.Line(1), u"     Next |   -5 |"_s);
  EXPECT_EQ(pane.Line(4), u"123456    |    1 |"_s);

  t.CreateMarkovTable(iArray{123456, -5});  // pair -5 → 123456: the long title shifts its line
  TReportPane shifted;
  t.Print(shifted);
  EXPECT_EQ(shifted.Line(1), u"     Next |123456 |"_s);
  EXPECT_EQ(shifted.Line(2), QString(18, u'-'));
  EXPECT_EQ(shifted.Line(4), u"   -5     |    1 |"_s);
}

TEST(MarkovPrint, SeriesWithoutPairsPrintsOnlyTheFrame) {
  const QStringList frame = {u"T"_s, u"     Next |"_s, QString(11, u'-'), u"Previous  |"_s,
                             QString(11, u'-')};
  for (const iArray& series : {iArray{}, iArray{4}}) {
    TReportPane pane;
    PrintMarkovOfSeries(pane, series, u"T"_s, u"Previous"_s, u"Next"_s, true);
    EXPECT_EQ(pane.Texts(), frame);
  }

  TMarkovTable unbuilt = PreviousNext();
  unbuilt.Otbor.TableTitle = u"T"_s;
  TReportPane pane;
  unbuilt.Print(pane);
  EXPECT_EQ(pane.Texts(), frame);
}

TEST(MarkovPrint, OneCallFormShadesTheNewestValuesRowOnRequest) {
  TReportPane shaded;
  PrintMarkovOfSeries(shaded, {2, 1, 2, 2}, u"Title"_s, u"Previous"_s, u"Next"_s, true);
  EXPECT_EQ(shaded.Texts(),
            (QStringList{u"Title"_s, u"     Next |    1 |    2 |"_s, QString(25, u'-'),
                         u"Previous  |"_s, u"    1     |    . |    1 |"_s,
                         u"    2     |    1 |    1 |"_s, QString(25, u'-')}));
  EXPECT_EQ(shaded.Spans(5), (Spans{Grey(25)}));

  TReportPane plain;
  PrintMarkovOfSeries(plain, {2, 1, 2, 2}, u"Title"_s, u"Previous"_s, u"Next"_s, false);
  EXPECT_EQ(plain.Texts(), shaded.Texts());
  EXPECT_TRUE(plain.Spans(5).empty());
}

TEST(MarkovPrint, ValueTitlesComeFromTheVirtualHook) {
  class TLetters : public TMarkovTable {
  public:
    QString GetValueTitle(int Value) const override { return QString(QChar(u'a' + Value)); }
  };
  TLetters t;
  t.Otbor.NameMaster = u"Previous"_s;
  t.Otbor.NameSlave = u"Next"_s;
  t.CreateMarkovTable(iArray{1, 0});
  TReportPane pane;
  t.Print(pane);
  EXPECT_EQ(pane.Line(1), u"     Next |    b |"_s);
  EXPECT_EQ(pane.Line(4), u"    a     |    1 |"_s);
}
