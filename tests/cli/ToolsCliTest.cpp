// lotrix-cli report calculator / martingale.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRun.h"

using namespace Qt::StringLiterals;

namespace {

QJsonObject Json(const TCliRun& run) { return QJsonDocument::fromJson(run.Out.toUtf8()).object(); }

}  // namespace

TEST(ToolsCli, TheCalculatorsLabelClampedLikeItsSpinEdits) {
  const TCliRun run = RunCli({u"report"_s, u"calculator"_s, u"--calc-balls"_s, u"4"_s});
  EXPECT_EQ(run.Out, u"Number of Combinations = 2,432\n"_s);  // LC_ALL=C groups by ","
  const TCliRun json =
      RunCli({u"report"_s, u"calculator"_s, u"--calc-draw"_s, u"6"_s, u"--calc-lotto"_s, u"49"_s,
              u"--calc-balls"_s, u"3"_s, u"--format"_s, u"json"_s});
  EXPECT_EQ(Json(json)[u"label"_s].toString(), u"Number of Combinations = 57"_s);
  const TCliRun clamped = RunCli({u"report"_s, u"calculator"_s, u"--calc-lotto"_s, u"99"_s});
  EXPECT_EQ(clamped.Err, u"lotrix-cli: --calc-lotto 99 is outside 1..80; using 80\n"_s);
  EXPECT_EQ(clamped.Out, u"Number of Combinations = 24,040,016\n"_s);
}

TEST(ToolsCli, TheMartingaleWithItsRewrittenFieldsAndBadOdds) {
  const QJsonObject json = Json(RunCli({u"report"_s, u"martingale"_s, u"--start-stake"_s, u"-20"_s,
                                        u"--profit"_s, u"1000 words"_s, u"--odds"_s, u"45.0"_s,
                                        u"--steps"_s, u"2"_s, u"--format"_s, u"json"_s}));
  const QJsonObject fields = json[u"fields"_s].toObject();
  EXPECT_EQ(fields[u"start_stake"_s].toString(), u"20"_s);
  EXPECT_EQ(fields[u"profit"_s].toString(), u"1000"_s);
  EXPECT_EQ(fields[u"num_stakes"_s].toString(), u"1"_s);
  EXPECT_EQ(fields[u"start_cost"_s].toString(), u"0"_s);
  EXPECT_EQ(fields[u"odds"_s].toString(), u"45.0"_s);
  EXPECT_EQ(json[u"lines"_s].toArray().size(), 2 + 2);

  const TCliRun bad = RunCli({u"report"_s, u"martingale"_s, u"--odds"_s, u"45 odds"_s});
  EXPECT_EQ(bad.Code, 1);
  EXPECT_EQ(bad.Out, QString());
  EXPECT_EQ(bad.Err, u"lotrix-cli: '45 odds' — недопустимое число с плавающей точкой\n"_s);
}

TEST(ToolsCli, APoolWithItsWinsAndYourOwnTickets) {
  const QString sample = Example(u"5x36 sample.txt"_s);
  const QStringList args = {u"report"_s,
                            u"pool"_s,
                            sample,
                            u"--draw"_s,
                            u"400"_s,
                            u"--pool-size"_s,
                            u"30"_s,
                            u"--seed"_s,
                            u"9"_s,
                            u"--available"_s,
                            u"9 x 1 2 3 4 5 6 7 8 40"_s};
  const TCliRun text = RunCli(args);
  ASSERT_EQ(text.Code, 0) << text.Err.toStdString();
  EXPECT_EQ(RunCli(args).Out, text.Out);  // the seed fixes the pool
  const QJsonObject json = Json(RunCli(args + QStringList{u"--format"_s, u"json"_s}));
  EXPECT_EQ(json[u"fields"_s].toObject()[u"available"_s].toString(), u" 1 2 3 4 5 6 7 8 9 "_s);
  const QJsonArray wins = json[u"wins"_s].toArray();
  ASSERT_EQ(wins.size(), 30);
  // Draw 400 holds 2, 4 and 7 of these nine balls; the statistic counts the same wins.
  int three = 0;
  for (const QJsonValue& win : wins) three += win.toInt() == 3;
  EXPECT_TRUE(
      text.Out.contains(u"Совпадений  3      = "_s + QString::number(three).rightJustified(11)));

  QTemporaryDir dir;
  QFile tickets(dir.filePath(u"tickets.txt"_s));
  ASSERT_TRUE(tickets.open(QIODevice::WriteOnly));
  tickets.write("2 4 7 23 30\r\n\r\nno numbers\r\n1 2 3 4 5 6\r\n");
  tickets.close();
  const QJsonObject mine =
      Json(RunCli({u"report"_s, u"pool"_s, sample, u"--draw"_s, u"400"_s, u"--pool"_s,
                   tickets.fileName(), u"--format"_s, u"json"_s}));
  EXPECT_EQ(mine[u"wins"_s].toArray(), (QJsonArray{5, 2}));
  const TCliRun missing =
      RunCli({u"report"_s, u"pool"_s, sample, u"--pool"_s, dir.filePath(u"none.txt"_s)});
  EXPECT_EQ(missing.Code, 1);
  EXPECT_TRUE(missing.Err.endsWith(u"none.txt: no such file\n"_s));
}

TEST(ToolsCli, TheDeviationOfATypedSeries) {
  const QJsonObject json =
      Json(RunCli({u"report"_s, u"deviation"_s, u"--series-text"_s, u"1 2 3 4 5 6 7 8 9 10 11 12"_s,
                   u"--format"_s, u"json"_s}));
  EXPECT_DOUBLE_EQ(json[u"deviation"_s].toDouble(), 1.0 / 12.0);
  EXPECT_EQ(json[u"text"_s].toString(), u"0.083"_s);
  EXPECT_EQ(RunCli({u"report"_s, u"deviation"_s, u"--series-text"_s, u""_s}).Out, u"x.xxx\n"_s);
}
