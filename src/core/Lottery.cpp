#include "Lottery.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <algorithm>
#include <limits>

#include "Host.h"

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
// dropped; CR and LF end a line; lines without numbers give no row.
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

  iArray2D Rows;

private:
  void EndRun() {
    if (m_inRun && !m_overflow) m_row.push_back(static_cast<int32_t>(m_run));
    m_inRun = false;
    m_overflow = false;
    m_run = 0;
  }
  bool EndLine() {
    if (m_row.empty()) return true;
    if (static_cast<int64_t>(Rows.size()) >= m_maxRows) return false;
    Rows.push_back(std::move(m_row));
    m_row = iArray();
    return true;
  }

  int64_t m_maxRows;
  iArray m_row;
  int64_t m_run = 0;
  bool m_inRun = false;
  bool m_overflow = false;
};

// Reads the rows of a draws file. The text is decoded as UTF-8 unless the file starts with a
// UTF-16 or UTF-32 byte-order mark; only ASCII digits and line ends matter. False when the
// file cannot be read or passes the size or row bounds.
bool ReadDrawsFile(const QString& path, iArray2D& rows) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  if (file.size() > kMaxDrawsFileBytes) return false;

  constexpr qint64 kChunk = 1 << 20;
  TDrawRowsReader reader(kMaxDrawRows);
  QStringDecoder decoder;
  int64_t total = 0;
  for (;;) {
    const QByteArray chunk = file.read(kChunk);
    if (chunk.isEmpty()) break;
    total += chunk.size();
    if (total > kMaxDrawsFileBytes) return false;  // a file that grew while being read
    if (!decoder.isValid()) {
      const auto encoding = QStringConverter::encodingForData(chunk);
      decoder = QStringDecoder(encoding.value_or(QStringConverter::Utf8));
    }
    const QString text = decoder.decode(chunk);
    if (!reader.Feed(text)) return false;
  }
  if (file.error() != QFileDevice::NoError) return false;
  if (!reader.Finish()) return false;
  rows = std::move(reader.Rows);
  return true;
}

// Writes the text as UTF-8, replacing the file only when everything was written (the old
// content survives any failure). An existing file that is not a writable regular file fails.
bool WriteTextFile(const QString& path, const QString& text) {
  if (path.isEmpty()) return false;
  const QFileInfo info(path);
  if (info.exists() && (!info.isFile() || !info.isWritable())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void AppendRightAligned(QString& out, int32_t value, qsizetype width) {
  const QString number = QString::number(value);
  for (qsizetype i = number.size(); i < width; ++i) out += u' ';
  out += number;
}

}  // namespace

bool IsRussian(const QString& language) { return language == u"rus"_s; }

bool TLottery::ReadLotteryFromFileName(const QString& path) {
  Name = QFileInfo(path).fileName();
  const qsizetype dot = Name.lastIndexOf(u'.');
  if (dot >= 0) Name.truncate(dot);
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

QString FileNameErrorMessage(const QString& language) {
  if (IsRussian(language))
    return u"Ошибка наименования файла."_s + kCR +
           u"Переименуйте файл с исходными данными, как описано в инструкции "_s + kQuote +
           u"Lotrix. Описание.pdf"_s + kQuote + u"."_s;
  return u"File name error."_s + kCR + u"Rename source data file as described in the Help "_s +
         kQuote + u"Lotrix. Описание.pdf"_s + kQuote + u"."_s;
}

bool ValidateDraws(const iArray2D& table, int ballsInDraw, int maxBall, const QString& language,
                   THost& host) {
  if (table.empty()) return false;
  const bool russian = IsRussian(language);
  int64_t previous = 0;
  iArray sorted;
  for (size_t r = 0; r < table.size(); ++r) {
    const iArray& row = table[r];
    const int64_t line = static_cast<int64_t>(r) + 1;
    // A row without elements (never produced by the reader) counts as draw 0 without balls.
    const int32_t draw = row.empty() ? 0 : row[0];
    // The largest draw number leaves no number for the next draw, so it is a draw number
    // fault wherever it stands.
    if ((r > 0 && draw != previous + 1) || draw == std::numeric_limits<int32_t>::max()) {
      host.ShowMessage(
          russian ? u"Ошибка в строке %1: Неправильный номер тиража %2"_s.arg(line).arg(draw)
                  : u"Error at line %1: Draw number error %2"_s.arg(line).arg(draw));
      return false;
    }
    previous = draw;
    const int64_t balls = row.empty() ? 0 : static_cast<int64_t>(row.size()) - 1;
    if (balls > ballsInDraw) {
      host.ShowMessage(
          LineAndDraw(language, line, draw) +
          (russian ? u"Шаров больше, чем %1."_s : u"Numbers more than %1."_s).arg(ballsInDraw));
      return false;
    }
    if (balls < ballsInDraw) {
      host.ShowMessage(
          LineAndDraw(language, line, draw) +
          (russian ? u"Шаров меньше, чем %1."_s : u"Numbers less than %1."_s).arg(ballsInDraw));
      return false;
    }
    for (int64_t i = 1; i <= balls; ++i) {
      const int32_t ball = row[static_cast<size_t>(i)];
      if (ball < 1 || ball > maxBall) {
        host.ShowMessage(
            LineAndDraw(language, line, draw) +
            (russian ? u"Шар вне диапазона 1 - %1."_s : u"There is a number out of range 1 - %1."_s)
                .arg(maxBall));
        return false;
      }
    }
    if (balls > 1) {
      sorted.assign(row.begin() + 1, row.end());
      std::sort(sorted.begin(), sorted.end());
      if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        host.ShowMessage(LineAndDraw(language, line, draw) +
                         (russian ? u"Есть одинаковые Шары."_s : u"There are same numbers."_s));
        return false;
      }
    }
  }
  return true;
}

QString ShowDraws(const iArray2D& table) {
  size_t numbers = 0;
  for (const iArray& row : table) numbers += row.size();
  QString text;
  text.reserve(static_cast<qsizetype>(numbers * 4 + table.size() * 6));
  for (const iArray& row : table) {
    if (row.empty()) continue;
    AppendRightAligned(text, row[0], 5);
    text += u"   "_s;
    for (size_t i = 1; i < row.size(); ++i) AppendRightAligned(text, row[i], 4);
    text += u"\r\n"_s;
  }
  return text;
}

iArray2D OrderedDraws(const iArray2D& table) {
  iArray2D ordered = table;
  for (iArray& row : ordered)
    if (row.size() > 2) std::sort(row.begin() + 1, row.end());
  return ordered;
}

iArray2D ReadDrawRows(QStringView text) {
  TDrawRowsReader reader(std::numeric_limits<int64_t>::max());
  reader.Feed(text);
  reader.Finish();
  return std::move(reader.Rows);
}

TDrawsTexts LoadDraws(TLottery& lottery, const QString& path, const QString& language,
                      THost& host) {
  iArray2D rows;
  if (!QFileInfo(path).isFile()) {
    host.ShowMessage(FileNotFoundMessage(language, path));
  } else if (!ReadDrawsFile(path, rows)) {
    // Unreadable, or beyond the reader's bounds: loaded as a file without lines.
    rows.clear();
  }

  TDrawsTexts texts;
  texts.MemoTirazhi = ShowDraws(rows);  // before the check, so a faulty history can be corrected
  if (ValidateDraws(rows, lottery.BallsInDraw, lottery.MaxBall, language, host)) {
    texts.MemoTirazhiUp = ShowDraws(OrderedDraws(rows));
    lottery.Tirazhi = std::move(rows);
  } else {
    lottery.Tirazhi.clear();
    host.ShowMessage(LoadFailedMessage(language));
  }
  return texts;
}

TSaveOutcome SaveDraws(TLottery& lottery, const QString& memoText, const QString& path,
                       const QString& language, THost& host) {
  const iArray2D rows = ReadDrawRows(memoText);
  if (!ValidateDraws(rows, lottery.BallsInDraw, lottery.MaxBall, language, host)) {
    lottery.Tirazhi.clear();
    host.ShowMessage(NotSavedMessage(language));
    return TSaveOutcome::Invalid;
  }
  // A path that cannot be written is reported by the save dialog alone, without words.
  bool written = WriteTextFile(path, memoText);
  if (!written) {
    const QString chosen = host.AskSaveFile();
    if (!chosen.isEmpty()) written = WriteTextFile(chosen, memoText);
  }
  // When nothing was written the table is left as it was: the caller must not re-open the
  // lottery then, since re-opening would replace the user's unsaved edits with the file.
  if (!written) return TSaveOutcome::NotWritten;
  host.ShowMessage(SavedMessage(language));
  return TSaveOutcome::Saved;
}

iArray AvailableBalls(const QString& fieldText, int maxBall, QString* rewrittenField) {
  iArray balls;
  for (const int32_t value : ExtractNumbers(fieldText))
    if (value >= 1 && value <= maxBall) balls.push_back(value);
  std::sort(balls.begin(), balls.end());
  balls.erase(std::unique(balls.begin(), balls.end()), balls.end());
  if (balls.empty())
    for (int ball = 1; ball <= maxBall; ++ball) balls.push_back(ball);
  if (rewrittenField != nullptr) *rewrittenField = ShowNumbersInEdit(balls);
  return balls;
}

QString ShowNumbersInEdit(const iArray& values) {
  QString text(1, u' ');
  for (const int32_t value : values) {
    text += QString::number(value);
    text += u' ';
  }
  return text;
}
