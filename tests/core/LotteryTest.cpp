// The lottery definition from the file name, the draw table's check, written form, loading
// and atomic saving, and the available balls.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <limits>

#include "TestHost.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

const QString kEng = u"eng"_s;
const QString kRus = u"rus"_s;

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TLottery Lottery(int k, int n, iArray2D table = {}) {
  TLottery lottery;
  lottery.BallsInDraw = k;
  lottery.MaxBall = n;
  lottery.Tirazhi = std::move(table);
  return lottery;
}

// The message ValidateDraws shows for a table in a 5 of 36 lottery ("" when it is valid).
QString FaultOf(const iArray2D& table, const QString& language) {
  TTestHost host;
  const bool valid = ValidateDraws(table, 5, 36, language, host);
  EXPECT_EQ(host.Messages.size(), valid ? 0 : 1);
  return host.Messages.value(0);
}

}  // namespace

TEST(LotteryFileName, FirstTwoNumbersOfTheNameGiveTheLottery) {
  TLottery lottery;
  EXPECT_TRUE(lottery.ReadLotteryFromFileName(u"/home/u/draws/5x36.txt"_s));
  EXPECT_EQ(lottery.BallsInDraw, 5);
  EXPECT_EQ(lottery.MaxBall, 36);
  EXPECT_EQ(lottery.WindowCaption(), u"Lotrix 2.98.2 -- Lottery \"5x36\""_s);

  EXPECT_TRUE(lottery.ReadLotteryFromFileName(u"/d/Keno 20 from 80 (2019).txt"_s));
  EXPECT_EQ(lottery.BallsInDraw, 20);
  EXPECT_EQ(lottery.MaxBall, 80);
  EXPECT_EQ(lottery.Name, u"Keno 20 from 80 (2019)"_s);

  // Only the last extension goes; folder numbers are not read.
  EXPECT_TRUE(lottery.ReadLotteryFromFileName(u"/9x99/6x45.v2.txt"_s));
  EXPECT_EQ(lottery.Name, u"6x45.v2"_s);
  EXPECT_EQ(lottery.BallsInDraw, 6);
  EXPECT_EQ(lottery.MaxBall, 45);
  EXPECT_TRUE(lottery.ReadLotteryFromFileName(u"5x255"_s));
}

TEST(LotteryFileName, NamesWithoutAValidLotteryAreRejected) {
  for (const QString& name : {u"lotto45.txt"_s, u"6x6.txt"_s, u"7x6.txt"_s, u"0x36.txt"_s,
                              u"5x256.txt"_s, u"draws.txt"_s, u"5x99999999999.txt"_s}) {
    TLottery lottery = Lottery(5, 36);
    EXPECT_FALSE(lottery.ReadLotteryFromFileName(u"/tmp/"_s + name)) << name.toStdString();
    EXPECT_EQ(lottery.BallsInDraw, 0);
    EXPECT_EQ(lottery.MaxBall, 0);
  }
  TLottery lottery;
  lottery.ReadLotteryFromFileName(u"/tmp/lotto45.txt"_s);
  EXPECT_EQ(lottery.WindowCaption(), u"Lotrix 2.98.2 -- Lottery \"lotto45\""_s);
}

TEST(LotteryFileName, TheMessageSaysWhichPartOfTheRuleTheNameBreaks) {
  const QString english =
      u"File name error.\rRename source data file as described in the Help "
      u"\"Lotrix. Описание.pdf\".\r"_s;
  const QString russian =
      u"Ошибка наименования файла.\rПереименуйте файл с исходными данными, как "
      u"описано в инструкции \"Lotrix. Описание.pdf\".\r"_s;
  struct TCase {
    QString Name;
    TFileNameFault Fault;
    QString English, Russian;
  };
  const TCase cases[] = {
      {u"/tmp/lotto45.txt"_s, TFileNameFault::FewerThanTwoNumbers,
       u"The name \"lotto45\" holds fewer than two numbers: the first is the balls per draw, the "
       u"second the highest ball (\"6x49 lotto.txt\")."_s,
       u"В имени \"lotto45\" меньше двух чисел: первое - число шаров в тираже, второе - "
       u"наибольший номер шара (\"6x49 lotto.txt\")."_s},
      {u"0x36.txt"_s, TFileNameFault::ZeroNumber,
       u"The balls per draw (K = 0) and the highest ball (N = 36) must be above 0."_s,
       u"Число шаров в тираже (K = 0) и наибольший номер шара (N = 36) должны быть больше 0."_s},
      {u"6x6.txt"_s, TFileNameFault::BallsNotBelowMax,
       u"The balls per draw (K = 6) must be fewer than the highest ball (N = 6)."_s,
       u"Число шаров в тираже (K = 6) должно быть меньше наибольшего номера шара (N = 6)."_s},
      {u"7x6.txt"_s, TFileNameFault::BallsNotBelowMax,
       u"The balls per draw (K = 7) must be fewer than the highest ball (N = 6)."_s,
       u"Число шаров в тираже (K = 7) должно быть меньше наибольшего номера шара (N = 6)."_s},
      {u"5x256.txt"_s, TFileNameFault::MaxBallTooLarge,
       u"The highest ball (N = 256) must be at most 255."_s,
       u"Наибольший номер шара (N = 256) должен быть не больше 255."_s},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FileNameFault(c.Name), c.Fault) << c.Name.toStdString();
    EXPECT_EQ(FileNameErrorMessage(kEng, c.Name), english + c.English);
    EXPECT_EQ(FileNameErrorMessage(kRus, c.Name), russian + c.Russian);
  }
  // A number too large to read is no number: "5x99999999999" holds one.
  EXPECT_EQ(FileNameFault(u"5x99999999999.txt"_s), TFileNameFault::FewerThanTwoNumbers);
  EXPECT_EQ(FileNameFault(u"6x49 lotto.txt"_s), TFileNameFault::None);
  EXPECT_EQ(FileNameErrorMessage(kEng, u"6x49.txt"_s), english.chopped(1));
}

TEST(LotteryTable, LottoClassFollowsMaxBall) {
  const std::pair<int, int> cases[] = {{29, 0}, {30, 2}, {36, 2}, {39, 2}, {40, 1},
                                       {49, 1}, {50, 1}, {51, 0}, {80, 0}};
  for (const auto& [maxBall, lottoClass] : cases) {
    TLottery lottery = Lottery(5, maxBall);
    lottery.UpdateLottoClass();
    EXPECT_EQ(lottery.LottoClass, lottoClass) << maxBall;
  }
}

TEST(LotteryTable, DrawRangeAndLookupByDrawNumber) {
  TLottery lottery = Lottery(3, 10, {{10, 3, 1, 2}, {11, 4, 5, 6}, {12, 9, 8, 7}});
  lottery.SetDrawRange();
  EXPECT_EQ(lottery.FirstTira, 10);
  EXPECT_EQ(lottery.NewTira, 13);
  EXPECT_EQ(lottery.DrawBalls(10), (iArray{3, 1, 2}));  // file order, not sorted
  EXPECT_EQ(lottery.DrawBalls(12), (iArray{9, 8, 7}));
  for (int n : {9, 13, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
    EXPECT_TRUE(lottery.DrawBalls(n).empty()) << n;
  EXPECT_EQ(lottery.CountHitsInDraw({1, 1, 2, 9}, 10), 3);
  EXPECT_EQ(lottery.CountHitsInDraw({1, 2}, 13), 0);

  TLottery empty = Lottery(3, 10);
  empty.FirstTira = empty.NewTira = 7;
  empty.SetDrawRange();
  EXPECT_EQ(empty.FirstTira, 1);
  EXPECT_EQ(empty.NewTira, 1);
  EXPECT_TRUE(empty.DrawBalls(1).empty());
}

TEST(LotteryValidate, EveryFaultHasItsMessageInBothLanguages) {
  struct TCase {
    iArray2D Table;
    QString English, Russian;
  };
  const TCase cases[] = {
      {{{7, 1, 2, 3, 4, 5}, {9, 1, 2, 3, 4, 5}},
       u"Error at line 2: Draw number error 9"_s,
       u"Ошибка в строке 2: Неправильный номер тиража 9"_s},
      {{{7, 1, 2, 3, 4, 5, 6}},
       u"Error at line 1: (Draw number 7), Numbers more than 5."_s,
       u"Ошибка в строке 1: (Тираж номер 7), Шаров больше, чем 5."_s},
      {{{7, 1, 2, 3, 4}},
       u"Error at line 1: (Draw number 7), Numbers less than 5."_s,
       u"Ошибка в строке 1: (Тираж номер 7), Шаров меньше, чем 5."_s},
      {{{7, 1, 2, 3, 4, 37}},
       u"Error at line 1: (Draw number 7), There is a number out of range 1 - 36."_s,
       u"Ошибка в строке 1: (Тираж номер 7), Шар вне диапазона 1 - 36."_s},
      {{{7, 1, 2, 3, 4, 5}, {8, 1, 2, 3, 3, 5}},
       u"Error at line 2: (Draw number 8), There are same numbers."_s,
       u"Ошибка в строке 2: (Тираж номер 8), Есть одинаковые Шары."_s},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FaultOf(c.Table, kEng), c.English);
    EXPECT_EQ(FaultOf(c.Table, kRus), c.Russian);
  }
}

TEST(LotteryValidate, ChecksRunInOrderAndStopAtTheFirstFault) {
  EXPECT_EQ(FaultOf({{0, 1, 2, 3, 4, 5}, {1, 36, 35, 34, 33, 32}}, kEng), QString());  // 0 is free
  EXPECT_EQ(FaultOf({{5, 0, 2, 3, 4, 5}}, kEng),
            u"Error at line 1: (Draw number 5), There is a number out of range 1 - 36."_s);
  // Draw number before count, count before range, range before repeats.
  EXPECT_EQ(FaultOf({{1, 1, 2, 3, 4, 5}, {3, 99, 99}}, kEng),
            u"Error at line 2: Draw number error 3"_s);
  EXPECT_EQ(FaultOf({{1, 99, 99, 99, 99, 99, 99}}, kEng),
            u"Error at line 1: (Draw number 1), Numbers more than 5."_s);
  EXPECT_EQ(FaultOf({{1, 99, 1, 1, 1, 1}}, kEng),
            u"Error at line 1: (Draw number 1), There is a number out of range 1 - 36."_s);
  TTestHost host;
  EXPECT_FALSE(ValidateDraws({}, 5, 36, kEng, host));
  EXPECT_TRUE(host.Messages.isEmpty());
}

TEST(LotteryValidate, HugeRowsAndLastDrawNumbersAreFaultsNotHazards) {
  iArray huge(1'000'001, 1);
  huge[0] = 1;
  EXPECT_EQ(FaultOf({huge}, kEng), u"Error at line 1: (Draw number 1), Numbers more than 5."_s);
  // No draw can follow 2147483647, so that number is refused rather than overflowing.
  EXPECT_EQ(FaultOf({{2147483646, 1, 2, 3, 4, 5}, {2147483647, 1, 2, 3, 4, 5}}, kEng),
            u"Error at line 2: Draw number error 2147483647"_s);
}

TEST(LotteryDraws, WrittenFormAndOrderedView) {
  const QString line = ShowDraws({{1234, 5, 17, 23, 30, 36}});
  EXPECT_EQ(line, u" 1234      5  17  23  30  36\r\n"_s);
  EXPECT_EQ(line.size(), 28 + 2);
  EXPECT_EQ(ShowDraws({{7}, {}, {123456, 12345}}), u"    7   \r\n123456   12345\r\n"_s);
  EXPECT_EQ(ShowDraws({}), QString());
  EXPECT_EQ(OrderedDraws({{9, 30, 5, 17}, {10, 2, 1, 3}}),
            (iArray2D{{9, 5, 17, 30}, {10, 1, 2, 3}}));
}

TEST(LotteryDraws, RowsAreReadLikeTheTextHelpers) {
  const QString text = u"\uFEFF101 1-2-3\r\n\r\nnote\r102 4,5.6\n103\t7 ٣ 8 99999999999\n\n007"_s;
  const iArray2D rows = ReadDrawRows(text).Rows;
  EXPECT_EQ(rows, (iArray2D{{101, 1, 2, 3}, {102, 4, 5, 6}, {103, 7, 8}, {7}}));
  EXPECT_EQ(rows, TextToRows(SplitLines(text)));
  const QString date = u"15 01.02.2020 1 2 3 4 5"_s;  // a date adds three numbers
  EXPECT_EQ(FaultOf(ReadDrawRows(date).Rows, kEng),
            u"Error at line 1: (Draw number 15), Numbers more than 5."_s);
}

class LotteryFiles : public testing::Test {
protected:
  QTemporaryDir m_dir;
  TTestHost m_host;
  TLottery m_lottery = Lottery(5, 36);

  QString PathOf(const QString& name) const { return m_dir.filePath(name); }
  TDrawsTexts Load(const QByteArray& content) {
    const QString path = PathOf(u"5x36.txt"_s);
    WriteBytes(path, content);
    return LoadDraws(m_lottery, path, kEng, m_host).Texts(m_lottery);
  }
};

TEST_F(LotteryFiles, MissingFileGivesNotFoundThenLoadFailed) {
  const QString path = PathOf(u"5x36.txt"_s);
  LoadDraws(m_lottery, path, kEng, m_host);
  LoadDraws(m_lottery, path, kRus, m_host);
  EXPECT_EQ(m_host.Messages,
            QStringList({u"The draw results file is not found \""_s + path +
                             u"\"\rEnter the draw results to the table \"In draw order\" and click "
                             u"button Save."_s,
                         u"Error in source data. The draw results not loaded.\rCorrect the error "
                         u"and click button Save."_s,
                         u"Не обнаружен файл \""_s + path +
                             u"\"\rВведите результаты тиражей в таблицу \"В порядке выпадения\" и "
                             u"нажмите кнопку Сохранить."_s,
                         u"Ошибка в исходных данных. Результаты тиражей не загружены.\rИсправьте "
                         u"ошибку и нажмите кнопку Сохранить."_s}));
  EXPECT_TRUE(m_lottery.Tirazhi.empty());
}

TEST_F(LotteryFiles, FileWithoutDigitsGivesOnlyLoadFailed) {
  const TDrawsTexts texts = Load("no draws here\r\n");
  EXPECT_EQ(m_host.Messages.size(), 1);
  EXPECT_TRUE(m_host.Messages.value(0).startsWith(u"Error in source data."_s));
  EXPECT_TRUE(texts.MemoTirazhi.isEmpty());
}

TEST_F(LotteryFiles, ValidFileWithBomAndMixedLineEndsLoads) {
  const TDrawsTexts texts = Load(
      "\xEF\xBB\xBF"
      "1 30 5 17 23 36\r\n\n2 1 2 3 4 5\r3 6-7-8-9-10");
  EXPECT_TRUE(m_host.Messages.isEmpty());
  EXPECT_EQ(m_lottery.Tirazhi,
            (iArray2D{{1, 30, 5, 17, 23, 36}, {2, 1, 2, 3, 4, 5}, {3, 6, 7, 8, 9, 10}}));
  EXPECT_EQ(texts.MemoTirazhi, ShowDraws(m_lottery.Tirazhi));
  EXPECT_TRUE(texts.MemoTirazhiUp.startsWith(u"    1      5  17  23  30  36\r\n"_s));

  // A UTF-16 file (with its byte-order mark) is read as text too.
  const QString utf16 = u"\uFEFF4 1 2 3 4 5\r\n"_s;
  Load(QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
  EXPECT_EQ(m_lottery.Tirazhi, (iArray2D{{4, 1, 2, 3, 4, 5}}));
}

TEST_F(LotteryFiles, FaultyFileStaysInTheEditorAndLineNumbersSkipBlankLines) {
  const TDrawsTexts texts = Load("1 1 2 3 4 5\n\nnote\n2 1 2 3 4 5\n3 1 2 3 4 0\n");
  EXPECT_EQ(m_host.Messages.value(0),
            u"Error at line 3: (Draw number 3), There is a number out of range 1 - 36."_s);
  EXPECT_EQ(m_host.Messages.size(), 2);
  EXPECT_EQ(texts.MemoTirazhi.count(u"\r\n"_s), 3);
  EXPECT_TRUE(texts.MemoTirazhiUp.isEmpty());
  EXPECT_TRUE(m_lottery.Tirazhi.empty());
}

TEST_F(LotteryFiles, HostileFilesFailCleanly) {
  QByteArray random(50 * 1024 * 1024, '\0');
  QRandomGenerator generator(42);
  generator.fillRange(reinterpret_cast<quint32*>(random.data()), random.size() / 4);
  Load(random);
  EXPECT_TRUE(m_lottery.Tirazhi.empty());
  EXPECT_TRUE(m_host.Messages.last().startsWith(u"Error in source data."_s));

  m_host.Messages.clear();
  const TDrawsTexts texts = Load("1 " + QByteArray(1'000'000, '7') + " 1 2 3 4 5\n");
  EXPECT_EQ(m_lottery.Tirazhi, (iArray2D{{1, 1, 2, 3, 4, 5}}));  // the overlong run is dropped
  EXPECT_TRUE(m_host.Messages.isEmpty());
  EXPECT_EQ(texts.MemoTirazhi.size(), 30);

  // A file beyond the reader's bound is not read at all (sparse, so the test stays cheap).
  m_host.Messages.clear();
  const QString path = PathOf(u"5x36.txt"_s);
  QFile big(path);
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(kMaxDrawsFileBytes + 1));
  big.close();
  EXPECT_TRUE(LoadDraws(m_lottery, path, kEng, m_host).Texts(m_lottery).MemoTirazhi.isEmpty());
  EXPECT_EQ(m_host.Messages.size(), 2);  // the bound, then load failed
}

TEST_F(LotteryFiles, RefusedFilesSayWhyInBothLanguages) {
  const QString path = PathOf(u"5x36.txt"_s);
  const QString loadFailed =
      u"Error in source data. The draw results not loaded.\rCorrect the "
      u"error and click button Save."_s;
  const QString loadFailedRus =
      u"Ошибка в исходных данных. Результаты тиражей не загружены.\r"
      u"Исправьте ошибку и нажмите кнопку Сохранить."_s;
  auto messagesOf = [&](const QString& file, const QString& language) {
    m_host.Messages.clear();
    LoadDraws(m_lottery, file, language, m_host);
    EXPECT_TRUE(m_lottery.Tirazhi.empty());
    return m_host.Messages;
  };

  // A folder is not a missing file.
  EXPECT_EQ(messagesOf(m_dir.path(), kEng),
            QStringList({u"The draws file \""_s + m_dir.path() +
                             u"\" is not a plain-text draws file: it is a folder or a device."_s,
                         loadFailed}));
  EXPECT_EQ(messagesOf(m_dir.path(), kRus),
            QStringList({u"Файл тиражей \""_s + m_dir.path() +
                             u"\" - не текстовый файл тиражей: это папка или устройство."_s,
                         loadFailedRus}));

  // UTF-16 without a byte-order mark: every other byte is NUL.
  const QString utf16 = u"1 1 2 3 4 5\r\n"_s;
  WriteBytes(path, QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
  EXPECT_EQ(messagesOf(path, kEng),
            QStringList({u"The draws file \""_s + path +
                             u"\" is not a plain-text draws file: it holds NUL bytes (UTF-16 "
                             u"without a byte-order mark, or a binary file)."_s,
                         loadFailed}));
  EXPECT_EQ(messagesOf(path, kRus).value(0),
            u"Файл тиражей \""_s + path +
                u"\" - не текстовый файл тиражей: в нём есть нулевые байты (UTF-16 без метки "
                u"порядка байтов или двоичный файл)."_s);

  // Beyond the size bound (a sparse file, so the test stays cheap) and the row bound.
  {
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(kMaxDrawsFileBytes + 1));
  }
  EXPECT_EQ(messagesOf(path, kEng),
            QStringList({u"The draws file \""_s + path +
                             u"\" is larger than 134.217.728 bytes (128 MB), the largest file "
                             u"this program reads."_s,
                         loadFailed}));
  EXPECT_EQ(messagesOf(path, kRus).value(0),
            u"Файл тиражей \""_s + path +
                u"\" больше 134.217.728 байт (128 МБ), а это наибольший файл, который читает "
                u"программа."_s);
  QByteArray lines;
  for (int64_t i = 0; i <= kMaxDrawRows; ++i) lines += "1\n";
  WriteBytes(path, lines);
  EXPECT_EQ(messagesOf(path, kEng),
            QStringList({u"The draws file \""_s + path +
                             u"\" holds more than 2.000.000 lines with numbers, the most draws "
                             u"this program reads."_s,
                         loadFailed}));
  EXPECT_EQ(messagesOf(path, kRus).value(0),
            u"Файл тиражей \""_s + path +
                u"\" содержит больше 2.000.000 строк с числами, а это наибольшее число тиражей, "
                u"которое читает программа."_s);
  lines.chop(2);  // exactly the bound: read, then checked
  WriteBytes(path, lines);
  EXPECT_EQ(messagesOf(path, kEng).value(0),
            u"Error at line 1: (Draw number 1), Numbers less than 5."_s);
}

TEST_F(LotteryFiles, AFaultOnALineWithATooLargeNumberSaysSo) {
  // 4294967296 was the draw number; without a word the fault would name ball 1 as the draw.
  Load("4294967296 1 2 3 4 5\n");
  EXPECT_EQ(m_host.Messages.value(0),
            u"Error at line 1: (Draw number 1), Numbers less than 5.\rThis line holds a number "
            u"above 2147483647: it is too large and was not read."_s);
  m_host.Messages.clear();
  LoadDraws(m_lottery, PathOf(u"5x36.txt"_s), kRus, m_host);
  EXPECT_EQ(m_host.Messages.value(0),
            u"Ошибка в строке 1: (Тираж номер 1), Шаров меньше, чем 5.\rВ этой строке есть число "
            u"больше 2147483647: оно слишком велико и не прочитано."_s);

  // Only the faulty line's own loss is named; a saved text is read the same way.
  m_host.Messages.clear();
  Load("1 1 2 3 4 5 99999999999\n2 1 2 3 4\n");
  EXPECT_EQ(m_host.Messages.value(0), u"Error at line 2: (Draw number 2), Numbers less than 5."_s);
  m_host.Messages.clear();
  EXPECT_EQ(SaveDraws(m_lottery, u"1 1 2 3 4 5\n2 1 2 3 4 5 77777777777 6\n"_s, PathOf(u"x.txt"_s),
                      kEng, m_host),
            TSaveOutcome::Invalid);
  EXPECT_EQ(m_host.Messages.value(0),
            u"Error at line 2: (Draw number 2), Numbers more than 5.\rThis line holds a number "
            u"above 2147483647: it is too large and was not read."_s);
}

TEST(LotteryDraws, EditorsOfALongHistoryHoldItsNewestDrawsThatFit) {
  // Six-digit draw numbers and 20 balls: 91 characters a line, so 219,780 lines fit in the
  // editor's 20,000,000 characters.
  TLottery lottery = Lottery(20, 80);
  iArray row = {0};
  for (int ball = 80; ball > 60; --ball) row.push_back(ball);
  for (int n = 100'000; n < 330'000; ++n) {
    row[0] = n;
    lottery.Tirazhi.push_back(row);
  }
  const TDrawsTexts texts = TDrawsLoad{}.Texts(lottery);
  EXPECT_EQ(texts.Rows, 230'000);
  EXPECT_EQ(texts.ShownRows, 219'780);
  EXPECT_TRUE(texts.Partial());
  EXPECT_EQ(texts.MemoTirazhi.size(), 219'780 * 91);
  EXPECT_TRUE(texts.MemoTirazhi.startsWith(u"110220     80  79"_s));  // the newest draws
  EXPECT_TRUE(texts.MemoTirazhi.endsWith(u"  61\r\n"_s));
  EXPECT_TRUE(texts.MemoTirazhiUp.startsWith(u"110220     61  62"_s));
  EXPECT_EQ(texts.MemoTirazhiUp.size(), texts.MemoTirazhi.size());
  EXPECT_EQ(
      PartialEditorMessage(u"eng"_s, texts.Rows, texts.ShownRows),
      u"The history holds 230.000 draws, more than the draws editor holds: it shows the newest "
      u"219.780, read-only.\rEdit a history this long in a text editor."_s);
  EXPECT_EQ(PartialEditorMessage(u"rus"_s, texts.Rows, texts.ShownRows),
            u"В истории 230.000 тиражей - больше, чем помещается в редактор тиражей: он показывает "
            u"последние 219.780 и только для чтения.\rРедактируйте такую длинную историю в "
            u"текстовом редакторе."_s);

  lottery.Tirazhi.resize(219'780);
  EXPECT_FALSE(TDrawsLoad{}.Texts(lottery).Partial());
}

TEST_F(LotteryFiles, ValidSaveWritesTheEditorTextExactly) {
  const QString path = PathOf(u"5x36.txt"_s);
  const QString memo = u"  1 1 2 3 4 5\r\n2, 6, 7, 8, 9, 10 typed by hand\n"_s;
  m_lottery.Tirazhi = {{1, 1, 2, 3, 4, 5}};
  EXPECT_EQ(SaveDraws(m_lottery, memo, path, kRus, m_host), TSaveOutcome::Saved);
  EXPECT_EQ(ReadBytes(path), memo.toUtf8());
  EXPECT_EQ(m_host.Messages, QStringList({u"Результаты тиражей успешно сохранены."_s}));
  EXPECT_EQ(m_host.SaveDialogs, 0);
  SaveDraws(m_lottery, memo, path, kEng, m_host);
  EXPECT_EQ(m_host.Messages.last(), u"The draw results successfully saved."_s);
}

TEST_F(LotteryFiles, InvalidSaveKeepsTheTableAndTheFile) {
  const QString path = PathOf(u"5x36.txt"_s);
  WriteBytes(path, "1 1 2 3 4 5\r\n");
  m_lottery.Tirazhi = {{1, 1, 2, 3, 4, 5}};
  EXPECT_EQ(SaveDraws(m_lottery, u"1 1 2 3 4 5\n3 1 2 3 4 5\n"_s, path, kEng, m_host),
            TSaveOutcome::Invalid);
  EXPECT_EQ(m_host.Messages,
            QStringList({u"Error at line 2: Draw number error 3"_s,
                         u"The draw results not saved.\rCorrect the errors in the source data and "
                         u"click button Save."_s}));
  EXPECT_EQ(SaveDraws(m_lottery, QString(), path, kRus, m_host), TSaveOutcome::Invalid);
  EXPECT_EQ(m_host.Messages.last(),
            u"Результаты тиражей не сохранены.\rИсправьте ошибки в исходных данных и нажмите "
            u"кнопку Сохранить."_s);
  EXPECT_EQ(m_lottery.Tirazhi, (iArray2D{{1, 1, 2, 3, 4, 5}}));  // the loaded history stays
  EXPECT_EQ(ReadBytes(path), QByteArray("1 1 2 3 4 5\r\n"));
  EXPECT_EQ(m_host.SaveDialogs, 0);
}

TEST_F(LotteryFiles, UnwritablePathAsksForAnotherFile) {
  const QString memo = u"1 1 2 3 4 5\r\n"_s;
  const QString kept = PathOf(u"kept.txt"_s);
  WriteBytes(kept, "old");
  const iArray2D before = {{9, 9, 8, 7, 6, 5}};
  m_lottery.Tirazhi = before;

  // A folder, a path below a regular file and an empty path cannot be written; cancelling
  // the dialog writes nothing and keeps the open table.
  // Each named path says which file and why before the dialog opens; the empty path (no
  // file yet) goes straight to the dialog.
  for (const QString& bad : {m_dir.path(), QString(kept + u"/5x36.txt"_s), QString()}) {
    m_host.Messages.clear();
    EXPECT_EQ(SaveDraws(m_lottery, memo, bad, kEng, m_host), TSaveOutcome::NotWritten);
    if (bad.isEmpty()) {
      EXPECT_TRUE(m_host.Messages.isEmpty());
      continue;
    }
    ASSERT_EQ(m_host.Messages.size(), 1);
    const QString head =
        u"The draw results could not be written to the file \""_s + bad + u"\"\r"_s;
    EXPECT_TRUE(m_host.Messages[0].startsWith(head)) << m_host.Messages[0].toStdString();
    EXPECT_GT(m_host.Messages[0].size(), head.size());  // the reason
  }
  EXPECT_EQ(m_host.SaveDialogs, 3);
  m_host.Messages.clear();
  EXPECT_EQ(m_lottery.Tirazhi, before);
  EXPECT_EQ(ReadBytes(kept), QByteArray("old"));

  // The file chosen in the dialog receives the text.
  const QString chosen = PathOf(u"chosen.txt"_s);
  m_host.SaveAnswers = {chosen};
  EXPECT_EQ(SaveDraws(m_lottery, memo, m_dir.path(), kEng, m_host), TSaveOutcome::Saved);
  EXPECT_EQ(ReadBytes(chosen), memo.toUtf8());
  EXPECT_EQ(m_host.Messages.size(), 2);
  EXPECT_EQ(m_host.Messages.last(), u"The draw results successfully saved."_s);
}

TEST(LotteryDraws, TheEditorsTextIsSavedWithCrLfLineEnds) {
  EXPECT_EQ(EditorTextForSave(QString()), QString());
  EXPECT_EQ(EditorTextForSave(u"1 2 3"_s), u"1 2 3\r\n"_s);
  EXPECT_EQ(EditorTextForSave(u"1 2 3\n"_s), u"1 2 3\r\n"_s);  // no empty line after the last end
  EXPECT_EQ(EditorTextForSave(u"a\n\nb\n\n"_s), u"a\r\n\r\nb\r\n\r\n"_s);
  EXPECT_EQ(EditorTextForSave(u"\n"_s), u"\r\n"_s);
}

TEST(LotteryBalls, AvailableBallsCleanTheField) {
  QString field;
  EXPECT_EQ(AvailableBalls(u"0 5 5 99 x 3"_s, 36, &field), (iArray{3, 5}));
  EXPECT_EQ(field, u" 3 5 "_s);
  const iArray all = AvailableBalls(QString(), 36, &field);
  ASSERT_EQ(all.size(), 36u);
  EXPECT_EQ(all.front(), 1);
  EXPECT_EQ(all.back(), 36);
  EXPECT_TRUE(field.startsWith(u" 1 2 3 "_s) && field.endsWith(u" 35 36 "_s));
  EXPECT_EQ(AvailableBalls(u"40 0"_s, 36, nullptr).size(), 36u);
  EXPECT_EQ(ShowNumbersInEdit({3, 7, 12}), u" 3 7 12 "_s);
  EXPECT_EQ(ShowNumbersInEdit({}), u" "_s);
}
