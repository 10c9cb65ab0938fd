// The shared array operations: lists, rows of ragged tables, numbers read out of text,
// tables through the clipboard, factorials and binomial coefficients.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestHost.h"
#include "core/CommonFunctions.h"

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

// ---------------------------------------------------------------------------------------
// List operations

TEST(CommonFunctionsLists, EveryOperationAcceptsAnEmptyArray) {
  const iArray empty;
  EXPECT_EQ(ArraySum(empty), 0);
  EXPECT_THAT(ArrayReverse(empty), IsEmpty());
  iArray sorted;
  EXPECT_THAT(ArraySort(sorted, 1), IsEmpty());
  EXPECT_THAT(ArraySort(sorted, 0), IsEmpty());
  iArray unique;
  ArrayUnique(unique);
  EXPECT_THAT(unique, IsEmpty());
  EXPECT_THAT(ArrayCopy(empty), IsEmpty());
  EXPECT_FALSE(ArrayContains(0, empty));
  EXPECT_EQ(CountCommon(empty, {1, 2}), 0);
  EXPECT_EQ(CountCommon({1, 2}, empty), 0);
  EXPECT_THAT(ArrayDropLast(empty, 0), IsEmpty());
  EXPECT_THAT(ArrayDelete(empty, 0, 1), IsEmpty());
  EXPECT_THAT(ArrayInsert(empty, 0, 9), ElementsAre(9));
}

TEST(CommonFunctionsLists, SumDoesNotOverflowOnLargeElements) {
  EXPECT_EQ(ArraySum({1, -2, 3}), 2);
  EXPECT_EQ(ArraySum({kMaxInt, kMaxInt}), int64_t{2} * kMaxInt);
}

TEST(CommonFunctionsLists, ReverseAsCopyAndInPlace) {
  const iArray a{1, 2, 3};
  EXPECT_THAT(ArrayReverse(a), ElementsAre(3, 2, 1));
  EXPECT_THAT(a, ElementsAre(1, 2, 3));
  iArray b{4, 5};
  ArrayReverseInPlace(b);
  EXPECT_THAT(b, ElementsAre(5, 4));
}

TEST(CommonFunctionsLists, SortIsAscendingOnlyForFlagOne) {
  iArray a{3, 1, 2, 3};
  iArray& same = ArraySort(a, 1);
  EXPECT_EQ(&same, &a);
  EXPECT_THAT(a, ElementsAre(1, 2, 3, 3));
  for (int flag : {0, 2, -1}) {
    iArray b{3, 1, 2, 3};
    EXPECT_THAT(ArraySort(b, flag), ElementsAre(3, 3, 2, 1)) << "flag " << flag;
    EXPECT_THAT(b, ElementsAre(3, 3, 2, 1)) << "flag " << flag;
  }
}

TEST(CommonFunctionsLists, AppendAndConcatKeepOrder) {
  iArray a{1};
  ArrayAppend(a, 7);
  EXPECT_THAT(a, ElementsAre(1, 7));
  EXPECT_THAT(ArrayConcat({1, 2}, {3, 1}), ElementsAre(1, 2, 3, 1));
  EXPECT_THAT(ArrayConcat({}, {3}), ElementsAre(3));
  EXPECT_THAT(ArrayConcat({3}, {}), ElementsAre(3));
}

TEST(CommonFunctionsLists, DropLast) {
  const iArray a{1, 2, 3, 4};
  EXPECT_THAT(ArrayDropLast(a, 1), ElementsAre(1, 2, 3));
  EXPECT_THAT(ArrayDropLast(a, 0), ElementsAre(1, 2, 3, 4));
  EXPECT_THAT(ArrayDropLast(a, -1), ElementsAre(1, 2, 3, 4));
  EXPECT_THAT(ArrayDropLast(a, 3), ElementsAre(1));
  EXPECT_THAT(ArrayDropLast(a, 4), IsEmpty());
  EXPECT_THAT(ArrayDropLast(a, 9), IsEmpty());
}

TEST(CommonFunctionsLists, Delete) {
  const iArray a{1, 2, 3, 4, 5};
  EXPECT_THAT(ArrayDelete(a, 1, 2), ElementsAre(1, 4, 5));
  EXPECT_THAT(ArrayDelete(a, 3, 9), ElementsAre(1, 2, 3));
  EXPECT_THAT(ArrayDelete(a, 3, 2), ElementsAre(1, 2, 3));  // reaches the end exactly
  EXPECT_THAT(ArrayDelete(a, 0, 5), IsEmpty());
  EXPECT_THAT(ArrayDelete(a, 0, 1), ElementsAre(2, 3, 4, 5));
  EXPECT_THAT(ArrayDelete(a, 2, 0), ElementsAre(1, 2, 3, 4, 5));
  EXPECT_THAT(ArrayDelete(a, 5, 1), ElementsAre(1, 2, 3, 4, 5));
  EXPECT_THAT(ArrayDelete(a, -1, 1), ElementsAre(1, 2, 3, 4, 5));
  EXPECT_THAT(ArrayDelete(a, 1, -1), ElementsAre(1, 2, 3, 4, 5));
  EXPECT_THAT(ArrayDelete(a, 1, kMaxInt), ElementsAre(1));
}

TEST(CommonFunctionsLists, Insert) {
  const iArray a{1, 2};
  EXPECT_THAT(ArrayInsert(a, 2, 9), ElementsAre(1, 2, 9));
  EXPECT_THAT(ArrayInsert(a, 0, 9), ElementsAre(9, 1, 2));
  EXPECT_THAT(ArrayInsert(a, 1, 9), ElementsAre(1, 9, 2));
  EXPECT_THAT(ArrayInsert(a, 3, 9), ElementsAre(1, 2));
  EXPECT_THAT(ArrayInsert(a, -1, 9), ElementsAre(1, 2));
}

TEST(CommonFunctionsLists, CopyIsIndependent) {
  iArray a{1, 2};
  iArray b = ArrayCopy(a);
  b[0] = 5;
  EXPECT_THAT(a, ElementsAre(1, 2));
  EXPECT_THAT(b, ElementsAre(5, 2));
}

TEST(CommonFunctionsLists, UniqueKeepsFirstOccurrencesInOrder) {
  iArray a{3, 1, 3, 2, 1};
  ArrayUnique(a);
  EXPECT_THAT(a, ElementsAre(3, 1, 2));
  iArray b{5, 4, 6};
  ArrayUnique(b);
  EXPECT_THAT(b, ElementsAre(5, 4, 6));
  iArray c{-1, -1, -1};
  ArrayUnique(c);
  EXPECT_THAT(c, ElementsAre(-1));
}

TEST(CommonFunctionsLists, ContainsAndCountCommon) {
  EXPECT_TRUE(ArrayContains(7, {5, 7}));
  EXPECT_FALSE(ArrayContains(6, {5, 7}));
  EXPECT_EQ(CountCommon({5, 5, 7}, {5, 6}), 2);
  EXPECT_EQ(CountCommon({5, 7}, {5, 5, 6}), 1);
  EXPECT_EQ(CountCommon({1, 2, 3}, {4, 5}), 0);
  EXPECT_EQ(CountCommon({3, 2, 1}, {1, 2, 3}), 3);
}

// ---------------------------------------------------------------------------------------
// Row operations

const iArray2D kDraws{{101, 1, 2, 3}, {102, 4, 5, 6}, {}};

TEST(CommonFunctionsRows, RowCopyTakesTheBallsOrTheWholeRow) {
  EXPECT_THAT(RowCopy(kDraws, 1, 1, 0), ElementsAre(4, 5, 6));
  EXPECT_THAT(RowCopy(kDraws, 0, 0, 0), ElementsAre(101, 1, 2, 3));
  EXPECT_THAT(RowCopy(kDraws, 0, 1, 1), ElementsAre(1, 2));
  EXPECT_THAT(RowCopy(kDraws, 0, 3, 0), ElementsAre(3));
}

TEST(CommonFunctionsRows, RowCopyIsEmptyOutsideTheTableOrWhenNothingRemains) {
  EXPECT_THAT(RowCopy(kDraws, -1, 0, 0), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 3, 0, 0), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 0, -1, 0), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 0, 0, -1), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 0, 2, 2), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 0, 4, 0), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 0, 0, 4), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 0, kMaxInt, kMaxInt), IsEmpty());
  EXPECT_THAT(RowCopy(kDraws, 2, 0, 0), IsEmpty());
  EXPECT_THAT(RowCopy({}, 0, 0, 0), IsEmpty());
}

TEST(CommonFunctionsRows, AppendAndSetCopyTheRow) {
  iArray2D table;
  iArray row{1, 2};
  RowAppend(table, row);
  RowAppend(table, {});
  row[0] = 9;
  ASSERT_EQ(table.size(), 2u);
  EXPECT_THAT(table[0], ElementsAre(1, 2));
  EXPECT_THAT(table[1], IsEmpty());

  RowSet(table, 1, row);
  EXPECT_THAT(table[1], ElementsAre(9, 2));
  RowSet(table, 0, {});
  EXPECT_THAT(table[0], IsEmpty());
}

TEST(CommonFunctionsRows, RowSetOutsideTheTableChangesNothing) {
  iArray2D table{{1}, {2}};
  RowSet(table, -1, {7});
  RowSet(table, 2, {7});
  EXPECT_EQ(table, (iArray2D{{1}, {2}}));
}

// ---------------------------------------------------------------------------------------
// Numbers out of text

TEST(CommonFunctionsText, ExtractNumbersReadsUnsignedRuns) {
  EXPECT_THAT(ExtractNumbers(u"12, 5;7  x9"), ElementsAre(12, 5, 7, 9));
  EXPECT_THAT(ExtractNumbers(u""), IsEmpty());
  EXPECT_THAT(ExtractNumbers(u"no digits here"), IsEmpty());
  EXPECT_THAT(ExtractNumbers(u"1.234"), ElementsAre(1, 234));
  EXPECT_THAT(ExtractNumbers(u"007"), ElementsAre(7));
  EXPECT_THAT(ExtractNumbers(u"-5 +6"), ElementsAre(5, 6));
  EXPECT_THAT(ExtractNumbers(u"0000000000000000000042"), ElementsAre(42));
  EXPECT_THAT(ExtractNumbers(u"Тираж 12: 3 4"), ElementsAre(12, 3, 4));
}

TEST(CommonFunctionsText, ExtractNumbersTreatsOtherUnicodeDigitsAsSeparators) {
  // Arabic-Indic three, fullwidth one, superscript two.
  EXPECT_THAT(ExtractNumbers(u"1\u06632"), ElementsAre(1, 2));
  EXPECT_THAT(ExtractNumbers(u"\u0663"), IsEmpty());
  EXPECT_THAT(ExtractNumbers(u"4\uFF115\u00B26"), ElementsAre(4, 5, 6));
}

TEST(CommonFunctionsText, ExtractNumbersDropsRunsAboveTheIntegerRange) {
  EXPECT_THAT(ExtractNumbers(u"99999999999 4"), ElementsAre(4));
  EXPECT_THAT(ExtractNumbers(u"2147483647 2147483648"), ElementsAre(kMaxInt));
  EXPECT_THAT(ExtractNumbers(u"4294967296 4294967297"), IsEmpty());  // wrap to 0 and 1 in 32 bits
  const QString huge = u"3 "_s + QString(1000000, u'9') + u" 8"_s;
  EXPECT_THAT(ExtractNumbers(huge), ElementsAre(3, 8));
}

TEST(CommonFunctionsText, ExtractSignedNumbersHonoursAMinusRightBeforeARun) {
  EXPECT_THAT(ExtractSignedNumbers(u"5-3"), ElementsAre(5, -3));
  EXPECT_THAT(ExtractSignedNumbers(u"--3"), ElementsAre(-3));
  EXPECT_THAT(ExtractSignedNumbers(u"3-"), ElementsAre(3));
  EXPECT_THAT(ExtractSignedNumbers(u"-1, -20 - 4"), ElementsAre(-1, -20, 4));
  EXPECT_THAT(ExtractSignedNumbers(u"-0"), ElementsAre(0));
  EXPECT_THAT(ExtractSignedNumbers(u"-007"), ElementsAre(-7));
  EXPECT_THAT(ExtractSignedNumbers(u"\u22125"),
              ElementsAre(5));  // the typographic minus is no sign
  EXPECT_THAT(ExtractSignedNumbers(u""), IsEmpty());
}

TEST(CommonFunctionsText, ExtractSignedNumbersKeepsTheSignedRangeOfRuns) {
  // A signed run is kept when it fits a 32-bit integer: down to -2147483648, up to 2147483647.
  EXPECT_THAT(ExtractSignedNumbers(u"-2147483647 -2147483648 -2147483649 1"),
              ElementsAre(-kMaxInt, -kMaxInt - 1, 1));
  EXPECT_THAT(ExtractSignedNumbers(u"2147483647 2147483648 -99999999999 -4"),
              ElementsAre(kMaxInt, -4));
  EXPECT_THAT(ExtractNumbers(u"-2147483648"), IsEmpty());
}

TEST(CommonFunctionsText, SplitLinesAcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines(u"a\rb\nc\r\nd"), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
  EXPECT_EQ(SplitLines(u"a\r\n"), (QStringList{u"a"_s}));
  EXPECT_EQ(SplitLines(u"a\n"), (QStringList{u"a"_s}));
  EXPECT_EQ(SplitLines(u"\r\n\r\n"), (QStringList{QString(), QString()}));
  EXPECT_EQ(SplitLines(u"\n\r"), (QStringList{QString(), QString()}));  // LF CR is two ends
  EXPECT_EQ(SplitLines(u"a\n\nb"), (QStringList{u"a"_s, QString(), u"b"_s}));
  EXPECT_EQ(SplitLines(u"one"), (QStringList{u"one"_s}));
  EXPECT_TRUE(SplitLines(u"").isEmpty());
}

TEST(CommonFunctionsText, TextToRowsSkipsLinesWithoutNumbers) {
  const iArray2D rows = TextToRows({u"101 1 2 3"_s, QString(), u"note"_s, u"102 4 5 6"_s});
  EXPECT_EQ(rows, (iArray2D{{101, 1, 2, 3}, {102, 4, 5, 6}}));
  EXPECT_TRUE(TextToRows({}).empty());
  // Read in place, bounded: the same rows as splitting the lines first.
  for (const QString& text : {u"1 2\r\n\r\nx\n3\r4 5"_s, u"\n\r7"_s, u"8\r\n"_s, QString()}) {
    bool more = true;
    EXPECT_EQ(TextToRows(text, 10, &more), TextToRows(SplitLines(text)));
    EXPECT_FALSE(more);
  }
  bool more = false;
  EXPECT_EQ(TextToRows(u"1\nno\n2\n3"_s, 2, &more), (iArray2D{{1}, {2}}));
  EXPECT_TRUE(more);
  EXPECT_EQ(TextToRows(u"1\nno\n2\nno"_s, 2, &more), (iArray2D{{1}, {2}}));
  EXPECT_FALSE(more);  // lines without numbers are no further rows
}

TEST(CommonFunctionsText, RowsToTextEndsEveryNumberWithASpaceAndEveryLineWithCrLf) {
  EXPECT_EQ(RowsToText({{1, 2}, {}}), u"1 2 \r\n\r\n"_s);
  EXPECT_EQ(RowsToText({{-5, 10}}), u"-5 10 \r\n"_s);
  EXPECT_EQ(RowsToText({}), QString());
}

TEST(CommonFunctionsText, ClipboardRoundTrip) {
  TTestHost host;
  RowsToClipboard({{101, 1, 2, 3}, {}, {102, 4, 5, 6}}, host);
  EXPECT_EQ(host.Clipboard, u"101 1 2 3 \r\n\r\n102 4 5 6 \r\n"_s);
  EXPECT_EQ(ClipboardToRows(host), (iArray2D{{101, 1, 2, 3}, {102, 4, 5, 6}}));

  host.Clipboard = u"7 8\rtext\n\n9, 10\r\n11"_s;
  EXPECT_EQ(ClipboardToRows(host), (iArray2D{{7, 8}, {9, 10}, {11}}));
  host.Clipboard.clear();
  EXPECT_TRUE(ClipboardToRows(host).empty());
}

// ---------------------------------------------------------------------------------------
// Numbers

TEST(CommonFunctionsNumbers, Factorial) {
  EXPECT_EQ(Factorial(0), 1.0);
  EXPECT_EQ(Factorial(1), 1.0);
  EXPECT_EQ(Factorial(5), 120.0);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0);
  EXPECT_TRUE(std::isfinite(Factorial(170)));
  EXPECT_TRUE(std::isinf(Factorial(171)));
}

TEST(CommonFunctionsNumbers, BinomialIsCloseToTheInteger) {
  EXPECT_NEAR(Binomial(36, 5), 376992.0, 1e-6);
  EXPECT_EQ(RoundHalfEven(Binomial(36, 5)), 376992);
  EXPECT_EQ(RoundHalfEven(Binomial(45, 6)), 8145060);
  EXPECT_EQ(RoundHalfEven(Binomial(20, 10)), 184756);
  const double big = Binomial(170, 85);
  EXPECT_TRUE(std::isfinite(big));
  EXPECT_NEAR(big / 9.144841845131556e49, 1.0, 1e-12);
}

TEST(CommonFunctionsNumbers, BinomialEdges) {
  EXPECT_EQ(Binomial(5, 36), 0.0);
  for (int n : {0, 1, 10, 170}) {
    EXPECT_EQ(Binomial(n, 0), 1.0) << n;
    EXPECT_EQ(Binomial(n, n), 1.0) << n;
  }
  EXPECT_EQ(Binomial(36, 1), 36.0);
  // Every n from 171 on overflows a factorial, whatever k.
  EXPECT_EQ(Binomial(200, 5), 0.0);
  EXPECT_EQ(Binomial(171, 1), 0.0);
  EXPECT_EQ(Binomial(171, 0), 0.0);
}

TEST(CommonFunctionsNumbers, BinomialTextIsExactBeyondSixtyFourBits) {
  EXPECT_EQ(BinomialText(36, 5), u"376992"_s);
  EXPECT_EQ(BinomialText(49, 0), u"1"_s);
  EXPECT_EQ(BinomialText(5, 36), u"0"_s);
  EXPECT_EQ(BinomialText(5, -1), u"0"_s);
  EXPECT_EQ(BinomialText(67, 33), u"14226520737620288370"_s);  // just above 2^63
  EXPECT_EQ(BinomialText(100, 50), u"100891344545564193334812497256"_s);
  // Where BinomialCount saturates, the text is the count itself.
  EXPECT_EQ(BinomialCount(255, 127), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(BinomialText(255, 127).size(), 76);
  EXPECT_TRUE(BinomialText(255, 127).startsWith(u"288432"_s));
  for (int n = 0; n <= 60; ++n)
    for (int k = 0; k <= n; ++k)
      ASSERT_EQ(BinomialText(n, k), QString::number(BinomialCount(n, k))) << n << ' ' << k;
}

TEST(CommonFunctionsNumbers, RoundHalfEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
}

}  // namespace
