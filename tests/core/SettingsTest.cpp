// The per-user store, the language repair and switch, and the recent-files list.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Settings.h"

using namespace Qt::StringLiterals;

namespace {

const QString kRoot = u"Software\\Lotrix"_s;

QString Reopen(int i) { return QString::fromUtf16(kSettingReopen[i]); }

class SettingsStore : public testing::Test {
protected:
  TSettings m_settings;

  void SetUp() override { m_settings.ClearAll(); }

  void SetRecent(const QStringList& values) {
    for (int i = 0; i < 4; ++i) m_settings.WriteSetting(Reopen(i), values.value(i));
  }
  QStringList Recent() const {
    QStringList values;
    for (int i = 0; i < 4; ++i) values.append(m_settings.ReadSetting(Reopen(i)));
    return values;
  }
};

}  // namespace

TEST_F(SettingsStore, LivesInTheUsersConfigFolder) {
  const QString expected =
      QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
          .filePath(u"Lotrix/Lotrix.ini"_s);
  EXPECT_EQ(QDir::cleanPath(m_settings.StoreFileName()), QDir::cleanPath(expected));
  EXPECT_EQ(IntervalSetKeyPath(0), u"Software\\Lotrix\\Intervals\\Set00"_s);
  EXPECT_EQ(IntervalSetKeyPath(9), u"Software\\Lotrix\\Intervals\\Set09"_s);
  EXPECT_EQ(IntervalValueName(1), u"Interval_01"_s);
  EXPECT_EQ(IntervalValueName(12), u"Interval_12"_s);
}

TEST_F(SettingsStore, ReadsNeverCreateAndEmptyWritesExist) {
  EXPECT_FALSE(m_settings.SettingsKeyExists());
  EXPECT_EQ(m_settings.ReadSetting(u"Language"_s), QString());
  EXPECT_EQ(m_settings.ReadSettingAt(IntervalSetKeyPath(3), IntervalValueName(1)), QString());
  EXPECT_FALSE(m_settings.SettingsKeyExists());

  m_settings.WriteSetting(u"Reopen02"_s, QString());
  EXPECT_TRUE(m_settings.SettingsKeyExists());
  EXPECT_TRUE(m_settings.SettingExistsAt(kRoot, u"Reopen02"_s));
  EXPECT_EQ(m_settings.ReadSetting(u"Reopen02"_s), QString());
}

TEST_F(SettingsStore, TextValuesSurviveUnchanged) {
  const QStringList values = {u"C:\\Lotto\\5x36, old.txt"_s, u"  \"quoted\" = ;#[x] "_s,
                              u"/home/юзер/Лото 6 из 45.txt"_s, u"1-5, 6-10; 11..20"_s};
  for (const QString& value : values) {
    m_settings.WriteSetting(u"Reopen01"_s, value);
    EXPECT_EQ(m_settings.ReadSetting(u"Reopen01"_s), value);
  }
  // Interval sets are separate keys: they neither see nor touch the root values.
  m_settings.WriteSettingAt(IntervalSetKeyPath(0), IntervalValueName(1), u"1-9"_s);
  m_settings.WriteSettingAt(IntervalSetKeyPath(1), IntervalValueName(1), u"10-19"_s);
  EXPECT_EQ(m_settings.ReadSettingAt(IntervalSetKeyPath(0), IntervalValueName(1)), u"1-9"_s);
  EXPECT_EQ(m_settings.ReadSettingAt(IntervalSetKeyPath(1), IntervalValueName(1)), u"10-19"_s);
  EXPECT_EQ(m_settings.ReadSetting(IntervalValueName(1)), QString());
  EXPECT_EQ(m_settings.ReadSettingAt(kRoot, u"Reopen01"_s), values.last());
}

TEST_F(SettingsStore, HandEditedFileStillReadsAsText) {
  QFile file(m_settings.StoreFileName());
  ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("[General]\nLanguage=eng\nReopen01=/tmp/a, b.txt\nProf=1234567\n");
  file.close();
  EXPECT_EQ(m_settings.ReadSetting(u"Reopen01"_s), u"/tmp/a, b.txt"_s);
  EXPECT_EQ(ReadLanguage(m_settings), u"eng"_s);
}

TEST_F(SettingsStore, LanguageIsRepairedToRussianAndSwitchesBack) {
  EXPECT_EQ(ReadLanguage(m_settings), u"rus"_s);  // first start
  EXPECT_EQ(m_settings.ReadSetting(u"Language"_s), u"rus"_s);
  m_settings.WriteSetting(u"Language"_s, u"English"_s);
  EXPECT_EQ(ReadLanguage(m_settings), u"rus"_s);

  SwitchLanguage(m_settings);
  EXPECT_EQ(ReadLanguage(m_settings), u"eng"_s);
  SwitchLanguage(m_settings);
  EXPECT_EQ(ReadLanguage(m_settings), u"rus"_s);
}

TEST_F(SettingsStore, RecentFilesReorderAsDocumented) {
  const QStringList abcd = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
  const std::pair<int, QStringList> cases[] = {
      {1, abcd},
      {2, {u"B"_s, u"A"_s, u"C"_s, u"D"_s}},
      {3, {u"C"_s, u"A"_s, u"B"_s, u"D"_s}},
      {4, {u"D"_s, u"A"_s, u"B"_s, u"C"_s}},
      {0, {QString(), u"A"_s, u"B"_s, u"C"_s}},
  };
  for (const auto& [operation, expected] : cases) {
    SetRecent(abcd);
    const QStringList captions = RecentFiles(m_settings, operation);
    EXPECT_EQ(Recent(), expected) << operation;
    EXPECT_EQ(captions, QStringList({u"1: "_s + expected[0], u"2: "_s + expected[1],
                                     u"3: "_s + expected[2], u"4: "_s + expected[3]}));
  }

  // A second New Lottery without a chosen file does not shift the list again.
  RecentFiles(m_settings, 0);
  EXPECT_EQ(Recent(), QStringList({QString(), u"A"_s, u"B"_s, u"C"_s}));
  // Duplicates are kept.
  SetRecent({u"B"_s, u"A"_s, u"B"_s, u"D"_s});
  RecentFiles(m_settings, 3);
  EXPECT_EQ(Recent(), QStringList({u"B"_s, u"B"_s, u"A"_s, u"D"_s}));
}

TEST_F(SettingsStore, RecentFilesOnAnEmptyStoreWriteNothing) {
  for (int operation : {0, 1, 7}) {
    EXPECT_EQ(RecentFiles(m_settings, operation),
              QStringList({u"1: "_s, u"2: "_s, u"3: "_s, u"4: "_s}));
    EXPECT_FALSE(m_settings.SettingsKeyExists()) << operation;
  }
}
