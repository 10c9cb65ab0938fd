// lotrix-cli draws FILE --save OUT: the save the draws panel uses, for scripts; and a save
// onto a really full file system, where mounting one is allowed.
#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "CliRun.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

TEST(CliDrawsSave, WritesTheWrittenFormThroughTheSaveOfTheDrawsPanel) {
  QTemporaryDir dir;
  const QString in = dir.filePath(u"5x36 typed.txt"_s);
  WriteBytes(in, "7 5,17,23,30,36\n\n8 1 2 3 4 5\n");
  const QString out = dir.filePath(u"5x36 saved.txt"_s);
  WriteBytes(out, "old");
  const TCliRun saved = RunCli({u"draws"_s, in, u"--save"_s, out, u"--lang"_s, u"eng"_s});
  EXPECT_EQ(saved.Code, 0);
  EXPECT_EQ(saved.Err, u"The draw results successfully saved.\n"_s);
  EXPECT_TRUE(saved.Out.isEmpty());
  EXPECT_EQ(ReadBytes(out),
            QByteArray("    7      5  17  23  30  36\r\n    8      1   2   3   4   5\r\n"));
  // What was saved prints as the draws panel shows it.
  EXPECT_EQ(RunCli({u"draws"_s, out}).Out,
            u"    7      5  17  23  30  36\n    8      1   2   3   4   5\n"_s);

  // A folder cannot be replaced: the message names it and says why; nothing else is written.
  const TCliRun refused = RunCli({u"draws"_s, in, u"--save"_s, dir.path(), u"--lang"_s, u"rus"_s});
  EXPECT_EQ(refused.Code, 1);
  EXPECT_TRUE(refused.Err.startsWith(u"Результаты тиражей не удалось записать в файл \""_s +
                                     dir.path() + u"\"\n"_s))
      << refused.Err.toStdString();
  EXPECT_FALSE(refused.Err.contains(u"успешно"_s));

  // A faulty history is refused before anything is written.
  const QString faulty = dir.filePath(u"5x36 faulty.txt"_s);
  WriteBytes(faulty, "1 1 2 3 4 5\n3 1 2 3 4 5\n");
  const TCliRun invalid = RunCli({u"draws"_s, faulty, u"--save"_s, out, u"--lang"_s, u"eng"_s});
  EXPECT_EQ(invalid.Code, 1);
  EXPECT_TRUE(invalid.Err.startsWith(u"Error at line 2: Draw number error 3\n"_s));
  EXPECT_EQ(ReadBytes(out).size(), 60);  // still the saved two draws

  EXPECT_EQ(RunCli({u"draws"_s, in, u"--save"_s, out, u"--sorted"_s}).Code, 2);
}

TEST(CliDrawsSave, AFullFileSystemFailsTheSaveAndKeepsTheOldFile) {
  // A 64 KiB tmpfs in a namespace of this test's own; skipped where mounting is not allowed.
  const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
  if (unshare.isEmpty()) GTEST_SKIP() << "no unshare";
  QTemporaryDir dir;
  const QString script =
      uR"(
    mount -t tmpfs -o size=64k tmpfs "$0" || exit 77
    printf '1 1 2 3 4 5 6\r\n' > "$0/6x49.txt"
    cp "$0/6x49.txt" "$0/before"
    "$1" draws "$2" --save "$0/6x49.txt" --lang eng
    echo "exit $?"
    cmp -s "$0/6x49.txt" "$0/before" && echo "old file kept"
    ls "$0")"_s;
  const TCliRun run =
      RunProgram(unshare, {u"--user"_s, u"--map-root-user"_s, u"--mount"_s, u"sh"_s, u"-c"_s,
                           script, dir.path(), QString::fromUtf8(LOTRIX_CLI_PATH),
                           Example(u"6x49 canada lotto.txt"_s)});
  if (run.Code == 77 || (run.Code != 0 && run.Out.isEmpty()))
    GTEST_SKIP() << "mounting a tmpfs is not allowed here: " << run.Err.toStdString();
  EXPECT_EQ(run.Out, u"exit 1\nold file kept\n6x49.txt\nbefore\n"_s);  // no temporary left
  EXPECT_TRUE(run.Err.startsWith(u"The draw results could not be written to the file \""_s +
                                 dir.path() + u"/6x49.txt\"\n"_s))
      << run.Err.toStdString();
  EXPECT_FALSE(run.Err.contains(u"successfully"_s));
}
