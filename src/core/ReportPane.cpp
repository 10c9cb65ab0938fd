#include "ReportPane.h"

#include <algorithm>

using namespace Qt::StringLiterals;

int TReportPane::AddLine(const QString& text) {
  m_lines.push_back({text, {}});
  return LineCount() - 1;
}

void TReportPane::InsertLine(int index, const QString& text) {
  if (index < 0 || index > LineCount()) return;
  m_lines.insert(m_lines.begin() + index, TPaneLine{text, {}});
}

void TReportPane::HighlightSpan(int line, int column, int length, TColor color, TColor background,
                                TFontStyles style) {
  if (line < 0 || line >= LineCount()) return;
  TPaneLine& target = m_lines[static_cast<size_t>(line)];
  const int textLength = static_cast<int>(target.Text.size());
  const int start = std::clamp(column, 0, textLength);
  const int end = static_cast<int>(
      std::clamp<int64_t>(int64_t{column} + std::max(length, 0), start, textLength));
  if (end == start) return;
  target.Spans.push_back({start, end - start, color, background, style});
}

void TReportPane::ReplaceLines(const QStringList& lines) {
  m_lines.clear();
  m_lines.reserve(static_cast<size_t>(lines.size()));
  for (const QString& line : lines) m_lines.push_back({line, {}});
}

void TReportPane::Append(const TReportPane& other) {
  m_lines.insert(m_lines.end(), other.m_lines.begin(), other.m_lines.end());
}

TReportPane TReportPane::Slice(int from, int count) const {
  TReportPane slice;
  const int begin = std::clamp(from, 0, LineCount());
  const int end = std::clamp(from + std::max(count, 0), begin, LineCount());
  slice.m_lines.assign(m_lines.begin() + begin, m_lines.begin() + end);
  return slice;
}

QStringList TReportPane::Texts() const {
  QStringList texts;
  texts.reserve(LineCount());
  for (const TPaneLine& line : m_lines) texts.append(line.Text);
  return texts;
}

QString TReportPane::Text() const { return Texts().join(u'\n'); }

QString PadLeft(int width, const QString& text) {
  return text.size() >= width ? text : QString(width - text.size(), u' ') + text;
}

QString PadRight(int width, const QString& text) {
  return text.size() >= width ? text : text + QString(width - text.size(), u' ');
}

QString IntPadLeft(int width, int64_t value) { return PadLeft(width, QString::number(value)); }

void AppendIntPadLeft(QString& text, int64_t value, int width) {
  char16_t digits[24];
  int n = 0;
  uint64_t v = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (value < 0) digits[n++] = u'-';
  for (int i = n; i < width; ++i) text += u' ';
  while (n > 0) text += QChar(digits[--n]);
}

QString ZeroPad(int width, int64_t value) {
  const QString digits = QString::number(value);
  return digits.size() >= width ? digits : QString(width - digits.size(), u'0') + digits;
}

QString RepeatText(int n, const QString& text) { return n <= 0 ? QString() : text.repeated(n); }

QString GroupThousands(const QString& digits) {
  QString result;
  const qsizetype n = digits.size();
  result.reserve(n + n / 3);
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) result += u'.';
    result += digits[i];
  }
  return result;
}

QString NumbersToText(int width, const iArray& values) {
  QString text;
  for (int32_t v : values) {
    if (width != 0) {
      text += IntPadLeft(width, v);
    } else {
      text += QString::number(v);
      text += u' ';
    }
  }
  return text;
}

QStringList TableToLines(const iArray2D& table, int width) {
  QStringList lines;
  for (const iArray& row : table) {
    QString line;
    for (int32_t v : row) line += IntPadLeft(width, v);
    if (!line.isEmpty()) lines.append(line);
  }
  return lines;
}

int FindNumberInLine(int64_t value, QStringView text) {
  int found = -1;
  int64_t run = 0;
  int runLength = 0;
  bool tooLong = false;
  auto finish = [&](qsizetype end) {
    if (runLength > 0 && !tooLong && run == value) found = static_cast<int>(end - runLength);
    run = 0;
    runLength = 0;
    tooLong = false;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c >= u'0' && c <= u'9') {
      if (!tooLong) run = run * 10 + (c - u'0');
      if (run > (int64_t{1} << 40)) tooLong = true;  // beyond any 32-bit value; stop growing
      ++runLength;
    } else {
      finish(i);
    }
  }
  finish(text.size());
  return found;
}

void HighlightNumbers(const iArray& numbers, int line, int columnOffset, QStringView text,
                      TColor color, TReportPane& pane) {
  for (int32_t number : numbers) {
    const int p = FindNumberInLine(number, text);
    if (p >= 0) pane.HighlightSpan(line, columnOffset + p, 2, color, clWhite, fsBold);
  }
}

void ShowTable(const iArray2D& table, TReportPane& pane, int width) {
  pane.ReplaceLines(TableToLines(table, width));
}
