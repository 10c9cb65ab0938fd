#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "stats/Frequency.h"

using namespace Qt::StringLiterals;

static void PrintTo(const THighlight& h, std::ostream* os) {
  *os << "{col " << h.Column << ", len " << h.Length << ", color " << std::hex << h.Color << ", bg "
      << h.Background << std::dec << ", style " << int(h.Style) << "}";
}

namespace {

const QString kRowHeadingTail = u"     %%"_s + QString(10, u' ') + u"Частота (Frequency)"_s;

// A value line written out piece by piece: title column, per cent, count, bar, 70 wide.
QString Line(const QString& title, const QString& percent, const QString& count,
             const QString& bar) {
  return QString(title.rightJustified(8).leftJustified(16) + percent.rightJustified(8) + u"%   "_s +
                 count.rightJustified(4) + u' ' + bar)
      .leftJustified(70);
}

QString Heading(const QString& valueTitle) {
  return valueTitle.rightJustified(8).leftJustified(16) + kRowHeadingTail;
}

iArray ValuesOf(const TFrequency& f) {
  iArray values;
  for (const TFrequencyValue& v : f.Values) values.push_back(v.Value);
  return values;
}

const THighlight kRedBold{0, 70, clRed, clWhite, fsBold};

}  // namespace

// ---------------------------------------------------------------- counting

TEST(FrequencyTable, CountsEveryValueBetweenTheSmallestAndTheLargest) {
  const TFrequencyTable t = MakeFrequencyTable({5, 3, 2, 5, 3, 5});
  EXPECT_EQ(t.Table, (iArray2D{{2, 1}, {3, 2}, {4, 0}, {5, 3}}));
  EXPECT_EQ(t.TotalCount, 6);
  EXPECT_EQ(t.MaxFreq, 3);
  EXPECT_EQ(t.RangeFrequencyOrder, (iArray{5, 3, 2}));
}

TEST(FrequencyTable, EqualCountsListTheSmallerValueFirst) {
  const TFrequencyTable t = MakeFrequencyTable({9, 1, 4, 9, 4, 1, 6});
  EXPECT_EQ(t.RangeFrequencyOrder, (iArray{1, 4, 9, 6}));
  EXPECT_EQ(t.MaxFreq, 2);
}

TEST(FrequencyTable, EmptyInputGivesAnEmptyTable) {
  const TFrequencyTable t = MakeFrequencyTable({});
  EXPECT_TRUE(t.Table.empty());
  EXPECT_EQ(t.TotalCount, 0);
  EXPECT_EQ(t.MaxFreq, 0);
  EXPECT_TRUE(t.RangeFrequencyOrder.empty());

  const TFrequencyTable rows = MakeFrequencyTableOfRows({{}, {}});
  EXPECT_TRUE(rows.Table.empty());
  EXPECT_EQ(rows.TotalCount, 0);
}

TEST(FrequencyTable, RowsOfDifferentLengthsCountEveryElement) {
  const TFrequencyTable t = MakeFrequencyTableOfRows({{1, 3}, {}, {3, 4, 3}});
  EXPECT_EQ(t.Table, (iArray2D{{1, 1}, {2, 0}, {3, 3}, {4, 1}}));
  EXPECT_EQ(t.TotalCount, 5);
  EXPECT_EQ(t.MaxFreq, 3);
  EXPECT_EQ(t.RangeFrequencyOrder, (iArray{3, 1, 4}));
}

TEST(FrequencyTable, NegativeValuesAndHugeSpansStaySafe) {
  EXPECT_EQ(MakeFrequencyTable({-1, -3}).Table, (iArray2D{{-3, 1}, {-2, 0}, {-1, 1}}));

  // Two billion zero rows are not built: only the occurring values are listed.
  const TFrequencyTable huge = MakeFrequencyTable({0, 2000000000, 0});
  EXPECT_EQ(huge.Table, (iArray2D{{0, 2}, {2000000000, 1}}));
  EXPECT_EQ(huge.MaxFreq, 2);
  EXPECT_EQ(huge.RangeFrequencyOrder, (iArray{0, 2000000000}));

  const TFrequencyTable extremes = MakeFrequencyTable({INT32_MAX, INT32_MIN});
  EXPECT_EQ(extremes.Table, (iArray2D{{INT32_MIN, 1}, {INT32_MAX, 1}}));

  // Up to the bound the zero rows are all there.
  const TFrequencyTable wide = MakeFrequencyTable({0, int32_t(MaxDenseFrequencySpan - 1)});
  EXPECT_EQ(int64_t(wide.Table.size()), MaxDenseFrequencySpan);
  EXPECT_EQ(wide.Table[1], (iArray{1, 0}));
  EXPECT_EQ(MakeFrequencyTable({0, int32_t(MaxDenseFrequencySpan)}).Table.size(), 2u);
}

TEST(FrequencyTable, SortRowsByColumnIsStableInBothDirections) {
  const iArray2D rows = {{1, 5}, {2, 3}, {3, 5}, {4, 3}, {5, 4}};
  iArray2D down = rows;
  SortRowsByColumn(down, 1, false);
  EXPECT_EQ(down, (iArray2D{{1, 5}, {3, 5}, {5, 4}, {2, 3}, {4, 3}}));
  iArray2D up = rows;
  SortRowsByColumn(up, 1, true);
  EXPECT_EQ(up, (iArray2D{{2, 3}, {4, 3}, {5, 4}, {1, 5}, {3, 5}}));

  iArray2D untouched = rows;
  SortRowsByColumn(untouched, -1, true);
  EXPECT_EQ(untouched, rows);
  SortRowsByColumn(untouched, 2, true);  // no row holds column 2
  EXPECT_EQ(untouched, rows);
}

// ---------------------------------------------------------------- steps and series

TEST(FrequencySteps, GapsBetweenOccurrencesNewestFirst) {
  const iArray series = {3, 5, 3, 3, 4, 3};
  EXPECT_EQ(FrequencySteps(series, 3), (iArray{1, 2, 1, 2}));
  EXPECT_EQ(FrequencySteps(series, 4), (iArray{5}));
  EXPECT_TRUE(FrequencySteps(series, 7).empty());
}

TEST(FrequencySteps, StepsTextSortedOrInSeriesOrderPaddedToAtLeastThirty) {
  TFrequency f;
  f.Otbor.PrintSteps = true;
  f.CreateFrequencyTable({3, 5, 3, 3, 4, 3});
  ASSERT_EQ(ValuesOf(f), (iArray{3, 4, 5}));
  EXPECT_EQ(f.Values[0].Steps, (iArray{1, 2, 1, 2}));
  EXPECT_EQ(f.Values[0].StepsString, u"    1   ..   1 2 2         "_s.leftJustified(30));
  EXPECT_EQ(f.Values[1].StepsString, u"    5   ..           "_s.leftJustified(30));
  EXPECT_EQ(f.Values[2].StepsString, u"    2   ..           "_s.leftJustified(30));

  f.Otbor.SortSteps = false;
  f.CreateFrequencyTable({3, 5, 3, 3, 4, 3});
  EXPECT_EQ(f.Values[0].StepsString, u"    1   ..   2 1 2         "_s.leftJustified(30));
}

TEST(FrequencySteps, LongestStepsTextSetsTheWidthOfAll) {
  TFrequency f;
  f.Otbor.PrintSteps = true;
  iArray series(12, 1);
  series.push_back(2);
  f.CreateFrequencyTable(series);
  const QString longest = u"    1   ..   "_s + u"1 "_s.repeated(11) + QString(8, u' ');
  ASSERT_EQ(longest.size(), 43);
  EXPECT_EQ(f.Values[0].StepsString, longest);
  EXPECT_EQ(f.Values[1].StepsString, u"   13   ..           "_s.leftJustified(43));
}

TEST(FrequencySteps, NoStepsWithoutTheOption) {
  TFrequency f;
  f.CreateFrequencyTable({1, 2, 1});
  EXPECT_TRUE(f.Values[0].Steps.empty());
  EXPECT_EQ(f.Values[0].StepsString, QString(30, u' '));
  EXPECT_TRUE(f.Values[0].SeriesString.isEmpty());
}

TEST(FrequencySeries, OneMarkPerElementAndASpaceAfterEveryTenth) {
  iArray series(12, 0);
  series[0] = 7;
  series[11] = 7;
  EXPECT_EQ(FrequencySeriesText(series, 7), u"1......... .1"_s);
  EXPECT_EQ(FrequencySeriesText(iArray(10, 7), 7), u"1111111111 "_s);
  EXPECT_EQ(FrequencySeriesText({}, 7), QString());

  TFrequency f;
  f.Otbor.PrintSeries = true;
  f.CreateFrequencyTable(series);
  ASSERT_EQ(ValuesOf(f), (iArray{0, 7}));
  EXPECT_EQ(f.Values[0].SeriesString, u".111111111 1."_s);
  EXPECT_EQ(f.Values[1].SeriesString, u"1......... .1"_s);
}

// ---------------------------------------------------------------- value line

TEST(FrequencyValueLine, DocumentedExampleOfValueSeven) {
  TFrequency f;
  TFrequencyValue v;
  v.Value = 7;
  v.Count = 5;
  v.Procent = 0.1234;
  v.ProcentString = u"12.34"_s;
  v.MaxFreq = 12;
  const QString expected = u"       7"_s + u"        "_s + u"   12.34"_s + u"%   "_s + u"   5"_s +
                           u" *****"_s + QString(70 - 38, u' ');
  EXPECT_EQ(f.PrintValueFrequency(v), expected);
  EXPECT_EQ(expected.size(), 70);
}

TEST(FrequencyValueLine, BarScalesAboveThirtyWithHalvesToEven) {
  TFrequency f;
  TFrequencyValue v;
  v.Value = 1;
  v.Procent = 0.5;
  v.ProcentString = u"50.00"_s;
  v.MaxFreq = 31;  // scale 2
  v.Count = 31;    // 15.5 → 16
  EXPECT_EQ(f.PrintValueFrequency(v), Line(u"1"_s, u"50.00"_s, u"31"_s, QString(16, u'*')));
  v.Count = 5;  // 2.5 → 2
  EXPECT_EQ(f.PrintValueFrequency(v), Line(u"1"_s, u"50.00"_s, u"5"_s, u"**"_s));
  v.Count = 1;  // 0.5 → 0: no asterisk at all
  EXPECT_EQ(f.PrintValueFrequency(v), Line(u"1"_s, u"50.00"_s, u"1"_s, QString()));
  v.MaxFreq = 30;  // scale 1: one asterisk per occurrence
  v.Count = 30;
  EXPECT_EQ(f.PrintValueFrequency(v), Line(u"1"_s, u"50.00"_s, u"30"_s, QString(30, u'*')));
}

TEST(FrequencyValueLine, BarsOfARealSeriesNeverExceedThirty) {
  iArray series(31, 0);
  series.insert(series.end(), 5, 1);
  TFrequency f;
  f.CreateFrequencyTable(series);
  ASSERT_EQ(f.Values.size(), 2u);
  EXPECT_EQ(f.Values[0].FrequencyString, Line(u"0"_s, u"86.11"_s, u"31"_s, QString(16, u'*')));
  EXPECT_EQ(f.Values[1].FrequencyString, Line(u"1"_s, u"13.89"_s, u"5"_s, u"**"_s));
}

TEST(FrequencyValueLine, PerCentDecimalsAndSeparator) {
  iArray series(30, 0);
  for (int i = 0; i < 7; ++i) series[size_t(i)] = 1;
  auto percentOf1 = [&](int razr, QChar separator) {
    TFrequency f;
    f.Otbor.ProcentRazr = razr;
    f.DecimalSeparator = separator;
    f.CreateFrequencyTable(series);
    return f.Values[1].ProcentString;
  };
  EXPECT_EQ(percentOf1(2, u'.'), u"23.33"_s);
  EXPECT_EQ(percentOf1(0, u'.'), u"23"_s);
  EXPECT_EQ(percentOf1(1, u'.'), u"23.3"_s);
  EXPECT_EQ(percentOf1(3, u'.'), u"23.333"_s);
  EXPECT_EQ(percentOf1(4, u'.'), u"23.33"_s);
  EXPECT_EQ(percentOf1(-1, u'.'), u"23.33"_s);
  EXPECT_EQ(percentOf1(2, u','), u"23,33"_s);

  // An exact half is rounded away from zero: 1 of 8 is 12.5 per cent.
  TFrequency f;
  f.Otbor.ProcentRazr = 0;
  f.CreateFrequencyTable({1, 2, 2, 2, 2, 2, 2, 2});
  EXPECT_EQ(f.Values[0].ProcentString, u"13"_s);
}

TEST(FrequencyValueLine, WinCodeTitles) {
  TFrequencyWinCode w;
  EXPECT_EQ(w.GetValueTitle(5), u"005"_s);
  EXPECT_EQ(w.GetValueTitle(-1), u"xxx"_s);
  EXPECT_EQ(w.GetValueTitle(203), u"203"_s);
  EXPECT_EQ(w.GetValueTitle(32), u"032"_s);
  EXPECT_EQ(w.GetValueTitle(1203), u"x03"_s);
  EXPECT_EQ(w.GetValueTitle(0), u"000"_s);

  w.CreateFrequencyTable({5, 5, -1});
  ASSERT_EQ(w.Values.size(), 2u);
  EXPECT_EQ(w.Values[0].FrequencyString, Line(u"xxx"_s, u"33.33"_s, u"1"_s, u"*"_s));
  EXPECT_EQ(w.Values[1].FrequencyString, Line(u"005"_s, u"66.67"_s, u"2"_s, u"**"_s));
}

// ---------------------------------------------------------------- options

TEST(FrequencyOptions, ZeroRowsOnlyWithinTheSeriesRangeWhenKept) {
  TFrequency f;
  f.Otbor.DelZero = false;
  f.CreateFrequencyTable({2, 3, 5});
  ASSERT_EQ(ValuesOf(f), (iArray{2, 3, 4, 5}));
  EXPECT_EQ(f.Values[2].FrequencyString, Line(u"4"_s, u"."_s, u"0"_s, u"."_s));
  EXPECT_EQ(f.Values[2].ProcentString, u"0.00"_s);
  EXPECT_EQ(f.Values[0].FrequencyString, Line(u"2"_s, u"33.33"_s, u"1"_s, u"*"_s));

  f.Otbor.DelZero = true;
  f.CreateFrequencyTable({2, 3, 5});
  EXPECT_EQ(ValuesOf(f), (iArray{2, 3, 5}));
}

TEST(FrequencyOptions, SortByCountKeepsAscendingValuesOnTies) {
  const iArray series = {5, 1, 5, 1, 3, 8, 8, 8};
  TFrequency f;
  f.Otbor.Sort = true;
  f.CreateFrequencyTable(series);
  EXPECT_EQ(ValuesOf(f), (iArray{8, 1, 5, 3}));
  f.Otbor.SortUp = true;
  f.CreateFrequencyTable(series);
  EXPECT_EQ(ValuesOf(f), (iArray{3, 1, 5, 8}));
  // The frequency order does not depend on Sort.
  EXPECT_EQ(f.RangeFrequencyOrder, (iArray{8, 1, 5, 3}));
}

TEST(FrequencyOptions, BuildingAgainReplacesTheValues) {
  TFrequency f;
  f.CreateFrequencyTable({1, 2, 3});
  f.CreateFrequencyTable({9});
  EXPECT_EQ(ValuesOf(f), (iArray{9}));
  EXPECT_EQ(f.RangeFrequencyOrder, (iArray{9}));
  f.CreateFrequencyTable(iArray{});
  EXPECT_TRUE(f.Values.empty());
  EXPECT_TRUE(f.RangeFrequencyOrder.empty());
}

TEST(FrequencyOptions, HugeSpanWithoutDelZeroListsOnlyOccurringValues) {
  TFrequency f;
  f.Otbor.DelZero = false;
  f.Otbor.PrintSteps = true;
  f.Otbor.PrintSeries = true;
  f.CreateFrequencyTable({2000000000, 0, 0});
  ASSERT_EQ(ValuesOf(f), (iArray{0, 2000000000}));
  EXPECT_EQ(f.Values[0].Steps, (iArray{2, 1}));
  EXPECT_EQ(f.Values[1].SeriesString, u"1.."_s);
  // A title longer than 8 characters is never cut.
  EXPECT_EQ(f.Values[1].FrequencyString,
            QString(u"2000000000      "_s + u"   33.33%      1 *"_s).leftJustified(70));
}

TEST(FrequencyOptions, TableOfRowsHasNoStepsAndNoSeries) {
  TFrequency f;
  f.Otbor.PrintSteps = true;
  f.Otbor.PrintSeries = true;
  f.CreateFrequencyTable(iArray2D{{1, 3}, {}, {3, 3}});
  ASSERT_EQ(ValuesOf(f), (iArray{1, 3}));
  EXPECT_EQ(f.Values[1].Count, 3);
  EXPECT_EQ(f.Values[1].FrequencyString, Line(u"3"_s, u"75.00"_s, u"3"_s, u"***"_s));
  for (const TFrequencyValue& v : f.Values) {
    EXPECT_TRUE(v.Steps.empty());
    EXPECT_TRUE(v.StepsString.isEmpty());
    EXPECT_TRUE(v.SeriesString.isEmpty());
  }
  EXPECT_EQ(f.RangeFrequencyOrder, (iArray{3, 1}));
}

// ---------------------------------------------------------------- printing

TEST(FrequencyPrint, PlainTableAppendsTitleHeadingAndValueLines) {
  TReportPane pane;
  pane.AddLine(u"before"_s);
  TFrequency f;
  f.Otbor.TableTitle = u"Частота:"_s;
  f.Otbor.ValueTitle = u"Val"_s;
  f.CreateFrequencyTable({2, 1, 2});
  f.Print(pane);
  EXPECT_EQ(pane.Texts(),
            (QStringList{u"before"_s, u"Частота:"_s, Heading(u"Val"_s).leftJustified(70),
                         Line(u"1"_s, u"33.33"_s, u"1"_s, u"*"_s),
                         Line(u"2"_s, u"66.67"_s, u"2"_s, u"**"_s)}));
  for (int i = 0; i < pane.LineCount(); ++i) EXPECT_TRUE(pane.Spans(i).empty());
}

TEST(FrequencyPrint, StepsAndSeriesColumnsWithTheirHeadings) {
  TReportPane pane;
  TFrequency f;
  f.Otbor.TableTitle = u"T"_s;
  f.Otbor.ValueTitle = u"Val"_s;
  f.Otbor.PrintSteps = true;
  f.Otbor.PrintSeries = true;
  f.CreateFrequencyTable({3, 5, 3, 3, 4, 3});
  f.Print(pane);
  const QString heading = Heading(u"Val"_s).leftJustified(70) +
                          u" Skip   ..   Шаги (Steps)"_s.leftJustified(30) +
                          u"<-- <-- Серия (Series) <-- <--"_s;
  EXPECT_EQ(pane.Texts(),
            (QStringList{u"T"_s, heading,
                         Line(u"3"_s, u"66.67"_s, u"4"_s, u"****"_s) +
                             u"    1   ..   1 2 2         "_s.leftJustified(30) + u"1.11.1"_s,
                         Line(u"4"_s, u"16.67"_s, u"1"_s, u"*"_s) +
                             u"    5   ..           "_s.leftJustified(30) + u"....1."_s,
                         Line(u"5"_s, u"16.67"_s, u"1"_s, u"*"_s) +
                             u"    2   ..           "_s.leftJustified(30) + u".1...."_s}));
}

TEST(FrequencyPrint, StepsAreBuiltButNotPrintedWhenOnlySeriesIsAsked) {
  TReportPane pane;
  TFrequency f;
  f.Otbor.PrintSeries = true;
  f.CreateFrequencyTable({1, 2});
  f.Print(pane);
  EXPECT_EQ(pane.Line(1),
            Heading(QString()).leftJustified(70) + u"<-- <-- Серия (Series) <-- <--"_s);
  EXPECT_EQ(pane.Line(2), Line(u"1"_s, u"50.00"_s, u"1"_s, u"*"_s) + u"1."_s);
}

TEST(FrequencyPrint, SingleElementSeries) {
  TReportPane pane;
  TFrequency f;
  f.Otbor.PrintSteps = true;
  f.Otbor.PrintSeries = true;
  f.CreateFrequencyTable({4});
  ASSERT_EQ(f.Values.size(), 1u);
  EXPECT_EQ(f.Values[0].Procent, 1.0);
  EXPECT_EQ(f.Values[0].Steps, (iArray{1}));
  EXPECT_EQ(f.Values[0].SeriesString, u"1"_s);
  f.Print(pane);
  EXPECT_EQ(pane.Line(2), Line(u"4"_s, u"100.00"_s, u"1"_s, u"*"_s) +
                              u"    1   ..           "_s.leftJustified(30) + u"1"_s);
}

TEST(FrequencyPrint, SelectRedMarksTheFrequencyPartOfItsLine) {
  TReportPane pane;
  TFrequency f;
  f.Otbor.PrintSteps = true;
  f.Otbor.PrintFreqOrder = true;
  f.Otbor.SelectRed = {2, 99};  // 99 is not in the table and marks nothing
  f.CreateFrequencyTable({1, 2, 2, 3});
  f.Print(pane);
  ASSERT_EQ(pane.LineCount(), 8);
  EXPECT_TRUE(pane.Spans(2).empty());
  EXPECT_EQ(pane.Spans(3), (std::vector<THighlight>{kRedBold}));
  EXPECT_GT(pane.Line(3).size(), 70);  // the steps column stays unmarked
  EXPECT_TRUE(pane.Spans(4).empty());
  EXPECT_EQ(pane.Line(7), u"2 1 3 "_s);
  EXPECT_EQ(pane.Spans(7), (std::vector<THighlight>{{0, 2, clRed, clWhite, fsBold}}));
}

TEST(FrequencyPrint, FrequencyOrderMarksWholeNumbersOnly) {
  TReportPane pane;
  TFrequency f;
  f.Otbor.PrintFreqOrder = true;
  f.Otbor.SelectRed = {7};
  f.CreateFrequencyTable({17, 17, 7});
  f.Print(pane);
  EXPECT_EQ(pane.Texts().mid(4),
            (QStringList{QString(), u"В порядке частоты выпадения: "_s, u"17 7 "_s}));
  EXPECT_EQ(pane.Spans(6), (std::vector<THighlight>{{3, 2, clRed, clWhite, fsBold}}));

  TReportPane other;
  f.CreateFrequencyTable({17, 17});
  f.Print(other);
  EXPECT_EQ(other.Line(5), u"17 "_s);
  for (int i = 0; i < other.LineCount(); ++i) EXPECT_TRUE(other.Spans(i).empty()) << i;
}

TEST(FrequencyPrint, MaxPrintStopsBeforeTheEmptyLineButNotTheFrequencyOrder) {
  iArray series;
  for (int v = 19; v >= 0; --v) series.push_back(v);
  TFrequency f;
  f.Otbor.MaxPrint = 10;
  f.Otbor.InsertSpace = 10;
  f.CreateFrequencyTable(series);

  TReportPane pane;
  f.Print(pane);
  ASSERT_EQ(pane.LineCount(), 12);  // title, heading, ten value lines, no empty line
  EXPECT_EQ(pane.Line(11), Line(u"9"_s, u"5.00"_s, u"1"_s, u"*"_s));

  f.Otbor.PrintFreqOrder = true;
  TReportPane withOrder;
  f.Print(withOrder);
  ASSERT_EQ(withOrder.LineCount(), 15);
  EXPECT_EQ(withOrder.Line(12), QString());
  EXPECT_EQ(withOrder.Line(14), u"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 "_s);
}

TEST(FrequencyPrint, InsertSpaceAddsAnEmptyLineAfterEveryGroup) {
  TFrequency f;
  f.Otbor.InsertSpace = 3;
  f.CreateFrequencyTable({1, 2, 3, 4, 5, 6, 7});
  TReportPane pane;
  f.Print(pane);
  QStringList texts = pane.Texts();
  ASSERT_EQ(texts.size(), 2 + 7 + 2);
  EXPECT_EQ(texts[5], QString());
  EXPECT_EQ(texts[9], QString());
  EXPECT_EQ(texts[10], Line(u"7"_s, u"14.29"_s, u"1"_s, u"*"_s));
}

TEST(FrequencyPrint, EmptySeriesPrintsTitleUnpaddedHeadingAndEmptyOrder) {
  TFrequency f;
  f.Otbor.TableTitle = u"Title"_s;
  f.Otbor.ValueTitle = u"V"_s;
  f.Otbor.PrintSteps = true;
  f.Otbor.PrintFreqOrder = true;
  f.CreateFrequencyTable(iArray{});
  TReportPane pane;
  f.Print(pane);
  EXPECT_EQ(pane.Texts(), (QStringList{u"Title"_s, Heading(u"V"_s) + u" Skip   ..   Шаги (Steps)"_s,
                                       QString(), u"В порядке частоты выпадения: "_s, QString()}));
}

TEST(FrequencyPrint, OneCallFormSetsItsOptionsAndTheSeparator) {
  TReportPane pane;
  PrintFrequencyOfSeries(pane, {4, 1, 4, 2, 2, 2, 0}, u"Пропуск"_s, u"Skip"_s, /*Sort=*/true,
                         /*SortUp=*/true, /*DelZero=*/false, /*MaxPrint=*/4,
                         /*PrintFreqOrder=*/true, /*SelectRed=*/{4}, u',');
  EXPECT_EQ(pane.Texts(),
            (QStringList{
                u"Пропуск"_s, Heading(u"Skip"_s).leftJustified(70),
                Line(u"3"_s, u"."_s, u"0"_s, u"."_s), Line(u"0"_s, u"14,29"_s, u"1"_s, u"*"_s),
                Line(u"1"_s, u"14,29"_s, u"1"_s, u"*"_s), Line(u"4"_s, u"28,57"_s, u"2"_s, u"**"_s),
                QString(), u"В порядке частоты выпадения: "_s, u"2 4 0 1 "_s}));
  EXPECT_EQ(pane.Spans(5), (std::vector<THighlight>{kRedBold}));
  EXPECT_EQ(pane.Spans(8), (std::vector<THighlight>{{2, 2, clRed, clWhite, fsBold}}));
}

TEST(FrequencyPrint, ColumnsTooWideForEveryRowAreLeftOutAndSaidSo) {
  // 5,000 distinct values in a 5,000-long series: 5,000 rows of a 5,500-character series text.
  iArray distinct(5000);
  for (int i = 0; i < 5000; ++i) distinct[static_cast<size_t>(i)] = i + 1;
  TFrequency f;
  f.Otbor.TableTitle = u"T"_s;
  f.Otbor.ValueTitle = u"V"_s;
  f.Otbor.PrintSeries = true;
  f.Otbor.PrintSteps = true;
  f.CreateFrequencyTable(distinct);
  EXPECT_TRUE(f.SeriesLeftOut);
  EXPECT_FALSE(f.StepsLeftOut);  // 5,000 rows of 30 characters fit
  TReportPane pane;
  f.Print(pane);
  EXPECT_EQ(pane.LineCount(), 2 + 1 + 5000);
  EXPECT_EQ(pane.Line(1),
            u"Серия не показана (series not shown): 5.000 строк (rows) по 5.500 знаков "
            u"(characters), больше 16.000.000 знаков (characters)."_s);
  EXPECT_FALSE(pane.Line(2).contains(u"Серия"_s));
  EXPECT_TRUE(pane.Line(2).contains(u"Шаги (Steps)"_s));
  EXPECT_EQ(pane.Line(3).size(), 70 + 30);

  // One value in every other element has 5,000 steps: every row would be padded to its text.
  iArray busy(10000);
  for (int i = 0; i < 10000; ++i) busy[static_cast<size_t>(i)] = i % 2 == 0 ? 1 : i + 1;
  f.CreateFrequencyTable(busy);
  EXPECT_TRUE(f.StepsLeftOut && f.SeriesLeftOut);
  pane.Clear();
  f.Print(pane);
  EXPECT_TRUE(
      pane.Line(1).startsWith(u"Шаги не показаны (steps not shown): 5.001 строк (rows) по "_s));
  EXPECT_TRUE(pane.Line(2).startsWith(
      u"Серия не показана (series not shown): 5.001 строк (rows) по 11.000 "_s));
  EXPECT_EQ(pane.Line(3), Heading(u"V"_s).leftJustified(70));
  EXPECT_EQ(pane.Line(4).size(), 70);

  // Within the bound both columns stay.
  f.CreateFrequencyTable(iArray(distinct.begin(), distinct.begin() + 1000));
  EXPECT_FALSE(f.StepsLeftOut || f.SeriesLeftOut);
}
