// Runs the real lotrix-cli binary: exit codes, exact messages, output formats.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRun.h"
#include "reports/Reports.h"

using namespace Qt::StringLiterals;

namespace {

QJsonObject ParseJson(const QString& text) {
  return QJsonDocument::fromJson(text.toUtf8()).object();
}

TEST(CliValidate, EveryBundledExampleIsValid) {
  const QStringList files = QDir(QString::fromUtf8(LOTRIX_EXAMPLES_DIR)).entryList({u"*.txt"_s});
  ASSERT_EQ(files.size(), 7);
  for (const QString& file : files) {
    const TCliRun run = RunCli({u"validate"_s, Example(file), u"--format"_s, u"json"_s});
    EXPECT_EQ(run.Code, 0) << file.toStdString() << run.Out.toStdString();
    const QJsonObject json = ParseJson(run.Out);
    EXPECT_TRUE(json[u"valid"_s].toBool()) << file.toStdString();
    EXPECT_TRUE(json[u"messages"_s].toArray().isEmpty());
  }
  const QJsonObject keno = ParseJson(
      RunCli({u"validate"_s, Example(u"20x80 hungary keno.txt"_s), u"--format"_s, u"json"_s}).Out);
  EXPECT_EQ(keno[u"balls"_s].toInt(), 20);
  EXPECT_EQ(keno[u"max"_s].toInt(), 80);
  EXPECT_EQ(keno[u"draws"_s].toInt(), 9461);
}

TEST(CliValidate, BrokenCopyReportsTheFirstFaultAndTheLoadFailure) {
  QTemporaryDir dir;
  QFile source(Example(u"6x45 korea lotto.txt"_s));
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  QByteArray text = source.readAll();
  text.replace("\n3 11 16 19 21 27 31\n", "\n3 11 16 19 21 27 31 44\n");  // seven balls
  text.replace("\n5 ", "\n6 ");                                           // and a later fault
  const QString path = dir.filePath(u"6x45 broken.txt"_s);
  QFile broken(path);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(text);
  broken.close();

  const TCliRun eng =
      RunCli({u"validate"_s, path, u"--lang"_s, u"eng"_s, u"--format"_s, u"json"_s});
  EXPECT_EQ(eng.Code, 1);
  const QJsonObject json = ParseJson(eng.Out);
  EXPECT_FALSE(json[u"valid"_s].toBool());
  EXPECT_EQ(json[u"balls"_s].toInt(), 6);
  EXPECT_EQ(json[u"max"_s].toInt(), 45);
  EXPECT_EQ(json[u"draws"_s].toInt(), 0);
  EXPECT_EQ(json[u"messages"_s].toArray().toVariantList(),
            (QVariantList{u"Error at line 3: (Draw number 3), Numbers more than 6."_s,
                          u"Error in source data. The draw results not loaded.\r"
                          "Correct the error and click button Save."_s}));

  const TCliRun rus = RunCli({u"validate"_s, path, u"--lang"_s, u"rus"_s});
  EXPECT_EQ(rus.Code, 1);
  EXPECT_EQ(rus.Out,
            u"Ошибка в строке 3: (Тираж номер 3), Шаров больше, чем 6.\n"
            "Ошибка в исходных данных. Результаты тиражей не загружены.\n"
            "Исправьте ошибку и нажмите кнопку Сохранить.\n"_s);
}

TEST(CliValidate, BadFileNameAndMissingFile) {
  const TCliRun badName = RunCli({u"validate"_s, u"lotto45.txt"_s, u"--lang"_s, u"eng"_s});
  EXPECT_EQ(badName.Code, 1);
  EXPECT_EQ(badName.Out,
            u"File name error.\nRename source data file as described in the Help "
            "\"Lotrix. Описание.pdf\".\nThe name \"lotto45\" holds fewer than two "
            "numbers: the first is the balls per draw, the second the highest ball "
            "(\"6x49 lotto.txt\").\n"_s);

  const TCliRun missing = RunCli(
      {u"validate"_s, u"/nonexistent/5x36.txt"_s, u"--lang"_s, u"eng"_s, u"--format"_s, u"json"_s});
  EXPECT_EQ(missing.Code, 1);
  const QJsonArray messages = ParseJson(missing.Out)[u"messages"_s].toArray();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0].toString(),
            u"The draw results file is not found \"/nonexistent/5x36.txt\"\rEnter the draw results "
            "to the table \"In draw order\" and click button Save."_s);
}

TEST(CliUsage, BadUsageExitsWithTwo) {
  EXPECT_EQ(RunCli({}).Code, 2);
  EXPECT_EQ(RunCli({u"frobnicate"_s}).Code, 2);
  EXPECT_EQ(RunCli({u"validate"_s}).Code, 2);
  EXPECT_EQ(RunCli({u"validate"_s, u"a.txt"_s, u"--lang"_s, u"fra"_s}).Code, 2);
  EXPECT_EQ(RunCli({u"validate"_s, u"a.txt"_s, u"--bogus"_s}).Code, 2);
  EXPECT_EQ(RunCli({u"report"_s, u"nosuch"_s}).Code, 2);
  EXPECT_EQ(RunCli({u"report"_s, u"range"_s}).Code, 2);
  EXPECT_EQ(
      RunCli({u"report"_s, u"range"_s, u"--series-text"_s, u"1"_s, u"--format"_s, u"pdf"_s}).Code,
      2);

  const TCliRun help = RunCli({u"--help"_s});
  EXPECT_EQ(help.Code, 0);
  EXPECT_TRUE(help.Out.contains(u"validate"_s) && help.Out.contains(u"report"_s));
  const TCliRun reportHelp = RunCli({u"report"_s, u"range"_s, u"--help"_s});
  EXPECT_EQ(reportHelp.Code, 0);
  EXPECT_TRUE(reportHelp.Out.contains(u"\"background\""_s));
}

TEST(CliDraws, WrittenFormInDrawOrderAndSorted) {
  const TCliRun run = RunCli({u"draws"_s, Example(u"5x36 sample.txt"_s)});
  EXPECT_EQ(run.Code, 0);
  const QStringList lines = run.Out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 400);
  EXPECT_EQ(lines[0], u"    1     19  24  27  35  18"_s);
  const TCliRun sorted = RunCli({u"draws"_s, Example(u"5x36 sample.txt"_s), u"--sorted"_s});
  EXPECT_EQ(sorted.Out.split(u'\n')[0], u"    1     18  19  24  27  35"_s);
}

TEST(CliReport, EveryReportOfTheEngineIsACommandWithItsSummary) {
  const TCliRun help = RunCli({u"report"_s, u"--help"_s});
  EXPECT_EQ(help.Code, 0);
  const QStringList lines = help.Lines();
  for (const TReportDef& def : ReportDefs()) {
    const QString name = QString::fromUtf16(def.Name);
    EXPECT_TRUE(lines.contains(u"  "_s + name.leftJustified(14) + QString::fromUtf16(def.Summary)))
        << name.toStdString();
    const TCliRun own = RunCli({u"report"_s, name, u"--help"_s});
    EXPECT_EQ(own.Code, 0) << name.toStdString();
    EXPECT_TRUE(own.Out.contains(QString::fromUtf16(def.Summary)));
    EXPECT_EQ(own.Out.contains(u"lotrix-cli report "_s + name + u" FILE"_s), def.NeedsLottery)
        << name.toStdString();
    if (!def.NeedsLottery) continue;
    // With its defaults on a real history: a report, quietly (the engine's report of the
    // command's parameters is the command's own).
    const TCliRun run = RunCli({u"report"_s, name, Example(u"5x36 sample.txt"_s)});
    EXPECT_EQ(run.Code, 0) << name.toStdString();
    EXPECT_FALSE(run.Out.trimmed().isEmpty()) << name.toStdString();
    EXPECT_EQ(run.Err, QString()) << name.toStdString();
  }
}

TEST(CliReport, RangeInEveryFormat) {
  const QStringList base = {u"report"_s, u"range"_s, u"--series-text"_s, u"2 1 2 2"_s,
                            u"--markov"_s};
  const TCliRun text = RunCli(base);
  EXPECT_EQ(text.Code, 0);
  EXPECT_TRUE(text.Out.startsWith(u"Статистика Ряда. (The Range statistic).\n\n"_s));
  EXPECT_TRUE(text.Out.contains(u"\n    2            |    1 |    1 |\n"_s));

  const TCliRun json = RunCli(base + QStringList{u"--format"_s, u"json"_s});
  const QJsonArray lines = ParseJson(json.Out)[u"lines"_s].toArray();
  bool shaded = false;
  for (const auto& line : lines) {
    const QJsonObject object = line.toObject();
    if (object[u"text"_s].toString() != u"    2            |    1 |    1 |"_s) continue;
    const QJsonObject span = object[u"spans"_s].toArray().at(0).toObject();
    EXPECT_EQ(span[u"col"_s].toInt(), 0);
    EXPECT_EQ(span[u"len"_s].toInt(), 32);
    EXPECT_TRUE(span[u"color"_s].isNull());
    EXPECT_EQ(span[u"background"_s].toString(), u"#e6e6e6"_s);
    EXPECT_TRUE(span[u"bold"_s].isNull());
    shaded = true;
  }
  EXPECT_TRUE(shaded);

  EXPECT_TRUE(RunCli(base + QStringList{u"--format"_s, u"html"_s})
                  .Out.contains(u"background-color:#e6e6e6"_s));
  EXPECT_TRUE(RunCli(base + QStringList{u"--format"_s, u"ansi"_s})
                  .Out.contains(u"\x1b[48;2;230;230;230m"_s));
}

}  // namespace
