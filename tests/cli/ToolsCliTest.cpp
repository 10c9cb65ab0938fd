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

TEST(ToolsCli, PastMatchesFilterAFileAndWriteTheKeptRows) {
  QTemporaryDir dir;
  QFile source(dir.filePath(u"source.txt"_s));
  ASSERT_TRUE(source.open(QIODevice::WriteOnly));
  source.write("2 4 7 23 30\r\nno numbers\r\n1 2 3\n36 35 34 33 32 31 30\n");
  source.close();
  const QString sample = Example(u"5x36 sample.txt"_s);  // draw 400 is 2 4 7 23 30
  const QStringList base = {u"report"_s,       u"past-matches"_s, sample, u"--source"_s,
                            source.fileName(), u"--window"_s,     u"1"_s};

  const TCliRun all = RunCli(base);
  ASSERT_EQ(all.Code, 0) << all.Err.toStdString();
  const QStringList lines = all.Lines();
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0],
            u"Фильтрация исходной Таблицы по совпадению в прошедших 1 тиражах. "
            u"Тиражи №400 - 400."_s);
  EXPECT_TRUE(lines[2].endsWith(u"      0   0   0   0   0   1"_s));
  EXPECT_TRUE(lines[3].endsWith(u"      0   1   0   0"_s));

  const QString output = dir.filePath(u"kept.txt"_s);
  const QJsonObject json = Json(RunCli(base + QStringList{u"--filter"_s, u"/ 1"_s, u"--output"_s,
                                                          output, u"--format"_s, u"json"_s}));
  EXPECT_EQ(json[u"fields"_s].toObject()[u"filter"_s].toString(), u" /  1"_s);
  EXPECT_EQ(json[u"filtered"_s].toArray(),
            (QJsonArray{QJsonArray{1, 2, 3}, QJsonArray{36, 35, 34, 33, 32, 31, 30}}));
  const QString kept = u"1 2 3 \r\n36 35 34 33 32 31 30 \r\n"_s;
  EXPECT_EQ(json[u"clipboard"_s].toString(), kept);
  QFile written(output);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(written.readAll()), kept);

  // The field only rewritten: every row kept.
  const QJsonObject unticked =
      Json(RunCli(base + QStringList{u"--filter-text"_s, u"/ 1"_s, u"--format"_s, u"json"_s}));
  EXPECT_EQ(unticked[u"fields"_s].toObject()[u"filter"_s].toString(), u" /  1"_s);
  EXPECT_EQ(unticked[u"filtered"_s].toArray().size(), 3);
  EXPECT_EQ(RunCli(base + QStringList{u"--filter"_s, u"1"_s, u"--filter-text"_s, u"1"_s}).Code, 2);
  const TCliRun unreadable =
      RunCli({u"report"_s, u"past-matches"_s, sample, u"--source"_s, dir.filePath(u"none"_s)});
  EXPECT_EQ(unreadable.Code, 1);
  EXPECT_TRUE(unreadable.Err.endsWith(u"none: no such file\n"_s));
  const TCliRun badOutput =
      RunCli(base + QStringList{u"--output"_s, dir.filePath(u"no/such/dir/kept.txt"_s)});
  EXPECT_EQ(badOutput.Code, 1);
  EXPECT_TRUE(badOutput.Err.contains(u"kept.txt"_s));

  const TCliRun listing =
      RunCli({u"report"_s, u"past-matches-source"_s, u"--source"_s, source.fileName()});
  EXPECT_EQ(listing.Lines(),
            (QStringList{u"Исходная таблица для фильтрации из Буфера обмена. Всего строк 3."_s,
                         u"   2   4   7  23  30"_s, u"   1   2   3"_s,
                         u"  36  35  34  33  32  31  30"_s, QString()}));
  EXPECT_EQ(RunCli({u"report"_s, u"past-matches-source"_s}).Out,
            u"Подходящей таблицы для фильтрации в Буфере обмена нет.\n"_s);
}

TEST(ToolsCli, PastMatchesHistoryOfTheRealDraws) {
  const TCliRun run = RunCli({u"report"_s, u"past-matches-history"_s, Example(u"5x36 sample.txt"_s),
                              u"--history"_s, u"999"_s});
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(run.Err, u"lotrix-cli: --history 999 is outside 1..200; using 200\n"_s);
  const QStringList lines = run.Lines();
  EXPECT_EQ(lines[0], u"Совпадения в прошедших 30 тиражах."_s);
  EXPECT_TRUE(lines[202].startsWith(u" 200          400      2  4  7 23 30"_s));
  EXPECT_TRUE(lines.contains(u"<-- История совпадений 0 <--"_s));
}
