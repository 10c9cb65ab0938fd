// The combinations calculator's label, the planner's number readers and its series, with
// the 64-bit bound.
#include <gtest/gtest.h>

#include "TestHost.h"
#include "tools/Calculators.h"

using namespace Qt::StringLiterals;

namespace {

QString Label(int draw, int lotto, int balls, const QString& separator = u","_s) {
  return CombinationsCalculatorText({draw, lotto, balls, separator});
}

QString Number(int draw, int lotto, int balls) {
  return Label(draw, lotto, balls).mid(QStringView(u"Number of Combinations = ").size());
}

TMartingaleParams Plan(const QString& odds, int steps) {
  TMartingaleParams params;
  params.Odds = odds;
  params.Steps = steps;
  return params;
}

}  // namespace

TEST(CombinationsCalculator, TheDocumentedExamples) {
  EXPECT_EQ(Label(5, 36, 5), u"Number of Combinations = 376,992"_s);
  EXPECT_EQ(Number(5, 36, 4), u"2,432"_s);  // 2,432.2
  EXPECT_EQ(Number(5, 36, 3), u"81"_s);
  EXPECT_EQ(Number(5, 36, 2), u"8"_s);
  EXPECT_EQ(Number(5, 36, 1), u"2"_s);
  EXPECT_EQ(Number(6, 49, 3), u"57"_s);
  EXPECT_EQ(Number(5, 5, 5), u"1"_s);
  // Every digit of C(80, 20), grouped by the locale's separator.
  EXPECT_EQ(Label(20, 80, 20, u"\u00A0"_s),
            u"Number of Combinations = 3\u00A0535\u00A0316\u00A0142\u00A0212\u00A0174\u00A0320"_s);
}

TEST(CombinationsCalculator, ParametersThatMakeNoSenseLeaveTheCaption) {
  EXPECT_EQ(Label(5, 8, 1), u"Number of Combinations = "_s);   // L - D < D - B
  EXPECT_EQ(Label(6, 5, 1), u"Number of Combinations = "_s);   // L < D
  EXPECT_EQ(Label(5, 36, 6), u"Number of Combinations = "_s);  // D < B
  EXPECT_EQ(Label(0, 36, 1), u"Number of Combinations = "_s);
}

TEST(MartingaleNumbers, IntegerAndDecimalFields) {
  EXPECT_EQ(ReadIntegerText(u"-20"), 20);
  EXPECT_EQ(ReadIntegerText(u"20 words"), 20);
  EXPECT_EQ(ReadIntegerText(u"none"), 0);
  EXPECT_EQ(ReadDecimalText(u"45,0"), 45.0);
  EXPECT_EQ(ReadDecimalText(u" 45.0 "), 45.0);
  EXPECT_EQ(ReadDecimalText(u"4,5e1"), 45.0);
  EXPECT_EQ(ReadDecimalText(u",5"), 0.5);
  EXPECT_EQ(ReadDecimalText(u"-1,5"), -1.5);
  for (const QString& bad : {u""_s, u"abc"_s, u"1,000.5"_s, u"4,5e"_s, u"1e999"_s, u"45,0x"_s})
    EXPECT_FALSE(ReadDecimalText(bad)) << bad.toStdString();
}

TEST(Martingale, TheDefaultsAndTheirFirstSteps) {
  TReportPane pane;
  ShowMartingale(Plan(u"45,0"_s, 3), pane);
  EXPECT_EQ(
      pane.Texts(),
      (QStringList{u"Step      Stake      Total        Cost        Win     Profit"_s, QString(),
                   u"   1         23         23          23       1035       1012"_s,
                   u"   2         23         23          46       1035        989"_s,
                   u"   3         24         24          70       1080       1010"_s}));
}

TEST(Martingale, AStartStakeAboveEveryStakeAndOddsNotAboveTheStakes) {
  TMartingaleParams params = Plan(u"45.0"_s, 2);
  params.StartStake = u"-5000 words"_s;  // read as 5000
  TReportPane pane;
  ShowMartingale(params, pane);
  EXPECT_EQ(pane.Line(2), u"   1       5000       5000        5000     225000     220000"_s);
  EXPECT_EQ(pane.Line(3), u"   2       5000       5000       10000     225000     215000"_s);

  params = Plan(u"2"_s, 2);
  params.NumStakes = u"2"_s;
  params.StartCost = u"7"_s;
  ShowMartingale(params, pane);  // k <= n: no stake can be computed
  EXPECT_EQ(pane.Line(2), u"   1          0          0           7          0         -7"_s);
  EXPECT_EQ(pane.LineCount(), 4);
}

TEST(Martingale, AmountsPast32BitsAndWhereEven64BitsEnd) {
  TReportPane pane;
  ShowMartingale(Plan(u"1,5"_s, 500), pane);
  // Each stake is 2 x (1000 + cost): the cost triples, so step 14 passes 2^31 ...
  const QStringList step14 = pane.Line(2 + 13).split(u' ', Qt::SkipEmptyParts);
  EXPECT_EQ(step14.value(0), u"14"_s);
  EXPECT_GT(step14.value(1).toLongLong(), int64_t{1} << 31);
  EXPECT_EQ(step14.value(5), u"1000"_s);
  // ... and step 34 would pass 2^63: one line says so and the table ends.
  ASSERT_EQ(pane.LineCount(), 2 + 33 + 1);
  EXPECT_EQ(pane.Line(2 + 33),
            u"Суммы шага 34 не помещаются в 64-битные числа: таблица остановлена (the amounts "
            "of step 34 pass 64-bit integers; the table stops here)."_s);
}

TEST(Martingale, OddsThatAreNoNumberWriteNothingAndSaySo) {
  TTestHost host;
  TReportPane pane;
  pane.AddLine(u"old"_s);
  TMartingaleParams params = Plan(u"45 odds"_s, 3);
  params.Language = u"eng"_s;
  ShowMartingale(params, pane, &host);
  EXPECT_TRUE(pane.IsEmpty());
  EXPECT_EQ(host.Messages, QStringList{u"'45 odds' is not a valid floating point value"_s});
}
