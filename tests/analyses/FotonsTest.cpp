// Skips and fotons: kinds, skips, series, the skip list with its filter, sort and bounds,
// the skip frequency, the flash listing and Parsec.
#include <gtest/gtest.h>

#include "LotteryFixtures.h"
#include "analyses/Fotons.h"

using namespace Qt::StringLiterals;

namespace {

// 2 of 6: draws 1 .. 4.
TLottery Small() { return MakeLottery(2, 6, {{1, 1, 2}, {2, 3, 4}, {3, 1, 5}, {4, 2, 3}}); }

TFoton Foton(std::initializer_list<int> balls) {
  TFoton foton;
  size_t i = 0;
  for (const int ball : balls) foton.Quantums[i++] = static_cast<uint8_t>(ball);
  return foton;
}

}  // namespace

TEST(Fotons, KindsAndTheirNames) {
  EXPECT_EQ(FotonKindOf(22).Size, 2);
  EXPECT_EQ(FotonKindOf(23).Size, 3);
  EXPECT_EQ(FotonKindOf(23).Porog, 2);
  EXPECT_EQ(FotonKindOf(99).Size, 0);
  EXPECT_EQ(FotonTypeOfName(u"Drop 2.3"_s), 23);
  EXPECT_EQ(FotonTypeOfName(u"drop2.3"_s), 23);
  EXPECT_EQ(FotonTypeOfName(u"Four"_s), 44);
  EXPECT_EQ(FotonTypeOfName(u"Five"_s), 0);
}

TEST(Fotons, SkipsCountBackToTheNewestFlash) {
  const TLottery lottery = Small();
  const TDrawMasks masks(lottery);
  const TFotonKind single = FotonKindOf(11), pair = FotonKindOf(22), drop = FotonKindOf(23);
  EXPECT_EQ(masks.Skip(Foton({3}), single, 5), 1);  // in draw 4, the last of the table
  EXPECT_EQ(masks.Skip(Foton({5}), single, 5), 2);
  EXPECT_EQ(masks.Skip(Foton({6}), single, 5), 0);      // never
  EXPECT_EQ(masks.Skip(Foton({1, 2}), pair, 5), 4);     // together only in draw 1
  EXPECT_EQ(masks.Skip(Foton({1, 2}), pair, 1), 0);     // nothing before the first draw
  EXPECT_EQ(masks.Skip(Foton({1, 4, 6}), drop, 5), 0);  // never two of them in one draw
  EXPECT_EQ(masks.Skip(Foton({2, 3, 6}), drop, 5), 1);
  // Drop 2.3: series entries are 0, 2 or 3.
  TOtborFlash otbor;
  otbor.Next = 5;
  otbor.Okno = 10;
  EXPECT_EQ(SeriesText(Foton({2, 3, 4}), drop, masks, otbor),
            u"2.2."_s);  // stops at the table's start
}

TEST(Fotons, ASeriesOfTwentyFiveDrawsHasASpaceAfterEveryTenth) {
  const TLottery lottery = RandomLottery(5, 36, 30, 7);
  const TDrawMasks masks(lottery);
  TOtborFlash otbor;
  otbor.Next = 31;
  otbor.Okno = 25;
  const QString series = SeriesText(Foton({1}), FotonKindOf(11), masks, otbor);
  ASSERT_EQ(series.size(), 27);
  EXPECT_EQ(series[10], u' ');
  EXPECT_EQ(series[21], u' ');
}

TEST(Fotons, TheSkipListWithItsFilterAndSort) {
  const TLottery lottery = Small();
  TSkipsParams params;
  params.NextTira = 5;
  params.History = 3;
  params.FotonType = 11;
  TReportPane pane;
  ShowSkipsList(lottery, params, pane);
  ASSERT_EQ(pane.LineCount(), 7);
  EXPECT_EQ(pane.Line(0), u"  ###   Combinations           Skip      Win     <-- Series <--"_s);
  EXPECT_EQ(pane.Line(1), u"    1     1                       2       .      .1."_s);
  EXPECT_EQ(pane.Line(6),
            u"    6     6                       .       .      ..."_s);  // never flashed

  // Sorted by skip: the never-flashed ball last.
  params.Sort = true;
  ShowSkipsList(lottery, params, pane);
  EXPECT_TRUE(pane.Line(1).startsWith(u"    1     2 "_s));  // skip 1: 2 and 3, in ball order
  EXPECT_TRUE(pane.Line(2).startsWith(u"    2     3 "_s));
  EXPECT_TRUE(pane.Line(6).startsWith(u"    6     6 "_s));

  // The filter: ticked and empty lets all pass; 0 only the never-flashed.
  params.Filtered = true;
  ShowSkipsList(lottery, params, pane);
  EXPECT_EQ(pane.LineCount(), 7);
  params.Filter = u"0"_s;
  ShowSkipsList(lottery, params, pane);
  EXPECT_EQ(pane.LineCount(), 2);
  EXPECT_TRUE(pane.Line(1).startsWith(u"    1     6 "_s));

  // A known draw marks its winning fotons and highlights its balls.
  params.Filtered = false;
  params.Sort = false;
  params.NextTira = 4;  // balls 2 and 3
  ShowSkipsList(lottery, params, pane);
  EXPECT_TRUE(pane.Line(2).contains(u"     X      "_s));
  EXPECT_FALSE(pane.Spans(2).empty());
  EXPECT_TRUE(pane.Spans(1).empty());
}

TEST(Fotons, LongListsGoInAtOnceAndAreCutWhereTheyWouldBeTooLong) {
  // The sample's 400 draws: 58,905 lines of at most 489 characters, all of them.
  TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  TSkipsParams params;
  params.NextTira = lottery.NewTira;
  params.History = 9999;
  params.FotonType = 44;
  TReportPane pane;
  ShowSkipsList(lottery, params, pane);
  EXPECT_EQ(pane.LineCount(), 1 + 58'905);
  EXPECT_EQ(pane.Line(1).size(), 49 + 400 + 40);

  // 10,000 draws: a line of 9999 series entries is 11,048 characters.
  lottery = RandomLottery(5, 36, 10'000, 5);
  params.NextTira = lottery.NewTira;
  ShowSkipsList(lottery, params, pane);
  const int64_t fit = kMaxSkipListChars / (49 + 9999 + 999);
  EXPECT_EQ(pane.LineCount(), fit + 2);
  EXPECT_TRUE(pane.Spans(1).empty());  // the bulk form has no highlights
  EXPECT_EQ(
      pane.Line(pane.LineCount() - 1),
      u"Список обрезан (list cut): показаны "_s + GroupThousands(QString::number(fit)) +
          u" из 58.905 строк (lines). Сузьте его фильтром (Filter), меньшим числом доступных шаров "
          u"(available numbers) или меньшей историей (History)."_s);
}

TEST(Fotons, TheSkipFrequencyAndTheFlashListing) {
  const TLottery lottery = Small();
  TSkipsFrequencyParams frequency;
  frequency.NextTira = 5;
  frequency.History = 2;
  frequency.FotonType = 11;
  TReportPane pane;
  ShowSkipsFrequency(lottery, frequency, pane);
  EXPECT_EQ(pane.Line(0), u"Распределение параметра \"Пропуск\" (Skip) за последние 2 тиражей:"_s);
  // Draw 4 (2, 3): skips 3 and 2; draw 3 (1, 5): skips 2 and 0, which DelZero drops.
  EXPECT_TRUE(pane.Text().contains(u"В порядке частоты выпадения: "_s));

  TFlashListingParams flash;
  flash.FotonType = 22;
  flash.AvailableBalls = u"1 2 3"_s;
  ShowFlashListing(lottery, flash, pane);
  EXPECT_EQ(pane.Texts(), (QStringList{QString(), u"Вспышка."_s, QString(), u"    1    2"_s,
                                       u"    1    3"_s, u"    2    3"_s}));
}

TEST(Fotons, ParsecOfTheDocumentedExamples) {
  TLottery lottery = MakeLottery(5, 36, {});
  EXPECT_EQ(SkipsParsec(lottery, 11), 72);
  EXPECT_EQ(SkipsParsec(lottery, 22), 630);
  EXPECT_EQ(SkipsParsec(lottery, 33), 714);  // 7140, divided once
  EXPECT_EQ(ParsecHistory(lottery, {33, 100}), 714);
  lottery.MaxBall = 90;
  EXPECT_EQ(SkipsParsec(lottery, 44), 9999);  // 51,104 after two divisions: the field's maximum
  lottery.BallsInDraw = 3;
  EXPECT_EQ(SkipsParsec(lottery, 44), 0);  // fewer balls than the foton: no change
  EXPECT_EQ(ParsecHistory(lottery, {44, 123}), 123);
}

TEST(Fotons, SignedListsStayRanges) {
  const TNumberRanges all = TNumberRanges::Parse(u"-2000000000 .. 2000000000"_s);
  EXPECT_TRUE(all.Contains(0));
  EXPECT_TRUE(all.Contains(-2000000000));
  EXPECT_FALSE(all.Contains(2000000001));
  EXPECT_EQ(all.Format(), u" -2000000000 ... 2000000000"_s);
  const TNumberRanges some = TNumberRanges::Parse(u"7 3. 5 1 2"_s);  // 3 .. 5 from the full stop
  EXPECT_EQ(some.Format(), u" 1 ... 5 7"_s);
  EXPECT_TRUE(TNumberRanges::Parse(u"none"_s).IsEmpty());
}

TEST(Fotons, ThreeDigitBallsStayApart) {
  const TFotonKind triple = FotonKindOf(33);
  EXPECT_EQ(QuantumsText(Foton({7, 99, 100}), triple, 99), u"  7 99100"_s.leftJustified(15));
  EXPECT_EQ(QuantumsText(Foton({7, 99, 100}), triple, 120), u"   7  99 100"_s.leftJustified(15));
  // Four balls of four characters fill the field exactly.
  EXPECT_EQ(QuantumsText(Foton({101, 102, 103, 104}), FotonKindOf(44), 120), u" 101 102 103 104"_s);
}
