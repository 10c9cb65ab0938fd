// The written forms of a draw history: the editor's texts (as drawn and sorted, the newest rows
// that fit), the text saved from the editor, and the available-balls field.
#include <algorithm>

#include "Lottery.h"
#include "ReportPane.h"

using namespace Qt::StringLiterals;

namespace {

// Writes value right-aligned in `width` characters (a wider number in full) at p.
char16_t* WritePadded(char16_t* p, int32_t value, int width) {
  char16_t digits[12];
  int n = 0;
  uint32_t v = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (value < 0) digits[n++] = u'-';
  for (int i = n; i < width; ++i) *p++ = u' ';
  while (n > 0) *p++ = digits[--n];
  return p;
}

}  // namespace

void AppendDraws(QString& out, const iArray2D& table, size_t first, size_t end, TBallOrder order,
                 QStringView lineEnd) {
  iArray balls;
  for (size_t r = first; r < end && r < table.size(); ++r) {
    const iArray& row = table[r];
    if (row.empty()) continue;
    balls.assign(row.begin() + 1, row.end());
    if (order == TBallOrder::Sorted) std::sort(balls.begin(), balls.end());
    // Written straight into the text: no number is wider than 11 characters.
    const qsizetype start = out.size();
    out.resize(start + 11 + 3 + 11 * static_cast<qsizetype>(balls.size()) + lineEnd.size());
    char16_t* p = reinterpret_cast<char16_t*>(out.data()) + start;
    p = WritePadded(p, row[0], 5);
    for (int i = 0; i < 3; ++i) *p++ = u' ';
    for (const int32_t ball : balls) p = WritePadded(p, ball, 4);
    for (const QChar c : lineEnd) *p++ = c.unicode();
    out.resize(p - reinterpret_cast<char16_t*>(out.data()));
  }
}

QString ShowDraws(const iArray2D& table, TBallOrder order) {
  size_t numbers = 0;
  for (const iArray& row : table) numbers += row.size();
  QString text;
  text.reserve(static_cast<qsizetype>(numbers * 4 + table.size() * 6));
  AppendDraws(text, table, 0, table.size(), order, u"\r\n");
  return text;
}

iArray2D OrderedDraws(const iArray2D& table) {
  iArray2D ordered = table;
  for (iArray& row : ordered)
    if (row.size() > 2) std::sort(row.begin() + 1, row.end());
  return ordered;
}

namespace {

int Digits(int64_t value) {
  int digits = value < 0 ? 2 : 1;
  for (value = value < 0 ? -value : value; value >= 10; value /= 10) ++digits;
  return digits;
}

// The first of the newest rows whose written form fits in maxChars characters.
size_t FirstRowWithin(const iArray2D& table, int64_t maxChars) {
  int64_t chars = 0;
  for (size_t r = table.size(); r > 0; --r) {
    const iArray& row = table[r - 1];
    int64_t line = row.empty() ? 0 : std::max(5, Digits(row[0])) + 3 + 2;
    for (size_t i = 1; i < row.size(); ++i) line += std::max(4, Digits(row[i]));
    if (chars + line > maxChars) return r;
    chars += line;
  }
  return 0;
}

}  // namespace

TDrawsTexts TDrawsLoad::Texts(const TLottery& lottery) const {
  const bool faulty = !FaultyRows.empty();
  const iArray2D& rows = faulty ? FaultyRows : lottery.Tirazhi;
  const size_t first = FirstRowWithin(rows, kMaxEditorChars);
  TDrawsTexts texts;
  texts.Rows = static_cast<int64_t>(rows.size());
  texts.ShownRows = static_cast<int64_t>(rows.size() - first);
  AppendDraws(texts.MemoTirazhi, rows, first, rows.size(), TBallOrder::AsDrawn, u"\r\n");
  if (!faulty)
    AppendDraws(texts.MemoTirazhiUp, rows, first, rows.size(), TBallOrder::Sorted, u"\r\n");
  return texts;
}

QString PartialEditorMessage(const QString& language, int64_t rows, int64_t shownRows) {
  return (IsRussian(language)
              ? u"В истории %1 тиражей - больше, чем помещается в редактор тиражей: он показывает "
                u"последние %2 и только для чтения.\rРедактируйте такую длинную историю в "
                u"текстовом редакторе."_s
              : u"The history holds %1 draws, more than the draws editor holds: it shows the "
                u"newest %2, read-only.\rEdit a history this long in a text editor."_s)
      .arg(GroupThousands(QString::number(rows)), GroupThousands(QString::number(shownRows)));
}

QString EditorTextForSave(const QString& plainText) {
  QString text;
  text.reserve(plainText.size() + plainText.count(u'\n') + 2);
  for (qsizetype start = 0; start < plainText.size();) {
    qsizetype end = plainText.indexOf(u'\n', start);
    if (end < 0) end = plainText.size();
    text += QStringView(plainText).mid(start, end - start);
    text += u"\r\n"_s;
    start = end + 1;
  }
  return text;
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
