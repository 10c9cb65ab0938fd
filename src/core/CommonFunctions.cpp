#include "CommonFunctions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Host.h"

using namespace Qt::StringLiterals;

int64_t ArraySum(const iArray& a) {
  int64_t sum = 0;
  for (int32_t v : a) sum += v;
  return sum;
}

iArray ArrayReverse(const iArray& a) { return iArray(a.rbegin(), a.rend()); }

void ArrayReverseInPlace(iArray& a) { std::reverse(a.begin(), a.end()); }

iArray& ArraySort(iArray& a, int ascending) {
  if (ascending == 1)
    std::sort(a.begin(), a.end());
  else
    std::sort(a.begin(), a.end(), std::greater<>());
  return a;
}

void ArrayAppend(iArray& a, int32_t value) { a.push_back(value); }

iArray ArrayConcat(const iArray& a, const iArray& b) {
  iArray result = a;
  result.insert(result.end(), b.begin(), b.end());
  return result;
}

iArray ArrayDropLast(const iArray& a, int n) {
  const auto length = static_cast<int64_t>(a.size());
  if (n < 0) return a;
  if (n >= length) return {};
  return iArray(a.begin(), a.end() - n);
}

iArray ArrayDelete(const iArray& a, int index, int count) {
  const auto length = static_cast<int64_t>(a.size());
  if (a.empty()) return {};
  if (index < 0 || count < 0 || index >= length) return a;
  if (int64_t{index} + count >= length) return iArray(a.begin(), a.begin() + index);
  iArray result(a.begin(), a.begin() + index);
  result.insert(result.end(), a.begin() + index + count, a.end());
  return result;
}

iArray ArrayInsert(const iArray& a, int index, int32_t value) {
  if (index < 0 || index > static_cast<int64_t>(a.size())) return a;
  iArray result = a;
  result.insert(result.begin() + index, value);
  return result;
}

iArray ArrayCopy(const iArray& a) { return a; }

void ArrayUnique(iArray& a) {
  iArray seen = a;
  std::sort(seen.begin(), seen.end());
  seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
  if (seen.size() == a.size()) return;
  std::vector<bool> taken(seen.size(), false);
  iArray result;
  result.reserve(seen.size());
  for (int32_t v : a) {
    const auto i =
        static_cast<size_t>(std::lower_bound(seen.begin(), seen.end(), v) - seen.begin());
    if (!taken[i]) {
      taken[i] = true;
      result.push_back(v);
    }
  }
  a = std::move(result);
}

bool ArrayContains(int32_t value, const iArray& a) {
  return std::find(a.begin(), a.end(), value) != a.end();
}

int CountCommon(const iArray& a, const iArray& b) {
  iArray sorted = b;
  std::sort(sorted.begin(), sorted.end());
  int count = 0;
  for (int32_t v : a)
    if (std::binary_search(sorted.begin(), sorted.end(), v)) ++count;
  return count;
}

iArray RowCopy(const iArray2D& table, int row, int first, int dropLast) {
  if (row < 0 || row >= static_cast<int64_t>(table.size()) || first < 0 || dropLast < 0) return {};
  const iArray& r = table[static_cast<size_t>(row)];
  const int64_t last = static_cast<int64_t>(r.size()) - 1 - dropLast;
  if (last < first) return {};
  return iArray(r.begin() + first, r.begin() + last + 1);
}

void RowAppend(iArray2D& table, const iArray& row) { table.push_back(row); }

void RowSet(iArray2D& table, int row, const iArray& values) {
  if (row < 0 || row >= static_cast<int64_t>(table.size())) return;
  table[static_cast<size_t>(row)] = values;
}

namespace {

bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Walks the digit runs of a text; `signedRuns` lets a minus sign right before a run negate it.
iArray ExtractRuns(QStringView text, bool signedRuns) {
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  iArray result;
  int64_t value = 0;
  bool inRun = false, overflow = false, negative = false;
  auto finish = [&] {
    if (inRun && !overflow) result.push_back(static_cast<int32_t>(negative ? -value : value));
    inRun = overflow = negative = false;
    value = 0;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (IsDigit(c)) {
      if (!inRun) {
        inRun = true;
        negative = signedRuns && i > 0 && text[i - 1] == u'-';
      }
      if (!overflow) {
        value = value * 10 + (c.unicode() - u'0');
        // Dropped when the run ends; no further growth. -2147483648 still fits.
        if (value > kMax + (negative ? 1 : 0)) overflow = true;
      }
    } else {
      finish();
    }
  }
  finish();
  return result;
}

}  // namespace

iArray ExtractNumbers(QStringView text) { return ExtractRuns(text, false); }

iArray ExtractSignedNumbers(QStringView text) { return ExtractRuns(text, true); }

QStringList SplitLines(QStringView text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start).toString());
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start).toString());
  return lines;
}

iArray2D TextToRows(const QStringList& lines) {
  iArray2D rows;
  rows.reserve(static_cast<size_t>(lines.size()));
  for (const QString& line : lines) {
    iArray row = ExtractNumbers(line);
    if (!row.empty()) rows.push_back(std::move(row));
  }
  return rows;
}

iArray2D TextToRows(QStringView text, int64_t limit, bool* more) {
  iArray2D rows;
  if (more != nullptr) *more = false;
  qsizetype start = 0;
  // The line from start to end: a row when it holds a number; false when one is too many.
  auto take = [&](qsizetype end) {
    iArray row = ExtractNumbers(text.mid(start, end - start));
    if (row.empty()) return true;
    if (static_cast<int64_t>(rows.size()) >= limit) {
      if (more != nullptr) *more = true;
      return false;
    }
    rows.push_back(std::move(row));
    return true;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    if (!take(i)) return rows;
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) take(text.size());
  return rows;
}

QString RowsToText(const iArray2D& rows) {
  QString text;
  for (const iArray& row : rows) {
    for (int32_t v : row) {
      text += QString::number(v);
      text += u' ';
    }
    text += u"\r\n"_s;
  }
  return text;
}

iArray2D ClipboardToRows(THost& host) { return TextToRows(SplitLines(host.ClipboardText())); }

void RowsToClipboard(const iArray2D& rows, THost& host) { host.SetClipboardText(RowsToText(rows)); }

double Factorial(int n) {
  double result = 1.0;
  for (int i = 2; i <= n; ++i) result *= i;
  return result;
}

double Binomial(int n, int k) {
  if (k < 0 || k > n) return 0.0;
  const double fn = Factorial(n);
  const double fk = Factorial(k);
  const double fnk = Factorial(n - k);
  if (!std::isfinite(fn) || !std::isfinite(fk) || !std::isfinite(fnk)) return 0.0;
  const long double quotient =
      static_cast<long double>(fn) / (static_cast<long double>(fk) * static_cast<long double>(fnk));
  const double result = static_cast<double>(quotient);
  return std::isfinite(result) ? result : 0.0;
}

int64_t BinomialCount(int n, int k) {
  if (k < 0 || n < 0 || k > n) return 0;
  k = std::min(k, n - k);
  // result * (n - k + i) / i stays exact: the product of i consecutive integers divides by i!.
  __extension__ using TWide = unsigned __int128;
  TWide result = 1;
  for (int i = 1; i <= k; ++i) {
    result = result * static_cast<unsigned>(n - k + i) / static_cast<unsigned>(i);
    if (result > static_cast<TWide>(std::numeric_limits<int64_t>::max()))
      return std::numeric_limits<int64_t>::max();
  }
  return static_cast<int64_t>(result);
}

QString DecimalText(double value, int decimals, QChar separator) {
  QString text = QString::number(value, 'f', decimals);
  if (separator != u'.') text.replace(u'.', separator);
  return text;
}

QString BinomialText(int n, int k) {
  if (k < 0 || n < 0 || k > n) return QStringLiteral("0");
  k = std::min(k, n - k);
  // Little-endian limbs of nine decimal digits; result * (n - k + i) / i stays exact.
  constexpr uint64_t kBase = 1'000'000'000;
  std::vector<uint64_t> limbs{1};
  for (int i = 1; i <= k; ++i) {
    uint64_t carry = 0;
    for (uint64_t& limb : limbs) {
      const uint64_t product = limb * static_cast<uint64_t>(n - k + i) + carry;
      limb = product % kBase;
      carry = product / kBase;
    }
    for (; carry > 0; carry /= kBase) limbs.push_back(carry % kBase);
    uint64_t remainder = 0;
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
      const uint64_t value = remainder * kBase + *limb;
      *limb = value / static_cast<uint64_t>(i);
      remainder = value % static_cast<uint64_t>(i);
    }
    while (limbs.size() > 1 && limbs.back() == 0) limbs.pop_back();
  }
  QString text = QString::number(limbs.back());
  for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb)
    text += QString::number(*limb).rightJustified(9, u'0');
  return text;
}

int64_t RoundHalfEven(double x) { return static_cast<int64_t>(std::nearbyint(x)); }

bool NextIndexCombination(iArray& positions, int n) {
  const int length = static_cast<int>(positions.size());
  if (length == 0) return false;
  if (positions[length - 1] < n) {
    ++positions[length - 1];
    return true;
  }
  for (int j = length - 1; j >= 1; --j) {
    if (positions[j] - positions[j - 1] >= 2) {
      ++positions[j - 1];
      for (int m = j; m < length; ++m) positions[m] = positions[m - 1] + 1;
      return true;
    }
  }
  return false;
}

void NextCombination(iArray& combination, const iArray& source) {
  const size_t length = combination.size();
  bool last = length <= source.size();
  for (size_t i = 0; last && i < length; ++i)
    last = combination[length - 1 - i] == source[source.size() - 1 - i];
  if (last || length > source.size()) {
    combination.clear();
    return;
  }
  iArray positions(length);
  for (size_t i = 0; i < length; ++i) {
    const auto at = std::lower_bound(source.begin(), source.end(), combination[i]);
    if (at == source.end() || *at != combination[i]) {  // not a combination of this source
      combination.clear();
      return;
    }
    positions[i] = static_cast<int32_t>(at - source.begin()) + 1;
  }
  NextIndexCombination(positions, static_cast<int>(source.size()));
  for (size_t i = 0; i < length; ++i)
    combination[i] = source[static_cast<size_t>(positions[i] - 1)];
}

iArray2D AllCombinations(const iArray& source, int k, int64_t maxRows) {
  if (k < 0 || k > static_cast<int64_t>(source.size())) return {};
  const int64_t count = std::min(BinomialCount(static_cast<int>(source.size()), k), maxRows);
  iArray2D table;
  if (count <= 0) return table;
  table.reserve(static_cast<size_t>(count));
  iArray positions(static_cast<size_t>(k));
  for (int i = 0; i < k; ++i) positions[static_cast<size_t>(i)] = i + 1;
  for (int64_t r = 0; r < count; ++r) {
    iArray row(static_cast<size_t>(k));
    for (int i = 0; i < k; ++i)
      row[static_cast<size_t>(i)] =
          source[static_cast<size_t>(positions[static_cast<size_t>(i)] - 1)];
    table.push_back(std::move(row));
    NextIndexCombination(positions, static_cast<int>(source.size()));
  }
  return table;
}
