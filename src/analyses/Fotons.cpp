#include "Fotons.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/Host.h"
#include "stats/Frequency.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kNeverFlashed = 99'999'999;  // how SortBySkip ranks a skip of 0

int SortKey(int skip) { return skip < 1 ? kNeverFlashed : skip; }

// Visits every size-combination of the ascending source, in lexicographic order, until the
// visitor returns false. Size 0 gives one empty combination; a short source gives none.
template <typename TVisit>
void ForEachCombination(const iArray& source, int size, TVisit visit) {
  const int n = static_cast<int>(source.size());
  if (size < 0 || size > n) return;
  TFoton foton;
  std::array<int, 4> position{};
  for (int i = 0; i < size; ++i) position[static_cast<size_t>(i)] = i;
  for (int index = 0;; ++index) {
    for (int i = 0; i < size; ++i)
      foton.Quantums[static_cast<size_t>(i)] =
          static_cast<uint8_t>(source[static_cast<size_t>(position[static_cast<size_t>(i)])]);
    foton.Index = foton.IndexSort = index;
    if (!visit(foton)) return;
    int i = size - 1;
    while (i >= 0 && position[static_cast<size_t>(i)] == n - size + i) --i;
    if (i < 0) return;
    ++position[static_cast<size_t>(i)];
    for (int j = i + 1; j < size; ++j)
      position[static_cast<size_t>(j)] = position[static_cast<size_t>(j - 1)] + 1;
  }
}

iArray SortedSource(iArray source) {
  std::sort(source.begin(), source.end());
  source.erase(std::unique(source.begin(), source.end()), source.end());
  std::erase_if(source, [](int32_t ball) { return ball < 1 || ball > 255; });
  return source;
}

}  // namespace

TFotonKind FotonKindOf(int fotonType) {
  for (const int code : {11, 12, 13, 14, 22, 23, 24, 33, 34, 44})
    if (code == fotonType) return {fotonType % 10, fotonType / 10};
  return {};
}

int FotonTypeOfName(QStringView name) {
  QString squeezed = name.toString();
  squeezed.remove(u' ');
  for (size_t i = 0; i < std::size(kFotonKinds); ++i) {
    QString item = QString::fromUtf16(kFotonKindNames[i]);
    item.remove(u' ');
    if (squeezed.compare(item, Qt::CaseInsensitive) == 0) return kFotonKinds[i];
  }
  return 0;
}

TDrawMasks::TDrawMasks(const TLottery& lottery) : m_ball(256) {
  m_rows = static_cast<int64_t>(lottery.Tirazhi.size());
  m_first = lottery.FirstTira;
  m_words = static_cast<size_t>((m_rows + 63) / 64);
  for (auto& mask : m_ball) mask.assign(m_words, 0);
  for (int64_t r = 0; r < m_rows; ++r) {
    const iArray& row = lottery.Tirazhi[static_cast<size_t>(r)];
    for (size_t i = 1; i < row.size(); ++i)
      if (row[i] >= 1 && row[i] <= 255)
        m_ball[static_cast<size_t>(row[i])][static_cast<size_t>(r >> 6)] |= uint64_t{1} << (r & 63);
  }
}

int TDrawMasks::Skip(const TFoton& foton, TFotonKind kind, int64_t next) const {
  const int64_t last = next - 1 - m_first;  // the row of draw next - 1
  if (last < 0 || last >= m_rows) return 0;
  const std::vector<uint64_t>* balls[4] = {};
  for (int i = 0; i < kind.Size; ++i) balls[i] = &m_ball[foton.Quantums[static_cast<size_t>(i)]];
  // The subsets of Porog balls: a draw flashes the foton when it holds all balls of one.
  std::array<unsigned, 6> subsets{};
  int subsetCount = 0;
  for (unsigned subset = 0; subset < (1u << kind.Size); ++subset)
    if (std::popcount(subset) == kind.Porog) subsets[static_cast<size_t>(subsetCount++)] = subset;
  for (int64_t w = last >> 6; w >= 0; --w) {
    uint64_t flash = 0;
    for (int s = 0; s < subsetCount; ++s) {
      uint64_t all = ~uint64_t{0};
      for (int i = 0; i < kind.Size; ++i)
        if (subsets[static_cast<size_t>(s)] >> i & 1) all &= (*balls[i])[static_cast<size_t>(w)];
      flash |= all;
    }
    if (w == last >> 6) flash &= ~uint64_t{0} >> (63 - (last & 63));
    if (flash != 0)
      return static_cast<int>(next - (m_first + w * 64 + 63 - std::countl_zero(flash)));
  }
  return 0;
}

int TDrawMasks::Count(const TFoton& foton, TFotonKind kind, int64_t d) const {
  if (!InTable(d)) return 0;
  const int64_t r = d - m_first;
  int count = 0;
  for (int i = 0; i < kind.Size; ++i)
    count +=
        (m_ball[foton.Quantums[static_cast<size_t>(i)]][static_cast<size_t>(r >> 6)] >> (r & 63)) &
        1;
  return count;
}

void TFlash::Rebuild(iArray source) {
  Fotons.clear();
  ForEachCombination(SortedSource(std::move(source)), Kind().Size, [this](const TFoton& foton) {
    Fotons.push_back(foton);
    return true;
  });
}

void TFlash::Refresh(const TDrawMasks& masks) {
  for (size_t i = 0; i < Fotons.size(); ++i) {
    TFoton& foton = Fotons[i];
    foton.Index = foton.IndexSort = static_cast<int>(i);
    foton.Skip = masks.Skip(foton, Kind(), Otbor.Next);
    foton.Win = false;
    foton.FilterOn = true;
  }
}

void TFlash::SetWin(const iArray& result) {
  if (result.empty()) return;
  const TFotonKind kind = Kind();
  for (TFoton& foton : Fotons) {
    int hits = 0;
    for (int i = 0; i < kind.Size; ++i)
      hits += std::count(result.begin(), result.end(), foton.Quantums[static_cast<size_t>(i)]) > 0;
    foton.Win = hits >= kind.Porog;
  }
}

void TFlash::SortBySkip() {
  std::vector<int> order(Fotons.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return SortKey(Fotons[static_cast<size_t>(a)].Skip) <
           SortKey(Fotons[static_cast<size_t>(b)].Skip);
  });
  for (size_t rank = 0; rank < order.size(); ++rank)
    Fotons[static_cast<size_t>(order[rank])].IndexSort = static_cast<int>(rank);
}

QString QuantumsText(const TFoton& foton, TFotonKind kind, int maxBall) {
  QString text;
  for (int i = 0; i < kind.Size; ++i)
    text += IntPadLeft(BallWidth(maxBall), foton.Quantums[static_cast<size_t>(i)]);
  return PadRight(15, text);
}

QString SeriesText(const TFoton& foton, TFotonKind kind, const TDrawMasks& masks,
                   const TOtborFlash& otbor) {
  QString text;
  for (int k = 1; k <= otbor.Okno; ++k) {
    const int64_t d = int64_t{otbor.Next} - k;
    if (!masks.InTable(d)) break;
    const int count = masks.Count(foton, kind, d);
    text += count >= kind.Porog && count > 0 ? QString::number(count) : u"."_s;
    if (k % 10 == 0) text += u' ';
  }
  return text;
}

namespace {

// One line of the skip list.
QString SkipLine(int64_t number, const TFoton& foton, TFotonKind kind, const TDrawMasks& masks,
                 const TOtborFlash& otbor, int maxBall) {
  QString line = IntPadLeft(5, number) + u"   "_s + QuantumsText(foton, kind, maxBall) +
                 u"       "_s + (foton.Skip < 1 ? PadLeft(5, u"."_s) : IntPadLeft(5, foton.Skip)) +
                 u"     "_s + PadLeft(3, foton.Win ? u"X"_s : u"."_s) + u"      "_s;
  line += SeriesText(foton, kind, masks, otbor);
  return line;
}

const QString kSkipsHeader = u"  ###   Combinations           Skip      Win     <-- Series <--"_s;

}  // namespace

namespace {

// Every 4096th step asks the host whether to go on.
class TProgress {
public:
  TProgress(THost* host, int64_t total) : m_host(host), m_total(total) {}
  bool Step() {
    ++m_done;
    if (m_host == nullptr || (m_done & 4095) != 0) return !m_stopped;
    if (!m_host->Progress(m_done, m_total)) m_stopped = true;
    return !m_stopped;
  }
  bool Stopped() const { return m_stopped; }

private:
  THost* m_host;
  int64_t m_total, m_done = 0;
  bool m_stopped = false;
};

}  // namespace

void ShowSkipsList(const TLottery& lottery, const TSkipsParams& params, TReportPane& pane,
                   THost* host) {
  pane.Clear();
  const TDrawMasks masks(lottery);
  TOtborFlash otbor;
  otbor.Next = params.NextTira;
  otbor.Okno = std::clamp(params.History, kSkipsHistoryMin, kSkipsHistoryMax);
  otbor.FotonType = params.FotonType;
  otbor.SeriesOn = true;
  const TFotonKind kind = FotonKindOf(params.FotonType);
  const iArray source =
      SortedSource(AvailableBalls(params.AvailableBalls, lottery.MaxBall, nullptr));
  const iArray drawT = lottery.DrawBalls(params.NextTira);
  const TNumberRanges allowed =
      params.Filtered ? TNumberRanges::Parse(params.Filter) : TNumberRanges();
  auto passes = [&](const TFoton& foton) {
    return allowed.IsEmpty() || allowed.Contains(foton.Skip);
  };
  auto win = [&](TFoton& foton) {
    int hits = 0;
    for (int i = 0; i < kind.Size; ++i)
      hits += std::count(drawT.begin(), drawT.end(), foton.Quantums[static_cast<size_t>(i)]) > 0;
    foton.Win = !drawT.empty() && hits >= kind.Porog;
  };

  // Pass 1: how many fotons pass, and how many of each skip (for the sorted order's cut).
  int64_t passing = 0;
  std::vector<int64_t> perSkip(static_cast<size_t>(lottery.Tirazhi.size()) + 2, 0);
  TProgress progress(host, 2 * BinomialCount(static_cast<int>(source.size()), kind.Size));
  ForEachCombination(source, kind.Size, [&](TFoton foton) {
    foton.Skip = masks.Skip(foton, kind, otbor.Next);
    if (passes(foton)) {
      ++passing;
      ++perSkip[foton.Skip < 1 ? perSkip.size() - 1 : static_cast<size_t>(foton.Skip)];
    }
    return progress.Step();
  });
  if (progress.Stopped()) return;

  // The lines that fit the bounds: each line of a run has the same length.
  const int quantumsChars = std::max(15, kind.Size * BallWidth(lottery.MaxBall));
  // The series runs back over the history until the table's first draw.
  const int64_t entries = masks.InTable(int64_t{otbor.Next} - 1)
                              ? std::min<int64_t>(otbor.Okno, masks.RowsBefore(otbor.Next))
                              : 0;
  const int64_t lineChars = 8 + quantumsChars + 7 + 5 + 5 + 3 + 6 + entries + entries / 10;
  const int64_t shown = std::min(
      {passing, kMaxSkipListLines - 2, kMaxSkipListChars / std::max<int64_t>(lineChars, 1)});

  // Pass 2: the fotons shown, in display order.
  std::vector<TFoton> listed;
  listed.reserve(static_cast<size_t>(shown));
  if (params.Sort) {
    // Every skip below the one where the cut falls, and of that skip the first ones.
    int64_t room = shown;
    size_t cutKey = 0;
    for (size_t key = 1; key < perSkip.size(); ++key) {
      if (perSkip[key] >= room) {
        cutKey = key;
        break;
      }
      room -= perSkip[key];
    }
    int64_t atCut = 0;
    ForEachCombination(source, kind.Size, [&](TFoton foton) {
      foton.Skip = masks.Skip(foton, kind, otbor.Next);
      if (!passes(foton)) return true;
      const size_t key = foton.Skip < 1 ? perSkip.size() - 1 : static_cast<size_t>(foton.Skip);
      if (cutKey == 0 || key < cutKey || (key == cutKey && atCut++ < room)) listed.push_back(foton);
      return progress.Step();
    });
    std::stable_sort(listed.begin(), listed.end(), [](const TFoton& a, const TFoton& b) {
      return SortKey(a.Skip) < SortKey(b.Skip);
    });
  } else {
    ForEachCombination(source, kind.Size, [&](TFoton foton) {
      foton.Skip = masks.Skip(foton, kind, otbor.Next);
      if (passes(foton)) listed.push_back(foton);
      return progress.Step() && static_cast<int64_t>(listed.size()) < shown;
    });
  }
  if (progress.Stopped()) return;

  if (passing <= 8000) {
    pane.AddLine(kSkipsHeader);
    for (size_t i = 0; i < listed.size(); ++i) {
      win(listed[i]);
      const QString line =
          SkipLine(static_cast<int64_t>(i) + 1, listed[i], kind, masks, otbor, lottery.MaxBall);
      const int index = pane.AddLine(line);
      HighlightNumbers(drawT, index, 8, QStringView(line).mid(8, quantumsChars), clRed, pane);
    }
    return;
  }
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(listed.size()) + 2);
  lines.append(kSkipsHeader);
  for (size_t i = 0; i < listed.size(); ++i) {
    win(listed[i]);
    lines.append(
        SkipLine(static_cast<int64_t>(i) + 1, listed[i], kind, masks, otbor, lottery.MaxBall));
  }
  if (shown < passing)
    lines.append(u"Список обрезан (list cut): показаны "_s +
                 GroupThousands(QString::number(shown)) + u" из "_s +
                 GroupThousands(QString::number(passing)) +
                 u" строк (lines). Сузьте его фильтром (Filter), меньшим числом доступных шаров "
                 u"(available numbers) или меньшей историей (History)."_s);
  pane.ReplaceLines(lines);
}

void ShowSkipsFrequency(const TLottery& lottery, const TSkipsFrequencyParams& params,
                        TReportPane& pane, THost* host) {
  pane.Clear();
  const TDrawMasks masks(lottery);
  const TFotonKind kind = FotonKindOf(params.FotonType);
  const int H = std::clamp(params.History, kSkipsHistoryMin, kSkipsHistoryMax);
  iArray skips;
  TProgress progress(host, int64_t{H} * BinomialCount(lottery.BallsInDraw, kind.Size));
  for (int k = 1; k <= H && !progress.Stopped(); ++k) {
    const int64_t d = int64_t{params.NextTira} - k;
    ForEachCombination(SortedSource(lottery.DrawBalls(static_cast<int>(d))), kind.Size,
                       [&](const TFoton& foton) {
                         skips.push_back(masks.Skip(foton, kind, d));
                         return progress.Step();
                       });
  }
  if (progress.Stopped()) return;
  PrintFrequencyTable(pane, skips,
                      {.TableTitle = u"Распределение параметра \"Пропуск\" (Skip) за последние "_s +
                                     QString::number(H) + u" тиражей:"_s,
                       .ValueTitle = u"Skip"_s,
                       .MaxPrint = params.Show20 ? 20 : 0,
                       .Sort = params.Sort,
                       .PrintFreqOrder = true},
                      params.DecimalSeparator);
  pane.AddLine(QString());
}

void ShowFlashListing(const TLottery& lottery, const TFlashListingParams& params,
                      TReportPane& pane) {
  pane.Clear();
  pane.AddLine(QString());
  pane.AddLine(u"Вспышка."_s);
  pane.AddLine(QString());
  const TFotonKind kind = FotonKindOf(params.FotonType);
  QStringList lines;
  int64_t count = 0;
  ForEachCombination(SortedSource(AvailableBalls(params.AvailableBalls, lottery.MaxBall, nullptr)),
                     kind.Size, [&](const TFoton& foton) {
                       QString line;
                       for (int i = 0; i < kind.Size; ++i)
                         line += IntPadLeft(5, foton.Quantums[static_cast<size_t>(i)]);
                       lines.append(line);
                       return ++count < kMaxSkipListLines;
                     });
  for (const QString& line : lines) pane.AddLine(line);
}

int SkipsParsec(const TLottery& lottery, int fotonType) {
  const TFotonKind kind = FotonKindOf(fotonType);
  const int N = lottery.MaxBall, K = lottery.BallsInDraw, s = kind.Size, p = kind.Porog;
  if (s == 0) return 0;
  const double b1 = Binomial(N, s), b2 = Binomial(N - p, s - p), b3 = Binomial(K, s),
               b4 = Binomial(K - p, s - p);
  if (b1 == 0 || b2 == 0 || b3 == 0 || b4 == 0) return 0;
  int64_t v = RoundHalfEven(10.0 * (b1 / b2) / (b3 / b4));
  for (int i = 0; i < 2 && v >= 1000; ++i) v = RoundHalfEven(static_cast<double>(v) / 10.0);
  // The spin edit holds 1 .. 9999: a larger V (Four in 5 of 90 gives 51,104) is its maximum.
  return static_cast<int>(std::clamp<int64_t>(v, 0, kSkipsHistoryMax));
}

int ParsecHistory(const TLottery& lottery, const TParsecParams& params) {
  const int v = SkipsParsec(lottery, params.FotonType);
  return v > 0 ? v : params.History;
}

void ShowParsec(const TLottery& lottery, const TParsecParams& params, TReportPane& pane) {
  pane.Clear();
  pane.AddLine(u"Parsec = "_s + QString::number(SkipsParsec(lottery, params.FotonType)));
  pane.AddLine(u"History = "_s + QString::number(ParsecHistory(lottery, params)));
}
