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
