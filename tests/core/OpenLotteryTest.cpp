// Opening a lottery from the settings store and the draws file, with the dialog answered by
// the test host.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "TestHost.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSelectRus = u"Выберите файл с результатами тиражей."_s;
const QString kSelectEng = u"Select the draw results file."_s;

class OpenLotteryTest : public testing::Test {
protected:
  QTemporaryDir m_dir;
  TSettings m_settings;
  TTestHost m_host;

  void SetUp() override { m_settings.ClearAll(); }

  QString Write(const QString& name, const QByteArray& content) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }
  QString Reopen01() const { return m_settings.ReadSetting(u"Reopen01"_s); }
  TOpenResult Open(const TLottery* previous = nullptr) {
    return OpenLottery(m_settings, m_host, m_dir.path(), previous);
  }
};

}  // namespace

TEST_F(OpenLotteryTest, FirstStartAsksInRussianAndRemembersTheChoice) {
  const QString path = Write(u"5x36.txt"_s, "10 5 17 23 30 36\n11 1 2 3 4 5\n");
  m_host.OpenAnswers = {path};
  const TOpenResult result = Open();
  EXPECT_EQ(result.Language, u"rus"_s);
  EXPECT_EQ(m_settings.ReadSetting(u"Language"_s), u"rus"_s);
  EXPECT_EQ(m_host.Messages, QStringList({kSelectRus}));
  EXPECT_EQ(m_host.OpenStartDirs, QStringList({m_dir.path()}));
  EXPECT_EQ(Reopen01(), path);
  EXPECT_EQ(result.Reopen01Caption, u"1: "_s + path);
  EXPECT_EQ(result.Path, path);
  EXPECT_EQ(result.Lottery.Tirazhi.size(), 2u);
  EXPECT_EQ(result.Lottery.FirstTira, 10);
  EXPECT_EQ(result.Lottery.NewTira, 12);
  EXPECT_EQ(result.Lottery.LottoClass, 2);
  EXPECT_EQ(result.Loaded.Texts(result.Lottery).MemoTirazhiUp,
            u"   10      5  17  23  30  36\r\n   11      1   2   3   4   5\r\n"_s);
  EXPECT_FALSE(result.Cancelled || result.BadFileName);

  // The next opening finds the file without asking.
  m_host.Messages.clear();
  const TOpenResult again = Open();
  EXPECT_TRUE(m_host.Messages.isEmpty());
  EXPECT_EQ(m_host.OpenStartDirs.size(), 1);
  EXPECT_EQ(again.Lottery.Tirazhi, result.Lottery.Tirazhi);
  EXPECT_TRUE(again.Reopen01Caption.isEmpty());
}

TEST_F(OpenLotteryTest, CancelAtFirstStartLeavesAnEmptyLottery) {
  const TOpenResult result = Open();
  EXPECT_TRUE(result.Cancelled);
  EXPECT_EQ(m_host.Messages, QStringList({kSelectRus}));
  EXPECT_EQ(result.Lottery.BallsInDraw, 0);
  EXPECT_EQ(result.Lottery.MaxBall, 0);
  EXPECT_TRUE(result.Lottery.Tirazhi.empty());
  EXPECT_EQ(result.Lottery.FirstTira, 1);
  EXPECT_EQ(result.Lottery.NewTira, 1);
  EXPECT_EQ(Reopen01(), QString());
}

TEST_F(OpenLotteryTest, VanishedFileWithAnOpenLotteryGivesTheLoadMessages) {
  m_settings.WriteSetting(u"Language"_s, u"eng"_s);
  const QString gone = m_dir.filePath(u"5x36.txt"_s);
  m_settings.WriteSetting(u"Reopen01"_s, gone);
  TLottery previous;
  previous.ReadLotteryFromFileName(gone);
  const TOpenResult result = Open(&previous);
  EXPECT_TRUE(result.Cancelled);
  EXPECT_EQ(result.Lottery.BallsInDraw, 5);
  EXPECT_EQ(m_host.Messages.size(), 3);
  EXPECT_EQ(m_host.Messages.value(0), kSelectEng);
  EXPECT_TRUE(
      m_host.Messages.value(1).startsWith(u"The draw results file is not found \""_s + gone));
  EXPECT_TRUE(m_host.Messages.value(2).startsWith(u"Error in source data."_s));
  EXPECT_EQ(result.Lottery.NewTira, 1);
}

TEST_F(OpenLotteryTest, BadFileNameClearsTheRecentEntry) {
  for (const QString& name : {u"lotto45.txt"_s, u"6x6.txt"_s, u"7x6.txt"_s, u"5x300.txt"_s}) {
    m_host.Messages.clear();
    m_settings.WriteSetting(u"Language"_s, u"eng"_s);
    const QString path = Write(name, "1 1 2 3 4 5\n");
    m_settings.WriteSetting(u"Reopen01"_s, path);
    const TOpenResult result = Open();
    EXPECT_TRUE(result.BadFileName) << name.toStdString();
    EXPECT_EQ(m_host.Messages, QStringList({FileNameErrorMessage(u"eng"_s, path)}));
    EXPECT_TRUE(m_settings.SettingExistsAt(u"Software\\Lotrix"_s, u"Reopen01"_s));
    EXPECT_EQ(Reopen01(), QString());
    EXPECT_TRUE(result.Lottery.Tirazhi.empty());
    EXPECT_EQ(result.Lottery.WindowCaption(),
              u"Lotrix 2.98.2 -- Lottery \""_s + name.chopped(4) + u'"');
  }
}

TEST_F(OpenLotteryTest, NewLotteryThenChoosingAFileShiftsTheList) {
  const QString x = Write(u"6x45.txt"_s, "1 1 2 3 4 5 6\n");
  for (int i = 0; i < 4; ++i)
    m_settings.WriteSetting(QString::fromUtf16(kSettingReopen[i]), QString(QChar(u'A' + i)));
  RecentFiles(m_settings, 0);
  m_host.OpenAnswers = {x};
  const TOpenResult result = Open();
  EXPECT_EQ(result.Lottery.MaxBall, 45);
  EXPECT_EQ(RecentFiles(m_settings, 1),
            QStringList({u"1: "_s + x, u"2: A"_s, u"3: B"_s, u"4: C"_s}));
}

TEST_F(OpenLotteryTest, SwitchingTheLanguageReReadsTheFile) {
  const QString path = Write(u"5x36.txt"_s, "1 1 2 3 4 5\n");
  m_settings.WriteSetting(u"Reopen01"_s, path);
  EXPECT_EQ(Open().Language, u"rus"_s);

  Write(u"5x36.txt"_s, "1 1 2 3 4 5\n2 6 7 8 9 10\n");
  SwitchLanguage(m_settings);
  TOpenResult result = Open();
  EXPECT_EQ(result.Language, u"eng"_s);
  EXPECT_EQ(result.Lottery.NewTira, 3);

  Write(u"5x36.txt"_s, "1 1 2 3 4 5 99\n");
  SwitchLanguage(m_settings);
  result = Open();
  EXPECT_EQ(result.Language, u"rus"_s);
  EXPECT_EQ(m_host.Messages.value(0),
            u"Ошибка в строке 1: (Тираж номер 1), Шаров больше, чем 5."_s);
  EXPECT_TRUE(result.Lottery.Tirazhi.empty());
}

TEST_F(OpenLotteryTest, DrawsTypedIntoAMissingFileAreSavedAndReopened) {
  m_settings.WriteSetting(u"Language"_s, u"eng"_s);
  const QString path = m_dir.filePath(u"5x36.txt"_s);
  m_settings.WriteSetting(u"Reopen01"_s, path);
  TLottery previous;
  previous.ReadLotteryFromFileName(path);
  TOpenResult result = Open(&previous);
  EXPECT_EQ(result.Lottery.NewTira, 1);

  m_host.Messages.clear();
  ASSERT_EQ(SaveDraws(result.Lottery, u"1 1 2 3 4 5\r\n"_s, Reopen01(), result.Language, m_host),
            TSaveOutcome::Saved);
  result = Open();
  EXPECT_EQ(m_host.Messages, QStringList({u"The draw results successfully saved."_s}));
  EXPECT_EQ(result.Lottery.Tirazhi, (iArray2D{{1, 1, 2, 3, 4, 5}}));
  EXPECT_EQ(result.Lottery.NewTira, 2);
}
