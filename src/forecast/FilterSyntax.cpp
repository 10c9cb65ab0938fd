#include "FilterSyntax.h"

#include <algorithm>

using namespace Qt::StringLiterals;

iArray ParseNumberList(const QString& text, bool* rangeCut) {
  // Pieces end after every full stop; neighbouring pieces with numbers make a range from the
  // last number of the earlier piece to the first number of the later one.
  iArray values;
  std::vector<std::pair<int32_t, int32_t>> ranges;
  bool havePrevious = false;
  int32_t previousLast = 0;
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = text.indexOf(u'.', start);
    end = end < 0 ? text.size() : end + 1;
    const iArray numbers = ExtractNumbers(QStringView(text).mid(start, end - start));
    if (!numbers.empty()) {
      if (havePrevious) {
        const int32_t low = std::min(previousLast, numbers.front());
        const int32_t high = std::max(previousLast, numbers.front());
        if (high > kMaxRangeValue && rangeCut) *rangeCut = true;
        if (low <= kMaxRangeValue) ranges.emplace_back(low, std::min(high, kMaxRangeValue));
      }
      values.insert(values.end(), numbers.begin(), numbers.end());
      havePrevious = true;
      previousLast = numbers.back();
    }
    if (end >= text.size()) break;
    start = end;
  }
  // Merge the ranges first, so that overlapping ranges cost their union only.
  std::sort(ranges.begin(), ranges.end());
  int64_t covered = -1;  // every value up to this one is already listed
  for (const auto& [low, high] : ranges) {
    for (int64_t v = std::max<int64_t>(low, covered + 1); v <= high; ++v)
      values.push_back(static_cast<int32_t>(v));
    covered = std::max<int64_t>(covered, high);
  }
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

QString FormatNumberList(const iArray& values) {
  QString text;
  const size_t n = values.size();
  for (size_t i = 0; i < n; ++i) {
    const int64_t v = values[i];
    const bool inside = i > 0 && i + 1 < n && values[i - 1] == v - 1 && values[i + 1] == v + 1;
    if (inside) {
      if (!text.endsWith(u"..."_s)) text += u" ..."_s;
    } else {
      text += u' ';
      text += QString::number(v);
    }
  }
  return text;
}

iArray ReadNumberListEdit(QString& field, bool* rangeCut) {
  iArray values = ParseNumberList(field, rangeCut);
  field = FormatNumberList(values);
  return values;
}

iArray2D ReadFirstLastEdit(QString& field, bool* rangeCut) {
  iArray2D rows;
  QStringList texts;
  qsizetype start = 0;
  while (true) {
    const qsizetype slash = field.indexOf(u'/', start);
    const qsizetype end = slash < 0 ? field.size() : slash + 1;
    rows.push_back(ParseNumberList(field.mid(start, end - start), rangeCut));
    texts.append(FormatNumberList(rows.back()));
    if (slash < 0) break;
    start = end;
  }
  field = texts.join(u" / "_s);
  return rows;
}

iArray ParseWinCode(QStringView token) {
  iArray code(3, -1);
  for (qsizetype i = 0; i < 3 && i < token.size(); ++i) {
    const char16_t c = token[i].unicode();
    if (c >= u'0' && c <= u'9') code[static_cast<size_t>(i)] = c - u'0';
  }
  return code;
}

iArray2D ReadWinCodeEdit(QString& field) {
  iArray2D codes;
  QString normal;
  for (QStringView token : QStringView(field).split(u' ', Qt::SkipEmptyParts)) {
    codes.push_back(ParseWinCode(token));
    for (int32_t digit : codes.back()) normal += digit < 0 ? u"X"_s : QString::number(digit);
    normal += u"  "_s;
  }
  field = normal;
  return codes;
}

QString RangeCutMessage(bool russian) {
  return russian
             ? u"Диапазоны в полях фильтров ограничены числом 99999:\rбольшие значения в прогнозе не встречаются."_s
             : u"Ranges in the filter fields are cut at 99999:\rlarger values never occur in a forecast."_s;
}
