// lotrix-cli forecast: the result pane as the desktop shows it, and the json contract.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>

#include "CliRun.h"

using namespace Qt::StringLiterals;

namespace {

// A forecast of the 5x36 sample with the options.
TCliRun Forecast(const QStringList& options) {
  return RunCli(QStringList{u"forecast"_s, Example(u"5x36 sample.txt"_s)} + options);
}

TEST(ForecastCli, TextIsTheResultPane) {
  const QStringList options = {u"--draw"_s, u"400"_s,       u"--even"_s,      u" 1 .. 2"_s,
                               u"--sum"_s,  u"72 .. 107"_s, u"--any-range"_s, u"0"_s,
                               u"1 .. 9"_s, u"0 1"_s,       u"--show"_s,      u"auto"_s,
                               u"--auto"_s, u"5"_s,         u"--lang"_s,      u"eng"_s,
                               u"--seed"_s, u"11"_s,        u"--threads"_s,   u"2"_s};
  const TCliRun run = Forecast(options);
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.isEmpty());
  const QStringList lines = run.Out.split(u'\n');
  EXPECT_EQ(lines.mid(0, 4),
            (QStringList{u"Прогноз Шаров для тиража № 400"_s, QString(),
                         u"Статистика выигрышей всех отфильтрованных комбинаций:"_s,
                         u"Всего Комбинаций   =      64.862"_s}));
  EXPECT_EQ(lines[11], u"Статистика выигрышей Пула \"Прогноз Авто\":"_s);
  EXPECT_EQ(lines[12], u"Всего Комбинаций   =           5"_s);
  EXPECT_EQ(lines[20], u"      No.        Numbers                 Win"_s);
  EXPECT_TRUE(lines.contains(
      u"Filter statistic 10 (Any range 0):               Accepted=      64.862       Denied=      38.656     -37.3 %"_s))
      << run.Out.toStdString();
  EXPECT_TRUE(lines.contains(
      u"Filter statistic 11 (Any range 1):               Accepted=      64.862       Denied=           0"_s));

  EXPECT_EQ(Forecast(options).Out, run.Out);  // the same seed, the same selection
  QStringList otherSeed = options;
  otherSeed[otherSeed.indexOf(u"11"_s)] = u"12"_s;
  EXPECT_NE(Forecast(otherSeed).Out, run.Out);
}

TEST(ForecastCli, JsonCarriesCountersFieldsAndStoredRows) {
  const TCliRun run = Forecast({u"--even"_s, u"1 .. 2"_s, u"--hot-cold"_s, u"212 0XX"_s,
                                u"--available"_s, u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"_s,
                                u"--format"_s, u"json"_s, u"--lang"_s, u"rus"_s});
  ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(run.Out.toUtf8()).object();
  EXPECT_EQ(json[u"draw"_s].toInt(), 401);
  EXPECT_EQ(json[u"shown"_s].toString(), u"all"_s);
  const QJsonObject counters = json[u"counters"_s].toObject();
  EXPECT_EQ(counters[u"total"_s].toInteger(), 4368);  // 5 of 16
  const qint64 filtered = counters[u"filtered"_s].toInteger();
  EXPECT_EQ(json[u"stored"_s].toInteger(), filtered);
  const QJsonArray filters = counters[u"filters"_s].toArray();
  ASSERT_EQ(filters.size(), 17);
  EXPECT_EQ(filters[0].toObject()[u"accepted"_s].toInteger(), filtered);  // the common line
  EXPECT_EQ(filters[0].toObject()[u"denied"_s].toInteger(), 4368 - filtered);
  EXPECT_EQ(filters[1].toObject()[u"filter"_s].toInt(), 1);
  EXPECT_EQ(filters[1].toObject()[u"accepted"_s].toInteger() +
                filters[1].toObject()[u"denied"_s].toInteger(),
            4368);

  const QJsonObject fields = json[u"fields"_s].toObject();
  EXPECT_EQ(fields[u"available"_s].toString(), u" 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 "_s);
  EXPECT_EQ(fields[u"even"_s].toObject()[u"text"_s].toString(), u" 1 2"_s);
  EXPECT_EQ(fields[u"hot-cold"_s].toObject()[u"text"_s].toString(), u"212  0XX  "_s);
  EXPECT_TRUE(fields[u"hot-cold"_s].toObject()[u"checked"_s].toBool());
  EXPECT_EQ(fields[u"sum"_s].toObject()[u"text"_s].toString(),
            u" 72 .. 107 120 .. 124"_s);  // not ticked
  EXPECT_FALSE(fields[u"sum"_s].toObject()[u"checked"_s].toBool());

  const QJsonArray lines = json[u"lines"_s].toArray();
  // Draw 401 is not drawn yet: the win statistics hold the one line for 0 matches.
  EXPECT_EQ(lines.size(), 7 + filtered + 26);
  EXPECT_EQ(lines[4].toObject()[u"text"_s].toString(),
            u"Совпадений  0      =         "_s + QString::number(filtered));
  EXPECT_EQ(lines[6].toObject()[u"text"_s].toString(),
            u"    # п/п        Шары                    Win"_s);
  EXPECT_EQ(lines[lines.size() - 25].toObject()[u"text"_s].toString(), u"Статистика фильтров:"_s);
  EXPECT_TRUE(json[u"messages"_s].toArray().isEmpty());
}

TEST(ForecastCli, NoForecastAndBadUsage) {
  const TCliRun none = Forecast({u"--even"_s, u"9"_s, u"--lang"_s, u"eng"_s});
  EXPECT_EQ(none.Code, 0);
  // No combination, but the filter statistics say which filter denied them all.
  const QStringList statistics = none.Lines();
  const auto even = std::find_if(statistics.begin(), statistics.end(), [](const QString& line) {
    return line.startsWith(u"Filter statistic 01 (Even):"_s);
  });
  ASSERT_NE(even, statistics.end()) << none.Out.toStdString();
  EXPECT_TRUE(even->contains(u"376.992"_s)) << even->toStdString();  // every one denied
  EXPECT_EQ(none.Err,
            u"No forecast was made or no combinations for the marked filters.\n"
            "Set the filters differently and press the \"New\" button.\n"_s);
  const TCliRun json =
      Forecast({u"--even"_s, u"9"_s, u"--lang"_s, u"eng"_s, u"--format"_s, u"json"_s});
  const QJsonObject object = QJsonDocument::fromJson(json.Out.toUtf8()).object();
  EXPECT_EQ(object[u"shown"_s].toString(), u"none"_s);
  EXPECT_EQ(object[u"messages"_s].toArray().size(), 1);
  EXPECT_FALSE(object[u"lines"_s].toArray().isEmpty());

  EXPECT_EQ(Forecast({u"--any-range"_s, u"10"_s, u"1"_s, u"1"_s}).Code, 2);
  EXPECT_EQ(Forecast({u"--any-range"_s, u"1"_s, u"1"_s}).Code, 2);
  EXPECT_EQ(Forecast({u"--show"_s, u"some"_s}).Code, 2);
  EXPECT_EQ(Forecast({u"--seed"_s, u"x"_s}).Code, 2);
}

}  // namespace

TEST(ForecastCli, ASpaceTooLargeForSixtyFourBitsIsCountedExactly) {
  QTemporaryDir dir;
  const QString path = dir.filePath(u"127x255 huge.txt"_s);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QByteArray draw = "1";
  for (int ball = 1; ball <= 127; ++ball) draw += ' ' + QByteArray::number(ball);
  file.write(draw + '\n');
  file.close();
  const TCliRun run = RunCli({u"forecast"_s, path});
  EXPECT_EQ(run.Code, 1);
  // C(255, 127), 76 digits, not the 9.223.372.036.854.775.807 of a saturated 64-bit count.
  EXPECT_EQ(run.Err,
            u"lotrix-cli forecast: 127 of 255 has "
            "2.884.329.411.724.603.169.044.874.178.931.143.443.870.105.850.987.581.016.304.218.283."
            "632.259.375.395"
            " combinations; the forecast is offered below 100.000.000\n"_s);
}
