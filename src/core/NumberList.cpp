#include "NumberList.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

iArray ParseNumberList(QStringView text, bool* rangeCut, int32_t rangeMax) {
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
    const iArray numbers = ExtractNumbers(text.mid(start, end - start));
    if (!numbers.empty()) {
      if (havePrevious) {
        const int32_t low = std::min(previousLast, numbers.front());
        const int32_t high = std::max(previousLast, numbers.front());
        if (high > rangeMax && rangeCut) *rangeCut = true;
        if (low <= rangeMax) ranges.emplace_back(low, std::min(high, rangeMax));
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

TNumberRanges TNumberRanges::Parse(QStringView text) {
  TNumberRanges list;
  std::vector<std::pair<int64_t, int64_t>> ranges;
  bool havePrevious = false;
  int64_t previousLast = 0;
  for (qsizetype start = 0; start <= text.size();) {
    qsizetype end = text.indexOf(u'.', start);
    end = end < 0 ? text.size() : end + 1;
    const iArray numbers = ExtractSignedNumbers(text.mid(start, end - start));
    if (!numbers.empty()) {
      if (havePrevious)
        ranges.emplace_back(std::min<int64_t>(previousLast, numbers.front()),
                            std::max<int64_t>(previousLast, numbers.front()));
      for (const int32_t v : numbers) ranges.emplace_back(v, v);
      havePrevious = true;
      previousLast = numbers.back();
    }
    if (end >= text.size()) break;
    start = end;
  }
  std::sort(ranges.begin(), ranges.end());
  for (const auto& range : ranges) {
    if (!list.m_ranges.empty() && range.first <= list.m_ranges.back().second + 1)
      list.m_ranges.back().second = std::max(list.m_ranges.back().second, range.second);
    else
      list.m_ranges.push_back(range);
  }
  return list;
}

bool TNumberRanges::Contains(int64_t value) const {
  const auto after = std::upper_bound(m_ranges.begin(), m_ranges.end(), value,
                                      [](int64_t v, const auto& range) { return v < range.first; });
  return after != m_ranges.begin() && value <= std::prev(after)->second;
}

QString TNumberRanges::Format() const {
  QString text;
  for (const auto& [low, high] : m_ranges) {
    text += u' ' + QString::number(low);
    if (high == low + 1) text += u' ' + QString::number(high);
    if (high > low + 1) text += u" ... "_s + QString::number(high);
  }
  return text;
}
