// lotrix-cli report calculator / martingale.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
