// The result pane document and the report writer's helpers: padded columns, numbers found
// and highlighted in a line, bulk replacement of the content.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "core/ReportPane.h"
#include "core/ReportRender.h"

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Readable failure messages for spans and runs.
static void PrintTo(const THighlight& h, std::ostream* os) {
  *os << "{col " << h.Column << ", len " << h.Length << ", color " << std::hex << h.Color
      << ", background " << h.Background << std::dec << ", style " << int{h.Style} << "}";
}
static void PrintTo(const TStyledRun& r, std::ostream* os) {
  *os << "{start " << r.Start << ", len " << r.Length << std::hex;
  if (r.Color) *os << ", color " << *r.Color;
  if (r.Background) *os << ", background " << *r.Background;
  *os << std::dec;
  if (r.Style) *os << ", style " << int{*r.Style};
  *os << "}";
}

namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();

THighlight Span(int column, int length, TColor color, TColor background, TFontStyles style) {
  return {column, length, color, background, style};
}

// ---------------------------------------------------------------------------------------
// Text helpers

TEST(ReportPaneText, PadNeverCutsAndCountsCharacters) {
  EXPECT_EQ(PadLeft(4, u"12345"_s), u"12345"_s);
  EXPECT_EQ(PadLeft(5, QString()), u"     "_s);
  EXPECT_EQ(PadLeft(5, u"ab"_s), u"   ab"_s);
  EXPECT_EQ(PadLeft(-3, u"ab"_s), u"ab"_s);
  EXPECT_EQ(PadRight(5, u"ab"_s), u"ab   "_s);
  EXPECT_EQ(PadRight(2, u"abc"_s), u"abc"_s);
  EXPECT_EQ(PadRight(3, QString()), u"   "_s);
  EXPECT_EQ(PadLeft(7, u"Тираж"_s), u"  Тираж"_s);
  EXPECT_EQ(PadRight(7, u"Тираж"_s), u"Тираж  "_s);
}

TEST(ReportPaneText, IntPadLeftAndZeroPad) {
  EXPECT_EQ(IntPadLeft(4, -7), u"  -7"_s);
  EXPECT_EQ(IntPadLeft(3, 5), u"  5"_s);
  EXPECT_EQ(IntPadLeft(1, 123), u"123"_s);
  EXPECT_EQ(IntPadLeft(0, 0), u"0"_s);
  EXPECT_EQ(ZeroPad(3, 7), u"007"_s);
  EXPECT_EQ(ZeroPad(2, 123), u"123"_s);
  EXPECT_EQ(ZeroPad(4, 0), u"0000"_s);
  EXPECT_EQ(ZeroPad(0, 5), u"5"_s);
}

TEST(ReportPaneText, RepeatText) {
  EXPECT_EQ(RepeatText(-1, u"-"_s), QString());
  EXPECT_EQ(RepeatText(0, u"-"_s), QString());
  EXPECT_EQ(RepeatText(1, u"ab"_s), u"ab"_s);
  EXPECT_EQ(RepeatText(3, u"ab"_s), u"ababab"_s);
}

TEST(ReportPaneText, GroupThousands) {
  EXPECT_EQ(GroupThousands(u"1000"_s), u"1.000"_s);
  EXPECT_EQ(GroupThousands(u"100"_s), u"100"_s);
  EXPECT_EQ(GroupThousands(QString()), QString());
  EXPECT_EQ(GroupThousands(u"1234567"_s), u"1.234.567"_s);
  EXPECT_EQ(GroupThousands(u"123456"_s), u"123.456"_s);
  EXPECT_EQ(GroupThousands(u"12345"_s), u"12.345"_s);
  EXPECT_EQ(GroupThousands(u"7"_s), u"7"_s);
  EXPECT_EQ(GroupThousands(u"100000000"_s), u"100.000.000"_s);
}

TEST(ReportPaneText, NumbersToTextWithAndWithoutWidth) {
  EXPECT_EQ(NumbersToText(0, {1, 22, -3}), u"1 22 -3 "_s);
  EXPECT_EQ(NumbersToText(3, {1, 22, -3}), u"  1 22 -3"_s);
  EXPECT_EQ(NumbersToText(2, {123, 4}), u"123 4"_s);  // a wider value is not cut
  EXPECT_EQ(NumbersToText(0, {}), QString());
  EXPECT_EQ(NumbersToText(3, {}), QString());
}

TEST(ReportPaneText, TableToLinesSkipsRowsWithoutValues) {
  const iArray2D table{{1, 2}, {}, {30}};
  EXPECT_EQ(TableToLines(table, 3), (QStringList{u"  1  2"_s, u" 30"_s}));
  EXPECT_EQ(TableToLines(table, 0), (QStringList{u"12"_s, u"30"_s}));
  EXPECT_TRUE(TableToLines({}, 3).isEmpty());
  EXPECT_TRUE(TableToLines({{}, {}}, 3).isEmpty());
}

TEST(ReportPaneText, FindNumberInLineFindsTheLastWholeRun) {
  EXPECT_EQ(FindNumberInLine(7, u"17 27"), -1);
  EXPECT_EQ(FindNumberInLine(7, u"7"), 0);
  EXPECT_EQ(FindNumberInLine(7, u"x 07"), 2);
  EXPECT_EQ(FindNumberInLine(5, u"  5 15 25  5"), 11);
  EXPECT_EQ(FindNumberInLine(15, u"  5 15 25  5"), 4);
  EXPECT_EQ(FindNumberInLine(25, u"  5 15 25  5"), 7);
  EXPECT_EQ(FindNumberInLine(1, u"  5 15 25  5"), -1);
  EXPECT_EQ(FindNumberInLine(0, u""), -1);
  EXPECT_EQ(FindNumberInLine(0, u"a0b"), 1);
  EXPECT_EQ(FindNumberInLine(12, u"Тираж 12:"), 6);
  EXPECT_EQ(FindNumberInLine(5, u"99999999999999999999 5"), 21);
  EXPECT_EQ(FindNumberInLine(99999, u"99999999999999999999"), -1);
}

// ---------------------------------------------------------------------------------------
// The pane: lines and spans

TEST(ReportPaneLines, AddInsertAndText) {
  TReportPane pane;
  EXPECT_TRUE(pane.IsEmpty());
  EXPECT_EQ(pane.AddLine(u"first"_s), 0);
  EXPECT_EQ(pane.AddLine(u"third"_s), 1);
  pane.HighlightSpan(1, 0, 5, clRed, clWhite, fsBold);

  pane.InsertLine(1, u"second"_s);
  ASSERT_EQ(pane.LineCount(), 3);
  EXPECT_EQ(pane.Texts(), (QStringList{u"first"_s, u"second"_s, u"third"_s}));
  EXPECT_THAT(pane.Spans(1), IsEmpty());
  EXPECT_THAT(pane.Spans(2), ElementsAre(Span(0, 5, clRed, clWhite, fsBold)));

  pane.InsertLine(3, u"last"_s);  // at the end: appends
  pane.InsertLine(0, u"top"_s);
  pane.InsertLine(-1, u"bad"_s);  // out of range: ignored
  pane.InsertLine(6, u"bad"_s);
  EXPECT_EQ(pane.Text(), u"top\nfirst\nsecond\nthird\nlast"_s);
  EXPECT_THAT(pane.Spans(3), ElementsAre(Span(0, 5, clRed, clWhite, fsBold)));

  pane.Clear();
  EXPECT_TRUE(pane.IsEmpty());
  EXPECT_EQ(pane.Text(), QString());
}

TEST(ReportPaneLines, ReplaceLinesDropsEarlierLinesAndTheirSpans) {
  TReportPane pane;
  pane.AddLine(u"old 1"_s);
  pane.AddLine(u"old 2"_s);
  pane.HighlightSpan(0, 0, 3, clBlue, clWhite, fsBold);
  pane.HighlightSpan(1, 0, 3, clBlue, clWhite, fsBold);

  pane.ReplaceLines({u"a"_s, QString(), u"c"_s});
  EXPECT_EQ(pane.Texts(), (QStringList{u"a"_s, QString(), u"c"_s}));
  for (int i = 0; i < pane.LineCount(); ++i) EXPECT_THAT(pane.Spans(i), IsEmpty()) << i;

  pane.ReplaceLines({});
  EXPECT_TRUE(pane.IsEmpty());
}

TEST(ReportPaneLines, ShowTableReplacesTheContent) {
  TReportPane pane;
  pane.AddLine(u"header"_s);
  ShowTable({{1, 2, 3}, {}, {10, 20, 30}}, pane, 3);
  EXPECT_EQ(pane.Texts(), (QStringList{u"  1  2  3"_s, u" 10 20 30"_s}));
}

TEST(ReportPaneLines, AppendKeepsTheOtherPanesHighlights) {
  TReportPane pane, other;
  pane.AddLine(u"mine"_s);
  other.AddLine(u"theirs 12"_s);
  other.HighlightSpan(0, 7, 2, clRed, clWhite, fsBold);
  pane.Append(other);
  EXPECT_EQ(pane.Texts(), (QStringList{u"mine"_s, u"theirs 12"_s}));
  EXPECT_THAT(pane.Spans(0), IsEmpty());
  EXPECT_THAT(pane.Spans(1), ElementsAre(Span(7, 2, clRed, clWhite, fsBold)));
}

TEST(ReportPaneHighlight, SpansAreStoredInOrderAndClippedToTheLine) {
  TReportPane pane;
  pane.AddLine(u"12345"_s);
  pane.HighlightSpan(0, 1, 2, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, 3, 5, clLeave, clLightGrey, 0);   // runs past the end
  pane.HighlightSpan(0, -1, 2, clBlue, clWhite, 0);       // starts before the line
  pane.HighlightSpan(0, 2, kMaxInt, clBlue, clWhite, 0);  // "to the end of the line"
  EXPECT_THAT(pane.Spans(0),
              ElementsAre(Span(1, 2, clRed, clWhite, fsBold), Span(3, 2, clLeave, clLightGrey, 0),
                          Span(0, 1, clBlue, clWhite, 0), Span(2, 3, clBlue, clWhite, 0)));
}

TEST(ReportPaneHighlight, NothingOutsideTheLineOrOfNoLength) {
  TReportPane pane;
  pane.AddLine(u"12345"_s);
  pane.AddLine(QString());
  pane.HighlightSpan(0, 5, 2, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, kMaxInt, kMaxInt, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, 1, 0, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, 1, -3, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, -5, 3, clRed, clWhite, fsBold);
  pane.HighlightSpan(1, 0, 2, clRed, clWhite, fsBold);
  pane.HighlightSpan(-1, 0, 2, clRed, clWhite, fsBold);
  pane.HighlightSpan(2, 0, 2, clRed, clWhite, fsBold);
  EXPECT_THAT(pane.Spans(0), IsEmpty());
  EXPECT_THAT(pane.Spans(1), IsEmpty());
}

TEST(ReportPaneHighlight, BlackLeavesTheColourEmptyStyleLeavesTheStyleBackgroundAlwaysSet) {
  TReportPane pane;
  pane.AddLine(u"abcdef"_s);
  pane.HighlightSpan(0, 0, 4, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, 2, 4, clLeave, clLightGrey, 0);
  EXPECT_THAT(ResolveRuns(pane.Lines()[0]),
              ElementsAre(TStyledRun{0, 2, clRed, clWhite, fsBold},
                          TStyledRun{2, 2, clRed, clLightGrey, fsBold},
                          TStyledRun{4, 2, std::nullopt, clLightGrey, std::nullopt}));

  // A later colour and style replace the earlier ones; the style is not merged.
  pane.HighlightSpan(0, 0, 1, clBlue, clWhite, fsItalic);
  EXPECT_EQ(ResolveRuns(pane.Lines()[0]).front(), (TStyledRun{0, 1, clBlue, clWhite, fsItalic}));
}

TEST(ReportPaneHighlight, HighlightNumbersMarksTheLastOccurrenceTwoCharactersBoldOnWhite) {
  TReportPane pane;
  const QString text = u"  5 15 25  5"_s;
  pane.AddLine(text);
  HighlightNumbers({5, 25, 40}, 0, 0, text, clBlue, pane);
  // 5 only at its last place, clipped at the line's end; 40 is not in the line.
  EXPECT_THAT(pane.Spans(0), ElementsAre(Span(11, 1, clBlue, clWhite, fsBold),
                                         Span(7, 2, clBlue, clWhite, fsBold)));
}

TEST(ReportPaneHighlight, HighlightNumbersCoversTheCharacterAfterAOneDigitNumber) {
  TReportPane pane;
  const QString balls = u" 3 17 123"_s;
  const int line = pane.AddLine(u"0042:"_s + balls);
  HighlightNumbers({3, 123, 17}, line, 5, balls, clRed, pane);
  EXPECT_THAT(pane.Spans(line),
              ElementsAre(Span(6, 2, clRed, clWhite, fsBold), Span(11, 2, clRed, clWhite, fsBold),
                          Span(8, 2, clRed, clWhite, fsBold)));
  HighlightNumbers({}, line, 5, balls, clRed, pane);
  EXPECT_EQ(pane.Spans(line).size(), 3u);
}

TEST(ReportPaneColors, WindowsColourNumbers) {
  EXPECT_EQ(ColorFromWindows(255), clRed);
  EXPECT_EQ(ColorFromWindows(16711680), clBlue);
  EXPECT_EQ(ColorFromWindows(16777215), clWhite);
  EXPECT_EQ(ColorFromWindows(15132390), clLightGrey);
  EXPECT_EQ(ColorFromWindows(0x258F25), clDrawnGreen);  // green in the middle stays
}

}  // namespace
