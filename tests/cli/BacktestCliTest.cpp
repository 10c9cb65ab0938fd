// lotrix-cli backtest: its json and csv, and each draw's counters equal to `forecast --draw T`.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRun.h"

using namespace Qt::StringLiterals;

TEST(BacktestCli, EachDrawAsTheForecastOfThatDraw) {
  const QString sample = Example(u"5x36 sample.txt"_s);
  const QStringList filters = {u"--even"_s,      u" 1 .. 3"_s, u"--sum"_s,   u" 60 .. 120"_s,
                               u"--any-range"_s, u"2"_s,       u"1 .. 12"_s, u"1 2"_s};
  const TCliRun run =
      RunCli(QStringList{u"backtest"_s, sample, u"--from"_s, u"396"_s, u"--format"_s, u"json"_s} +
             filters);
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(run.Out.toUtf8()).object();
  const QJsonArray draws = json[u"draws"_s].toArray();
  ASSERT_EQ(draws.size(), 5);  // 396 .. 400
  int hits = 0;
  for (const QJsonValue& value : draws) {
    const QJsonObject draw = value.toObject();
    const int t = draw[u"draw"_s].toInt();
    const QJsonObject forecast =
        QJsonDocument::fromJson(RunCli(QStringList{u"forecast"_s, sample, u"--draw"_s,
                                                   QString::number(t), u"--format"_s, u"json"_s} +
                                       filters)
                                    .Out.toUtf8())
            .object();
    const QJsonObject counters = forecast[u"counters"_s].toObject();
    EXPECT_EQ(draw[u"total"_s], counters[u"total"_s]) << t;
    EXPECT_EQ(draw[u"filtered"_s], counters[u"filtered"_s]) << t;
    QJsonArray filtersOfForecast;
    for (const QJsonValue& filter : counters[u"filters"_s].toArray())
      if (filter.toObject()[u"filter"_s].toInt() != 0) filtersOfForecast.append(filter);
    EXPECT_EQ(draw[u"filters"_s].toArray(), filtersOfForecast) << t;
    int survivors = 0;
    for (const QJsonValue& count : draw[u"matches"_s].toArray()) survivors += count.toInt();
    EXPECT_EQ(survivors, draw[u"filtered"_s].toInt());
    EXPECT_EQ(draw[u"hit"_s].toBool(), draw[u"rejected_by"_s].isNull());
    hits += draw[u"hit"_s].toBool();
  }
  const QJsonObject summary = json[u"summary"_s].toObject();
  EXPECT_EQ(summary[u"draws"_s].toInt(), 5);
  EXPECT_EQ(summary[u"hits"_s].toInt(), hits);
  EXPECT_EQ(summary[u"filters"_s].toArray().size(), 16);

  const TCliRun csv = RunCli(
      QStringList{u"backtest"_s, sample, u"--from"_s, u"399"_s, u"--format"_s, u"csv"_s} + filters);
  const QStringList lines = csv.Out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[0].startsWith(u"draw,total,filtered,hit,rejected_by,matches_0,"_s));
  EXPECT_TRUE(lines[2].startsWith(u"400,376992,"_s));
  const TCliRun text =
      RunCli({u"backtest"_s, sample, u"--from"_s, u"400"_s, u"--lang"_s, u"eng"_s});
  EXPECT_TRUE(text.Out.startsWith(u"Backtest of the forecast filters. Draws 400 - 400\n"_s));
  EXPECT_EQ(RunCli({u"backtest"_s, Example(u"20x80 hungary keno.txt"_s)}).Code, 1);
  QTemporaryDir dir;
  const QString svg = dir.filePath(u"backtest.svg"_s);
  EXPECT_EQ(RunCli(QStringList{u"backtest"_s, sample, u"--from"_s, u"396"_s, u"--format"_s,
                               u"svg"_s, u"--output"_s, svg} +
                   filters)
                .Code,
            0);
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("fill=\"#ff0000\""), hits);
  EXPECT_EQ(RunCli({u"backtest"_s, sample, u"--format"_s, u"svg"_s}).Code, 2);
}
