#include "Lottery.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "AtomicWrite.h"
#include "Host.h"
#include "ReportPane.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QChar kCR = u'\r';
constexpr QChar kQuote = u'"';

QString Choose(const QString& language, const QString& english, const QString& russian) {
  return IsRussian(language) ? russian : english;
}

QString LineAndDraw(const QString& language, int64_t line, int32_t draw) {
  return Choose(language, u"Error at line %1: (Draw number %2), "_s,
                u"Ошибка в строке %1: (Тираж номер %2), "_s)
      .arg(line)
      .arg(draw);
}

QString FileNotFoundMessage(const QString& language, const QString& path) {
  if (IsRussian(language))
    return u"Не обнаружен файл "_s + kQuote + path + kQuote + kCR +
           u"Введите результаты тиражей в таблицу "_s + kQuote + u"В порядке выпадения"_s + kQuote +
           u" и нажмите кнопку Сохранить."_s;
  return u"The draw results file is not found "_s + kQuote + path + kQuote + kCR +
         u"Enter the draw results to the table "_s + kQuote + u"In draw order"_s + kQuote +
         u" and click button Save."_s;
}

QString LoadFailedMessage(const QString& language) {
  return Choose(language,
                u"Error in source data. The draw results not loaded."_s + kCR +
                    u"Correct the error and click button Save."_s,
                u"Ошибка в исходных данных. Результаты тиражей не загружены."_s + kCR +
                    u"Исправьте ошибку и нажмите кнопку Сохранить."_s);
}

QString NotSavedMessage(const QString& language) {
  return Choose(language,
                u"The draw results not saved."_s + kCR +
                    u"Correct the errors in the source data and click button Save."_s,
                u"Результаты тиражей не сохранены."_s + kCR +
                    u"Исправьте ошибки в исходных данных и нажмите кнопку Сохранить."_s);
}

QString SavedMessage(const QString& language) {
  return Choose(language, u"The draw results successfully saved."_s,
                u"Результаты тиражей успешно сохранены."_s);
}

// Reads draw rows incrementally: text may arrive in pieces (a file decoded chunk by chunk),
// a number or a line may span pieces. Digits are '0'..'9' only; a run above 2147483647 is
// dropped and its row noted; CR and LF end a line; lines without numbers give no row.
class TDrawRowsReader {
public:
  explicit TDrawRowsReader(int64_t maxRows) : m_maxRows(maxRows) {}

  // False once more than maxRows rows have been read; the reader then stops.
  bool Feed(QStringView text) {
    for (const QChar c : text) {
      const char16_t u = c.unicode();
      if (u >= u'0' && u <= u'9') {
        m_inRun = true;
        if (!m_overflow) {
          m_run = m_run * 10 + (u - u'0');
          if (m_run > std::numeric_limits<int32_t>::max()) m_overflow = true;
        }
        continue;
      }
      EndRun();
      if ((u == u'\r' || u == u'\n') && !EndLine()) return false;
    }
    return true;
  }

  bool Finish() {
    EndRun();
    return EndLine();
  }

  TDrawRows Rows;

private:
  void EndRun() {
    if (m_inRun && !m_overflow) m_row.push_back(static_cast<int32_t>(m_run));
    if (m_inRun && m_overflow) m_rowLostNumber = true;
    m_inRun = false;
    m_overflow = false;
    m_run = 0;
  }
  bool EndLine() {
    const bool lost = std::exchange(m_rowLostNumber, false);
    if (m_row.empty()) return true;  // a line whose only number was too large gives no row
    if (static_cast<int64_t>(Rows.Rows.size()) >= m_maxRows) return false;
    if (lost) Rows.RowsWithTooLargeNumbers.push_back(static_cast<int64_t>(Rows.Rows.size()));
    Rows.Rows.push_back(std::move(m_row));
    m_row = iArray();
    return true;
  }

  int64_t m_maxRows;
  iArray m_row;
  int64_t m_run = 0;
  bool m_inRun = false;
  bool m_overflow = false;
  bool m_rowLostNumber = false;
};

enum class TReadFault { None, Missing, NotRegular, Unreadable, TooLarge, TooManyRows, NotText };

// Reads the rows of a draws file. The text is decoded as UTF-8 unless the file starts with a
// UTF-16 or UTF-32 byte-order mark; only ASCII digits and line ends matter. A NUL byte in a
// file without a mark means it is no plain text (UTF-16 without a mark, or binary).
TReadFault ReadDrawsFile(const QString& path, TDrawRows& rows, QString& reason) {
  const QFileInfo info(path);
  if (!info.exists()) return TReadFault::Missing;
  if (!info.isFile()) return TReadFault::NotRegular;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    reason = file.errorString();
    return TReadFault::Unreadable;
  }
  if (file.size() > kMaxDrawsFileBytes) return TReadFault::TooLarge;

  constexpr qint64 kChunk = 1 << 20;
  TDrawRowsReader reader(kMaxDrawRows);
  QStringDecoder decoder;
  bool marked = false;
  int64_t total = 0;
  for (;;) {
    const QByteArray chunk = file.read(kChunk);
    if (chunk.isEmpty()) break;
    total += chunk.size();
    if (total > kMaxDrawsFileBytes) return TReadFault::TooLarge;  // it grew while being read
    if (!decoder.isValid()) {
      const auto encoding = QStringConverter::encodingForData(chunk);
      marked = encoding.has_value();
      decoder = QStringDecoder(encoding.value_or(QStringConverter::Utf8));
    }
    if (!marked && chunk.contains('\0')) return TReadFault::NotText;
    const QString text = decoder.decode(chunk);
    if (!reader.Feed(text)) return TReadFault::TooManyRows;
  }
  if (file.error() != QFileDevice::NoError) {
    reason = file.errorString();
    return TReadFault::Unreadable;
  }
  if (!reader.Finish()) return TReadFault::TooManyRows;
  rows = std::move(reader.Rows);
  return TReadFault::None;
}

QString Quoted(const QString& text) { return kQuote + text + kQuote; }

QString Grouped(int64_t value) { return GroupThousands(QString::number(value)); }

// The message of a file the reader refused; the load-failed message follows it.
QString ReadFaultMessage(TReadFault fault, const QString& language, const QString& path,
                         const QString& reason) {
  const bool russian = IsRussian(language);
  const QString file = (russian ? u"Файл тиражей "_s : u"The draws file "_s) + Quoted(path);
  switch (fault) {
    case TReadFault::None:
      break;
    case TReadFault::Missing:
      return FileNotFoundMessage(language, path);
    case TReadFault::NotRegular:
      return file + (russian ? u" - не текстовый файл тиражей: это папка или устройство."_s
                             : u" is not a plain-text draws file: it is a folder or a device."_s);
    case TReadFault::NotText:
      return file + (russian ? u" - не текстовый файл тиражей: в нём есть нулевые байты "
                               u"(UTF-16 без метки порядка байтов или двоичный файл)."_s
                             : u" is not a plain-text draws file: it holds NUL bytes (UTF-16 "
                               u"without a byte-order mark, or a binary file)."_s);
    case TReadFault::Unreadable:
      return file + (russian ? u" не читается: "_s : u" cannot be read: "_s) + reason;
    case TReadFault::TooLarge:
      return file + (russian ? u" больше %1 байт (128 МБ), а это наибольший файл, который "
                               u"читает программа."_s
                             : u" is larger than %1 bytes (128 MB), the largest file this "
                               u"program reads."_s)
                        .arg(Grouped(kMaxDrawsFileBytes));
    case TReadFault::TooManyRows:
      return file + (russian ? u" содержит больше %1 строк с числами, а это наибольшее число "
                               u"тиражей, которое читает программа."_s
                             : u" holds more than %1 lines with numbers, the most draws this "
                               u"program reads."_s)
                        .arg(Grouped(kMaxDrawRows));
  }
  return {};
}

QString TooLargeNumberNote(const QString& language) {
  return Choose(
      language, u"This line holds a number above 2147483647: it is too large and was not read."_s,
      u"В этой строке есть число больше 2147483647: оно слишком велико и не прочитано."_s);
}

QString WriteFailedMessage(const QString& language, const QString& path, const QString& reason) {
  return Choose(language, u"The draw results could not be written to the file "_s,
                u"Результаты тиражей не удалось записать в файл "_s) +
         Quoted(path) + kCR + reason;
}

// The file name without folder and last extension, which gives the lottery.
QString BaseName(const QString& path) {
  QString name = QFileInfo(path).fileName();
  if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0) name.truncate(dot);
  return name;
}

}  // namespace

bool IsRussian(const QString& language) { return language == u"rus"_s; }

bool TLottery::ReadLotteryFromFileName(const QString& path) {
  Name = BaseName(path);
  const iArray numbers = ExtractNumbers(Name);
  BallsInDraw = numbers.size() >= 2 ? numbers[0] : 0;
  MaxBall = numbers.size() >= 2 ? numbers[1] : 0;
  if (!IsValid()) {
    BallsInDraw = 0;
    MaxBall = 0;
  }
  return IsValid();
}

bool TLottery::IsValid() const {
  return BallsInDraw > 0 && MaxBall > 0 && BallsInDraw < MaxBall && MaxBall <= kMaxBallLimit;
}

QString TLottery::WindowCaption() const {
  return QString::fromUtf16(kProgramTitle) + u" -- Lottery "_s + kQuote + Name + kQuote;
}

void TLottery::UpdateLottoClass() {
  if (MaxBall >= 40 && MaxBall <= 50)
    LottoClass = 1;
  else if (MaxBall >= 30 && MaxBall <= 39)
    LottoClass = 2;
  else
    LottoClass = 0;
}

void TLottery::SetDrawRange() {
  if (Tirazhi.empty() || Tirazhi.front().empty() || Tirazhi.back().empty()) {
    FirstTira = 1;
    NewTira = 1;
    return;
  }
  FirstTira = Tirazhi.front()[0];
  // A checked table never ends with the largest draw number; clamp for unchecked ones.
  const int64_t next = static_cast<int64_t>(Tirazhi.back()[0]) + 1;
  NewTira = static_cast<int>(std::min<int64_t>(next, std::numeric_limits<int32_t>::max()));
}

std::span<const int32_t> TLottery::DrawBallsView(int64_t n) const {
  if (Tirazhi.empty() || Tirazhi.front().empty()) return {};
  const int64_t index = n - Tirazhi.front()[0];
  if (index < 0 || index >= static_cast<int64_t>(Tirazhi.size())) return {};
  const iArray& row = Tirazhi[static_cast<size_t>(index)];
  if (row.size() < 2) return {};
  return std::span<const int32_t>(row).subspan(1);
}

iArray TLottery::DrawBalls(int n) const {
  const std::span<const int32_t> balls = DrawBallsView(n);
  return iArray(balls.begin(), balls.end());
}

int TLottery::CountHitsInDraw(const iArray& values, int n) const {
  return CountCommon(values, DrawBalls(n));
}

TFileNameFault FileNameFault(const QString& path) {
  const iArray numbers = ExtractNumbers(BaseName(path));
  if (numbers.size() < 2) return TFileNameFault::FewerThanTwoNumbers;
  if (numbers[0] <= 0 || numbers[1] <= 0) return TFileNameFault::ZeroNumber;
  if (numbers[0] >= numbers[1]) return TFileNameFault::BallsNotBelowMax;
  if (numbers[1] > kMaxBallLimit) return TFileNameFault::MaxBallTooLarge;
  return TFileNameFault::None;
}

QString FileNameErrorMessage(const QString& language, const QString& path) {
  const bool russian = IsRussian(language);
  const QString message =
      russian
          ? u"Ошибка наименования файла."_s + kCR +
                u"Переименуйте файл с исходными данными, как описано в инструкции "_s +
                Quoted(u"Lotrix. Описание.pdf"_s) + u"."_s
          : u"File name error."_s + kCR + u"Rename source data file as described in the Help "_s +
                Quoted(u"Lotrix. Описание.pdf"_s) + u"."_s;
  const iArray numbers = ExtractNumbers(BaseName(path));
  const int k = numbers.size() > 0 ? numbers[0] : 0;
  const int n = numbers.size() > 1 ? numbers[1] : 0;
  switch (FileNameFault(path)) {
    case TFileNameFault::None:
      break;
    case TFileNameFault::FewerThanTwoNumbers:
      return message + kCR +
             (russian ? u"В имени %1 меньше двух чисел: первое - число шаров в тираже, второе - "
                        u"наибольший номер шара (\"6x49 lotto.txt\")."_s
                      : u"The name %1 holds fewer than two numbers: the first is the balls per "
                        u"draw, the second the highest ball (\"6x49 lotto.txt\")."_s)
                 .arg(Quoted(BaseName(path)));
    case TFileNameFault::ZeroNumber:
      return message + kCR +
             (russian ? u"Число шаров в тираже (K = %1) и наибольший номер шара (N = %2) должны "
                        u"быть больше 0."_s
                      : u"The balls per draw (K = %1) and the highest ball (N = %2) must be "
                        u"above 0."_s)
                 .arg(k)
                 .arg(n);
    case TFileNameFault::BallsNotBelowMax:
      return message + kCR +
             (russian ? u"Число шаров в тираже (K = %1) должно быть меньше наибольшего номера "
                        u"шара (N = %2)."_s
                      : u"The balls per draw (K = %1) must be fewer than the highest ball "
                        u"(N = %2)."_s)
                 .arg(k)
                 .arg(n);
    case TFileNameFault::MaxBallTooLarge:
      return message + kCR +
             (russian ? u"Наибольший номер шара (N = %1) должен быть не больше %2."_s
                      : u"The highest ball (N = %1) must be at most %2."_s)
                 .arg(n)
                 .arg(kMaxBallLimit);
  }
  return message;
}

bool ValidateDraws(const iArray2D& table, int ballsInDraw, int maxBall, const QString& language,
                   THost& host, std::span<const int64_t> rowsWithTooLargeNumbers) {
  if (table.empty()) return false;
  const bool russian = IsRussian(language);
  // The first fault's message, with the note when its row lost a number too large to read.
  auto fault = [&](size_t row, const QString& message) {
    const bool lost = std::binary_search(rowsWithTooLargeNumbers.begin(),
                                         rowsWithTooLargeNumbers.end(), static_cast<int64_t>(row));
    host.ShowMessage(lost ? message + kCR + TooLargeNumberNote(language) : message);
    return false;
  };
  int64_t previous = 0;
  iArray sorted;
  std::array<int32_t, kMaxBallLimit + 1> seenInRow{};  // the row stamp of each ball
  for (size_t r = 0; r < table.size(); ++r) {
    const iArray& row = table[r];
    const int64_t line = static_cast<int64_t>(r) + 1;
    // A row without elements (never produced by the reader) counts as draw 0 without balls.
    const int32_t draw = row.empty() ? 0 : row[0];
    // The largest draw number leaves no number for the next draw, so it is a draw number
    // fault wherever it stands.
    if ((r > 0 && draw != previous + 1) || draw == std::numeric_limits<int32_t>::max()) {
      return fault(
          r, russian ? u"Ошибка в строке %1: Неправильный номер тиража %2"_s.arg(line).arg(draw)
                     : u"Error at line %1: Draw number error %2"_s.arg(line).arg(draw));
    }
    previous = draw;
    const int64_t balls = row.empty() ? 0 : static_cast<int64_t>(row.size()) - 1;
    if (balls > ballsInDraw) {
      return fault(
          r,
          LineAndDraw(language, line, draw) +
              (russian ? u"Шаров больше, чем %1."_s : u"Numbers more than %1."_s).arg(ballsInDraw));
    }
    if (balls < ballsInDraw) {
      return fault(
          r,
          LineAndDraw(language, line, draw) +
              (russian ? u"Шаров меньше, чем %1."_s : u"Numbers less than %1."_s).arg(ballsInDraw));
    }
    for (int64_t i = 1; i <= balls; ++i) {
      const int32_t ball = row[static_cast<size_t>(i)];
      if (ball < 1 || ball > maxBall) {
        return fault(r, LineAndDraw(language, line, draw) +
                            (russian ? u"Шар вне диапазона 1 - %1."_s
                                     : u"There is a number out of range 1 - %1."_s)
                                .arg(maxBall));
      }
    }
    if (balls > 1) {
      // Every ball is in 1..maxBall by now: a ball seen before in this row is marked with it.
      bool repeated = false;
      if (maxBall <= kMaxBallLimit) {
        const int32_t stamp = static_cast<int32_t>(r % std::numeric_limits<int32_t>::max()) + 1;
        for (int64_t i = 1; i <= balls && !repeated; ++i) {
          int32_t& seen = seenInRow[static_cast<size_t>(row[static_cast<size_t>(i)])];
          repeated = seen == stamp;
          seen = stamp;
        }
      } else {
        sorted.assign(row.begin() + 1, row.end());
        std::sort(sorted.begin(), sorted.end());
        repeated = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
      }
      if (repeated)
        return fault(r, LineAndDraw(language, line, draw) +
                            (russian ? u"Есть одинаковые Шары."_s : u"There are same numbers."_s));
    }
  }
  return true;
}

TDrawRows ReadDrawRows(QStringView text) {
  TDrawRowsReader reader(std::numeric_limits<int64_t>::max());
  reader.Feed(text);
  reader.Finish();
  return std::move(reader.Rows);
}

TDrawsLoad LoadDraws(TLottery& lottery, const QString& path, const QString& language, THost& host) {
  TDrawRows rows;
  QString reason;
  const TReadFault read = ReadDrawsFile(path, rows, reason);
  // A file the reader refused is loaded as a file without lines.
  if (read != TReadFault::None) host.ShowMessage(ReadFaultMessage(read, language, path, reason));

  TDrawsLoad load;
  if (ValidateDraws(rows.Rows, lottery.BallsInDraw, lottery.MaxBall, language, host,
                    rows.RowsWithTooLargeNumbers)) {
    lottery.Tirazhi = std::move(rows.Rows);
  } else {
    lottery.Tirazhi.clear();
    load.FaultyRows = std::move(rows.Rows);  // for the editor, so a faulty history can be corrected
    host.ShowMessage(LoadFailedMessage(language));
  }
  return load;
}

TSaveOutcome SaveDraws(TLottery& lottery, const QString& memoText, const QString& path,
                       const QString& language, THost& host) {
  const TDrawRows rows = ReadDrawRows(memoText);
  if (!ValidateDraws(rows.Rows, lottery.BallsInDraw, lottery.MaxBall, language, host,
                     rows.RowsWithTooLargeNumbers)) {
    // The loaded history stays for the analyses; the editor keeps the user's text.
    host.ShowMessage(NotSavedMessage(language));
    return TSaveOutcome::Invalid;
  }
  const QByteArray bytes = memoText.toUtf8();
  // A failed write says which file and why; an empty path (no file yet) goes straight to the
  // dialog, as does a failed one.
  auto write = [&](const QString& target) {
    const TWriteOutcome outcome = WriteFileAtomically(target, bytes);
    if (!outcome.Written && !target.isEmpty())
      host.ShowMessage(WriteFailedMessage(language, target, outcome.Reason));
    return outcome.Written;
  };
  bool written = write(path);
  if (!written) {
    const QString chosen = host.AskSaveFile();
    if (!chosen.isEmpty()) written = write(chosen);
  }
  // When nothing was written the table is left as it was: the caller must not re-open the
  // lottery then, since re-opening would replace the user's unsaved edits with the file.
  if (!written) return TSaveOutcome::NotWritten;
  host.ShowMessage(SavedMessage(language));
  return TSaveOutcome::Saved;
}

QString UnsavedDrawsQuestion(const QString& language) {
  return Choose(language,
                u"The draws in the editor have unsaved changes.\rSave them before going on?"_s,
                u"В редакторе тиражей есть несохранённые изменения.\rСохранить их, прежде чем "
                u"продолжить?"_s);
}
