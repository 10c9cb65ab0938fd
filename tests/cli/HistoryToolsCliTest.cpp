// lotrix-cli report intervals / slices / total-win / triplets / map: the panes of the panels.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliRun.h"

using namespace Qt::StringLiterals;

namespace {

QJsonObject Json(const TCliRun& run) { return QJsonDocument::fromJson(run.Out.toUtf8()).object(); }

const QString kSample = Example(u"5x36 sample.txt"_s);

}  // namespace

TEST(HistoryToolsCli, IntervalsFromOptionsInCanonicalForm) {
  const TCliRun run =
      RunCli({u"report"_s, u"intervals"_s, kSample, u"--intervals"_s, uR"(["9 .. 1",""])"_s,
              u"--interval"_s, u"30 31 40"_s, u"--history"_s, u"3"_s, u"--format"_s, u"json"_s});
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  const QJsonObject json = Json(run);
  const QJsonArray fields = json[u"fields"_s].toObject()[u"intervals"_s].toArray();
  ASSERT_EQ(fields.size(), 12);
  EXPECT_EQ(fields[0].toString(), u" 1 ... 9"_s);
  EXPECT_EQ(fields[1].toString(), QString());
  EXPECT_EQ(fields[2].toString(), u" 30 31"_s);  // after the json list, 40 dropped
  const QJsonArray lines = json[u"lines"_s].toArray();
  EXPECT_EQ(lines[0].toObject()[u"text"_s].toString(), u"Интервалы Шаров. Тираж # 401"_s);
  EXPECT_EQ(lines[4].toObject()[u"text"_s].toString(),
            u"\"Интервал (Interval)  1\":       1  2  3  4  5  6  7  8  9"_s);
  EXPECT_EQ(RunCli({u"report"_s, u"intervals"_s, kSample, u"--intervals"_s, u"not json"_s}).Code,
            2);
}

TEST(HistoryToolsCli, SlicesTotalWinTripletsAndTheMap) {
  const TCliRun slices =
      RunCli({u"report"_s, u"slices"_s, kSample, u"--size"_s, u"40"_s, u"--history"_s, u"2"_s});
  EXPECT_EQ(slices.Code, 0);
  EXPECT_EQ(slices.Err, u"lotrix-cli: --size 40 is outside 3..20; using 20\n"_s);
  EXPECT_EQ(slices.Lines().value(4).size(), 22 + 20 * 3);
  const TCliRun total = RunCli({u"report"_s, u"total-win"_s, kSample, u"--history"_s, u"2"_s});
  EXPECT_EQ(total.Lines().mid(4, 3).value(0), u"    ##    TotalWin"_s);
  EXPECT_TRUE(total.Lines().value(5).startsWith(u"   400   "_s));

  const TCliRun triplets = RunCli({u"report"_s, u"triplets"_s, kSample, u"--draw"_s, u"400"_s});
  EXPECT_EQ(triplets.Lines().value(3), u"    2    4    7   23   30"_s);

  const QJsonObject map = Json(
      RunCli({u"report"_s, u"map"_s, kSample, u"--draw"_s, u"300"_s, u"--format"_s, u"json"_s}));
  const QJsonArray labels = map[u"labels"_s].toArray();
  ASSERT_EQ(labels.size(), 30);
  EXPECT_EQ(labels[0].toInt(), 280);
  EXPECT_EQ(labels[29].toInt(), 309);
  EXPECT_EQ(map[u"cell"_s].toInt(), 20);
  EXPECT_EQ(map[u"filled"_s].toArray()[25].toArray().size(), 5);
  const QJsonObject hidden = Json(RunCli({u"report"_s, u"map"_s, kSample, u"--draw"_s, u"300"_s,
                                          u"--no-show-next"_s, u"--format"_s, u"json"_s}));
  EXPECT_TRUE(hidden[u"filled"_s].toArray()[25].toArray().isEmpty());
  const QStringList text = RunCli({u"report"_s, u"map"_s, kSample}).Lines();
  EXPECT_EQ(text.value(20).size(), 8 + 36);
  EXPECT_EQ(text.value(20).count(u'#'), 5);  // draw 400
  EXPECT_EQ(text.value(21).count(u'#'), 0);  // the next draw
}

TEST(HistoryToolsCli, SkipsWithTheirFieldsKindsAndBadInput) {
  const QJsonObject json =
      Json(RunCli({u"report"_s, u"skips"_s, kSample, u"--kind"_s, u"Drop 2.3"_s, u"--history"_s,
                   u"12"_s, u"--filter"_s, u"3 . 1"_s, u"--available"_s, u"40 9 8 7 6 5 4 3 2 1"_s,
                   u"--format"_s, u"json"_s}));
  const QJsonObject fields = json[u"fields"_s].toObject();
  EXPECT_EQ(fields[u"filter"_s].toString(), u" 1 ... 3"_s);
  EXPECT_EQ(fields[u"available"_s].toString(), u" 1 2 3 4 5 6 7 8 9 "_s);  // 40 is no ball
  const QJsonArray lines = json[u"lines"_s].toArray();
  ASSERT_GT(lines.size(), 1);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString text = lines[i].toObject()[u"text"_s].toString();
    const int skip = text.mid(30, 5).trimmed().toInt();
    EXPECT_TRUE(skip >= 1 && skip <= 3) << text.toStdString();
  }

  const TCliRun bad = RunCli({u"report"_s, u"skips"_s, kSample, u"--kind"_s, u"Five"_s});
  EXPECT_EQ(bad.Code, 2);
  EXPECT_EQ(bad.Err,
            u"lotrix-cli: --kind must be Single, Double, Triple, Four, Drop2.3, Drop2.4 or "
            "Drop3.4, not \"Five\"\n"_s);
  EXPECT_EQ(RunCli({u"report"_s, u"skips"_s, kSample, u"--history"_s, u"0"_s}).Err,
            u"lotrix-cli: --history 0 is outside 1..9999; using 1\n"_s);
}

TEST(HistoryToolsCli, ParsecSkipFrequencyAndTheFlash) {
  const QJsonObject parsec = Json(RunCli(
      {u"report"_s, u"parsec"_s, kSample, u"--kind"_s, u"Triple"_s, u"--format"_s, u"json"_s}));
  EXPECT_EQ(parsec[u"value"_s].toInt(), 714);
  EXPECT_EQ(parsec[u"history"_s].toInt(), 714);
  const QJsonObject four = Json(RunCli({u"report"_s, u"parsec"_s, kSample, u"--kind"_s, u"Four"_s,
                                        u"--history"_s, u"77"_s, u"--format"_s, u"json"_s}));
  EXPECT_EQ(four[u"value"_s].toInt(), 1178);  // 10 x C(36, 4) / 5 = 117,810, divided twice
  EXPECT_EQ(four[u"history"_s].toInt(), 1178);

  const QStringList frequency =
      RunCli({u"report"_s, u"skip-frequency"_s, kSample, u"--history"_s, u"10"_s, u"--show20"_s})
          .Lines();
  EXPECT_EQ(frequency.value(0),
            u"Распределение параметра \"Пропуск\" (Skip) за последние 10 тиражей:"_s);

  const QStringList flash = RunCli({u"report"_s, u"flash"_s, kSample, u"--kind"_s, u"Single"_s,
                                    u"--available"_s, u"7 3"_s})
                                .Lines();
  EXPECT_EQ(flash.mid(0, 5),
            (QStringList{QString(), u"Вспышка."_s, QString(), u"    3"_s, u"    7"_s}));
}

TEST(HistoryToolsCli, ALongListGoesOutWholeInSlices) {
  // 58,905 fotons: seven slices of lines, each format whole and in order.
  const QStringList args = {u"report"_s, u"skips"_s,     kSample, u"--kind"_s,
                            u"Four"_s,   u"--history"_s, u"5"_s};
  QStringList text = RunCli(args).Lines();
  ASSERT_EQ(text.takeLast(), QString());  // the last line ended too
  ASSERT_EQ(text.size(), 1 + 58'905);
  EXPECT_TRUE(text.last().startsWith(u"58905    33 34 35 36"_s));
  const QJsonObject json = Json(RunCli(args + QStringList{u"--format"_s, u"json"_s}));
  const QJsonArray lines = json[u"lines"_s].toArray();
  ASSERT_EQ(lines.size(), text.size());
  EXPECT_EQ(lines[8192].toObject()[u"text"_s].toString(), text[8192]);
  EXPECT_EQ(json[u"fields"_s].toObject()[u"available"_s].toString().size(), 1 + 9 * 2 + 27 * 3);
}
