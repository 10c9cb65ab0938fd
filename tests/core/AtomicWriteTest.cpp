// A write that fails part-way (a file size limit, a full disk) never replaces the file, and
// the save says which file and why.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <functional>

#include "TestHost.h"
#include "core/AtomicWrite.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs `body` in a child process whose files may not grow beyond `limit` bytes. SIGXFSZ is
// ignored, so a write past the limit fails with EFBIG as on a full disk instead of killing
// the child. What `body` returns comes back through a pipe.
QString InChildWithFileSizeLimit(rlim_t limit, const std::function<QString()>& body) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return u"pipe failed"_s;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit bound{limit, limit};
    const QByteArray result =
        setrlimit(RLIMIT_FSIZE, &bound) == 0 ? body().toUtf8() : "setrlimit failed";
    for (qsizetype done = 0; done < result.size();) {
      const ssize_t n =
          write(pipeEnds[1], result.constData() + done, static_cast<size_t>(result.size() - done));
      if (n <= 0) break;
      done += n;
    }
    _exit(0);
  }
  close(pipeEnds[1]);
  QByteArray result;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? QString::fromUtf8(result) : u"the child died"_s;
}

// A valid 5-of-36 history of `draws` draws in its written form.
QString History(int draws) {
  iArray2D rows;
  for (int n = 1; n <= draws; ++n) rows.push_back({n, 1 + n % 30, 32, 33, 34, 35});
  return ShowDraws(rows);
}

class AtomicWrite : public testing::Test {
protected:
  QTemporaryDir m_dir;
  QString m_path = m_dir.filePath(u"5x36.txt"_s);
  QByteArray m_old = History(40).toUtf8();  // about 1 KB

  void SetUp() override { WriteBytes(m_path, m_old); }
  // Saves `memo` from a child under the size limit; returns the outcome and the messages.
  QString SaveInChild(rlim_t limit, const QString& memo, const QString& language) {
    return InChildWithFileSizeLimit(limit, [&]() -> QString {
      TTestHost host;
      TLottery lottery;
      lottery.ReadLotteryFromFileName(m_path);
      const TSaveOutcome outcome = SaveDraws(lottery, memo, m_path, language, host);
      return QString::number(static_cast<int>(outcome)) + u'\n' + host.Messages.join(u'\n') +
             u"\ndialogs "_s + QString::number(host.SaveDialogs);
    });
  }
  void ExpectOldFileAlone() {
    EXPECT_EQ(ReadBytes(m_path), m_old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList{u"5x36.txt"_s});  // no temporary left
  }
};

}  // namespace

TEST_F(AtomicWrite, ASaveBeyondTheFileSizeLimitFailsAndKeepsTheOldFile) {
  // 15 KB with 8 KB allowed: cut at 8,192 bytes, the old file must survive whole.
  const QString memo = History(560);
  ASSERT_GT(memo.size(), 15000);
  const QString reason = qt_error_string(EFBIG);
  EXPECT_EQ(SaveInChild(8192, memo, u"eng"_s),
            QString::number(static_cast<int>(TSaveOutcome::NotWritten)) +
                u"\nThe draw results could not be written to the file \""_s + m_path + u"\"\r"_s +
                reason + u"\ndialogs 1"_s);
  ExpectOldFileAlone();
  EXPECT_EQ(SaveInChild(8192, memo, u"rus"_s),
            QString::number(static_cast<int>(TSaveOutcome::NotWritten)) +
                u"\nРезультаты тиражей не удалось записать в файл \""_s + m_path + u"\"\r"_s +
                reason + u"\ndialogs 1"_s);
  ExpectOldFileAlone();
}

TEST_F(AtomicWrite, NotEvenOneByteFitsSoNothingIsReplaced) {
  // The full disk that used to leave an empty file behind "successfully saved".
  const QString outcome = SaveInChild(0, History(30), u"eng"_s);
  EXPECT_TRUE(outcome.startsWith(QString::number(static_cast<int>(TSaveOutcome::NotWritten))))
      << outcome.toStdString();
  EXPECT_FALSE(outcome.contains(u"successfully"_s));
  ExpectOldFileAlone();
}

TEST_F(AtomicWrite, WithinTheLimitTheNewContentReplacesTheOld) {
  const QString memo = History(100);
  EXPECT_EQ(SaveInChild(1 << 20, memo, u"eng"_s),
            QString::number(static_cast<int>(TSaveOutcome::Saved)) +
                u"\nThe draw results successfully saved.\ndialogs 0"_s);
  EXPECT_EQ(ReadBytes(m_path), memo.toUtf8());
}

TEST_F(AtomicWrite, TheWriterReportsEveryFailureWithItsReason) {
  const QByteArray bytes(20000, 'x');
  const QString child = InChildWithFileSizeLimit(4096, [&]() -> QString {
    const TWriteOutcome outcome = WriteFileAtomically(m_path, bytes);
    return (outcome.Written ? u"written "_s : u"failed "_s) + outcome.Reason;
  });
  EXPECT_EQ(child, u"failed "_s + qt_error_string(EFBIG));
  ExpectOldFileAlone();

  EXPECT_EQ(WriteFileAtomically(m_dir.path(), bytes).Reason, qt_error_string(EISDIR));
  EXPECT_FALSE(WriteFileAtomically(QString(), bytes).Written);
  EXPECT_FALSE(WriteFileAtomically(m_path + u"/below-a-file"_s, bytes).Written);
  const TWriteOutcome written = WriteFileAtomically(m_path, bytes);
  EXPECT_TRUE(written.Written);
  EXPECT_TRUE(written.Reason.isEmpty());
  EXPECT_EQ(ReadBytes(m_path), bytes);
}
