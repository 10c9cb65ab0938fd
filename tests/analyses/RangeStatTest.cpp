#include <gtest/gtest.h>

#include "analyses/RangeStat.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDashes(110, u'-');

QString ValueLine(const QString& value, const QString& percent, int count, int stars) {
  QString line = PadRight(16, PadLeft(8, value)) + PadLeft(8, percent) + u"%   "_s +
                 IntPadLeft(4, count) + u' ' + QString(stars, u'*');
  return PadRight(70, line);
}

TEST(RangeStatistic, WholeReportOfASeriesWithItsMarkovTable) {
  TRangeStatParams params;
  params.SourceText = u"3, 7;7-1"_s;  // the minus sign only separates
  params.Markov = true;
  TReportPane pane;
  pane.AddLine(u"left over from an earlier report"_s);
  ShowRangeStatistic(params, pane);

  const QStringList expected = {
      u"Статистика Ряда. (The Range statistic)."_s,
      QString(),
      u"<-- <-- Исходный Ряд (Source Range) <-- <--"_s,
      u"3 7 7 1 "_s,
      QString(),
      u"Число Шаров = 4"_s,
      kDashes,
      QString(),
      QString(),
      u"Частота выпадения Шаров:"_s,
      PadRight(70, u"     Шар             %%          Частота (Frequency)"_s),
      ValueLine(u"1"_s, u"25.00"_s, 1, 1),
      ValueLine(u"3"_s, u"25.00"_s, 1, 1),
      ValueLine(u"7"_s, u"50.00"_s, 2, 2),
      QString(),
      u"В порядке частоты выпадения: "_s,
      u"7 1 3 "_s,
      QString(),
      u"Цепи Маркова:"_s,
      u" Должно выпасть: |    3 |    7 |"_s,
      QString(32, u'-'),
      u"Последнее        |"_s,
      u"    1            |    . |    1 |"_s,
      u"    7            |    1 |    1 |"_s,
      QString(32, u'-'),
      QString(),
      kDashes,
      QString(),
  };
  EXPECT_EQ(pane.Texts(), expected);
  // No value is the analysed draw's and the newest value (3) has no row: nothing is marked.
  for (int i = 0; i < pane.LineCount(); ++i) EXPECT_TRUE(pane.Spans(i).empty()) << i;
}

TEST(RangeStatistic, NewestValueRowIsShadedAndOptionsReachTheTable) {
  TRangeStatParams params;
  params.SourceText = u"2 1 2 2"_s;
  params.Markov = true;
  params.Sort = true;
  params.Steps = true;
  params.Series = true;
  TReportPane pane;
  ShowRangeStatistic(params, pane);

  const QStringList lines = pane.Texts();
  const qsizetype title = lines.indexOf(u"Частота выпадения Шаров:"_s);
  ASSERT_GE(title, 0);
  // Sorted by count: 2 (three times) before 1; steps and series columns follow the bar.
  EXPECT_TRUE(lines[title + 1].contains(u"Шаги (Steps)"_s));
  EXPECT_TRUE(lines[title + 1].endsWith(u"<-- <-- Серия (Series) <-- <--"_s));
  EXPECT_TRUE(lines[title + 2].startsWith(u"       2        "_s));
  EXPECT_TRUE(lines[title + 2].endsWith(u"1.11"_s));
  EXPECT_TRUE(lines[title + 3].startsWith(u"       1        "_s));
  EXPECT_TRUE(lines[title + 3].endsWith(u".1.."_s));

  const qsizetype row2 = lines.indexOf(u"    2            |    1 |    1 |"_s);
  ASSERT_GE(row2, 0);
  const THighlight grey{0, static_cast<int>(lines[row2].size()), clLeave, clLightGrey, 0};
  EXPECT_EQ(pane.Spans(static_cast<int>(row2)), std::vector<THighlight>{grey});
}

TEST(RangeStatistic, EmptyFieldGivesAnEmptySeries) {
  TRangeStatParams params;
  params.SourceText = u"no numbers here"_s;
  TReportPane pane;
  ShowRangeStatistic(params, pane);
  const QStringList lines = pane.Texts();
  EXPECT_EQ(lines[3], QString());
  EXPECT_EQ(lines[5], u"Число Шаров = 0"_s);
  EXPECT_EQ(lines.mid(9), (QStringList{u"Частота выпадения Шаров:"_s,
                                       u"     Шар             %%          Частота (Frequency)"_s,
                                       QString(), u"В порядке частоты выпадения: "_s, QString()}));
}

TEST(RangeStatistic, ReverseAndClearRewriteTheField) {
  const QString once = ReverseRangeSource(u"1, 2, 3"_s);
  EXPECT_EQ(once, u" 3 2 1 "_s);
  EXPECT_EQ(ReverseRangeSource(once), u" 1 2 3 "_s);
  EXPECT_EQ(ReverseRangeSource(u"x-y"_s), u" "_s);
  EXPECT_EQ(ClearRangeSource(), QString());
}

}  // namespace

namespace {

TEST(RangeStatistic, AHugePasteIsCutToTheNewestValuesAndSaysSo) {
  TRangeStatParams params;
  for (int i = 0; i < 30000; ++i) params.SourceText += QString::number(i) + u' ';
  params.Steps = params.Series = true;
  TReportPane pane;
  ShowRangeStatistic(params, pane);
  EXPECT_EQ(pane.Line(5), u"Число Шаров = 10000"_s);
  EXPECT_EQ(pane.Line(6),
            u"Учтены только первые 10000 значений (only the first 10000 values are used)."_s);
  auto hasValueLine = [&](int value) {
    const QString start = PadRight(16, PadLeft(8, QString::number(value)));
    for (const QString& line : pane.Texts())
      if (line.startsWith(start)) return true;
    return false;
  };
  EXPECT_TRUE(hasValueLine(9999));
  EXPECT_FALSE(hasValueLine(10000));
}

}  // namespace
