#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "forecast/FilterSyntax.h"

using namespace Qt::StringLiterals;

namespace {

TEST(FilterSyntax, NumberListsWithRanges) {
  EXPECT_EQ(ParseNumberList(u" 1 .. 4"_s), Range(1, 4));
  iArray sums = Range(72, 107);
  const iArray tail = Range(120, 124);
  sums.insert(sums.end(), tail.begin(), tail.end());
  EXPECT_EQ(ParseNumberList(u" 72 .. 107 120 .. 124"_s), sums);
  EXPECT_EQ(ParseNumberList(u"1 2 .. 5"_s), Range(1, 5));
  EXPECT_EQ(ParseNumberList(u"9 .. 3"_s), Range(3, 9));
  EXPECT_EQ(ParseNumberList(u"3.5"_s), Range(3, 5));
  EXPECT_EQ(ParseNumberList(u" 0 1"_s), (iArray{0, 1}));
  EXPECT_EQ(ParseNumberList(QString()), iArray{});
  EXPECT_EQ(ParseNumberList(u"-3, 3 x 1"_s), (iArray{1, 3}));
  EXPECT_EQ(ParseNumberList(u"5 . . 7"_s), (iArray{5, 6, 7}));  // empty pieces are dropped
}

TEST(FilterSyntax, HugeRangesAreCutAndSaid) {
  bool cut = false;
  const iArray values = ParseNumberList(u"1 .. 2000000000"_s, &cut);
  EXPECT_TRUE(cut);
  ASSERT_EQ(values.size(), 100000u);  // 1 .. 99999 and the number written out
  EXPECT_EQ(values[99998], 99999);
  EXPECT_EQ(values.back(), 2000000000);
  // Many overlapping huge ranges cost their union only.
  QString text;
  for (int i = 0; i < 2000; ++i) text += u"1 . 99999 . "_s;
  cut = false;
  EXPECT_EQ(ParseNumberList(text, &cut).size(), 99999u);
  EXPECT_FALSE(cut);
}

TEST(FilterSyntax, NormalForms) {
  EXPECT_EQ(FormatNumberList(Range(1, 4)), u" 1 ... 4"_s);
  EXPECT_EQ(FormatNumberList({0, 1}), u" 0 1"_s);
  EXPECT_EQ(FormatNumberList({1, 2, 3, 5}), u" 1 ... 3 5"_s);
  iArray sums = Range(72, 107);
  const iArray tail = Range(120, 124);
  sums.insert(sums.end(), tail.begin(), tail.end());
  EXPECT_EQ(FormatNumberList(sums), u" 72 ... 107 120 ... 124"_s);

  QString field = u" 1 .. 4"_s;
  EXPECT_EQ(ReadNumberListEdit(field), Range(1, 4));
  EXPECT_EQ(field, u" 1 ... 4"_s);
  // The normal form reads back to the same list.
  EXPECT_EQ(ParseNumberList(FormatNumberList(sums)), sums);
}

TEST(FilterSyntax, FirstLastPairs) {
  QString field = u" 1 .. 10 / 25 .. 36"_s;
  EXPECT_EQ(ReadFirstLastEdit(field), (iArray2D{Range(1, 10), Range(25, 36)}));
  EXPECT_EQ(field, u" 1 ... 10 /  25 ... 36"_s);
  field = u" / 25 .. 36"_s;
  EXPECT_EQ(ReadFirstLastEdit(field), (iArray2D{{}, Range(25, 36)}));
  EXPECT_EQ(field, u" /  25 ... 36"_s);
  field = u"3"_s;
  EXPECT_EQ(ReadFirstLastEdit(field), (iArray2D{{3}}));
}

TEST(FilterSyntax, WinCodes) {
  EXPECT_EQ(ParseWinCode(u"2"), (iArray{2, -1, -1}));
  EXPECT_EQ(ParseWinCode(u"21x9"), (iArray{2, 1, -1}));
  EXPECT_EQ(ParseWinCode(u"0XX"), (iArray{0, -1, -1}));
  QString field = u"212  122  0XX "_s;
  EXPECT_EQ(ReadWinCodeEdit(field), (iArray2D{{2, 1, 2}, {1, 2, 2}, {0, -1, -1}}));
  EXPECT_EQ(field, u"212  122  0XX  "_s);
  field = u"2 21x9"_s;
  ReadWinCodeEdit(field);
  EXPECT_EQ(field, u"2XX  21X  "_s);
}

}  // namespace
