#include "PastMatches.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// The characters a listing has left; the lines it had to leave out.
class TListingBudget {
public:
  explicit TListingBudget(int64_t maxChars) : m_maxChars(maxChars) {}
  // Whether a line of this length still fits (it is then counted).
  bool Takes(int64_t length) {
    ++m_lines;
    if (m_shown < m_lines - 1 || m_chars + length > m_maxChars) return false;
    m_chars += length;
    ++m_shown;
    return true;
  }
  bool Cut() const { return m_shown < m_lines; }
  QString CutLine(const QString& why) const {
    return u"Список обрезан (list cut): показаны "_s + GroupThousands(QString::number(m_shown)) +
           u" из "_s + GroupThousands(QString::number(m_lines)) + u" строк (lines); "_s + why +
           u"."_s;
  }

private:
  int64_t m_maxChars, m_chars = 0, m_lines = 0, m_shown = 0;
};

}  // namespace

bool LoadSourceFromClipboard(TPastMatchesTables& tables, THost& host) {
  bool more = false;
  tables.SourceTable = TextToRows(host.ClipboardText(), kMaxSourceRows, &more);
  if (more) tables.SourceTable.clear();
  return !more;
}

bool LoadSourceRows(TPastMatchesTables& tables, iArray2D rows) {
  const bool fits = static_cast<int64_t>(rows.size()) <= kMaxSourceRows;
  tables.SourceTable = fits ? std::move(rows) : iArray2D();
  return fits;
}

bool LoadSourceFromForecast(TPastMatchesTables& tables, const TCombinationTable& exportTable) {
  if (exportTable.RowCount() > kMaxSourceRows) {
    tables.SourceTable.clear();
    return false;
  }
  tables.SourceTable = exportTable.ToRows();
  return true;
}

QString SourceTooLongMessage() {
  return u"Таблица для фильтрации длиннее 1.000.000 строк и не загружена. "
         u"(The table to filter has more than 1,000,000 rows and was not loaded.)"_s;
}

TRecentDraws::TRecentDraws(const TLottery& lottery, int d, int window) {
  m_draws.resize(static_cast<size_t>(std::max(window, 0)));
  for (size_t k = 0; k < m_draws.size(); ++k)
    for (const int32_t ball : lottery.DrawBallsView(int64_t{d} - 1 - static_cast<int64_t>(k)))
      if (ball >= 0 && ball < 256) m_draws[k].Bits[ball >> 6] |= uint64_t{1} << (ball & 63);
}

iArray TRecentDraws::MatchCounts(const iArray& row, int maxMatches) const {
  iArray counts(static_cast<size_t>(std::max(maxMatches, 0) + 1), 0);
  for (const TBallSet& draw : m_draws) {
    int shared = 0;
    for (const int32_t v : row)
      if (v >= 0 && v < 256 && ((draw.Bits[v >> 6] >> (v & 63)) & 1) != 0) ++shared;
    if (shared <= maxMatches) ++counts[static_cast<size_t>(shared)];
  }
  return counts;
}

iArray MatchCounts(const TLottery& lottery, const iArray& balls, int d, int maxMatches,
                   int window) {
  return TRecentDraws(lottery, d, window).MatchCounts(balls, maxMatches);
}

TMatchFilterText ReadMatchFilterText(const QString& text) {
  TMatchFilterText result;
  QStringList pieces = text.split(u'/');
  if (pieces.last().isEmpty()) pieces.removeLast();  // nothing after the last "/"
  QStringList texts;
  for (const QString& piece : pieces) {
    result.Filter.push_back(TNumberRanges::Parse(piece));
    texts.append(result.Filter.back().Format());
  }
  result.Text = texts.join(u" / "_s);
  return result;
}

bool PassesMatchFilter(const iArray& counts, const TMatchFilter& filter) {
  for (size_t j = 0; j < filter.size(); ++j) {
    if (filter[j].IsEmpty()) continue;
    if (j >= counts.size() || !filter[j].Contains(counts[j])) return false;
  }
  return true;
}

void ShowPastMatchesSource(const TPastMatchesSourceParams& params, TReportPane& pane) {
  pane.Clear();
  const bool fromForecast = params.Origin == TSourceOrigin::Forecast;
  if (params.TooLong) {
    pane.AddLine(SourceTooLongMessage());
    return;
  }
  const iArray2D* source = params.Tables ? &params.Tables->SourceTable : nullptr;
  if (source == nullptr || source->empty()) {
    pane.AddLine(fromForecast
                     ? u"Прогноз не рассчитывался. Подходящей таблицы для фильтрации нет."_s
                     : u"Подходящей таблицы для фильтрации в Буфере обмена нет."_s);
    return;
  }
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(source->size()) + 1);
  lines.append((fromForecast
                    ? u"Исходная таблица для фильтрации из Прогноза. Всего строк "_s
                    : u"Исходная таблица для фильтрации из Буфера обмена. Всего строк "_s) +
               GroupThousands(QString::number(source->size())) + u"."_s);
  TListingBudget budget(params.MaxListingChars);
  for (const iArray& row : *source) {
    if (!budget.Takes(4 * static_cast<int64_t>(row.size()))) continue;
    QString line;
    line.reserve(static_cast<qsizetype>(row.size()) * 4);
    for (const int32_t v : row) AppendIntPadLeft(line, v, 4);
    lines.append(line);
  }
  if (budget.Cut())
    lines.append(budget.CutLine(u"фильтрация читает все (the filtering reads them all)"_s));
  pane.ReplaceLines(lines);
}

namespace {

// Every 4096th row asks the host whether to go on.
bool GoOn(THost* host, int64_t done, int64_t total) {
  return host == nullptr || (done & 4095) != 0 || host->Progress(done, total);
}

// "   п/п      исх.   Ряд:" over the balls, then the match counts 0 .. columns.
QString PastMatchesHeader(int ballPart, int columns) {
  QString header = PadRight(ballPart + 9, u"   п/п      исх.   Ряд:"_s) + u"    совпадения:   0"_s;
  for (int j = 1; j <= columns; ++j) AppendIntPadLeft(header, j, 4);
  return header;
}

}  // namespace

bool ShowPastMatches(const TLottery& lottery, const TPastMatchesParams& params, TReportPane& pane,
                     THost* host) {
  pane.Clear();
  const int t = params.NextTira, w = params.Window;
  const TMatchFilter filter =
      params.Filter ? ReadMatchFilterText(params.FilterText).Filter : TMatchFilter();
  QStringList lines;
  lines.append(u"Фильтрация исходной Таблицы по совпадению в прошедших "_s + QString::number(w) +
               u" тиражах. Тиражи №"_s + QString::number(t - 1) + u" - "_s +
               QString::number(t - w) + u"."_s);
  if (!params.Tables || params.Tables->SourceTable.empty()) {
    pane.ReplaceLines(lines);
    return true;
  }
  TPastMatchesTables& tables = *params.Tables;
  const iArray2D& source = tables.SourceTable;
  const int k = lottery.BallsInDraw, width = BallWidth(lottery.MaxBall);
  size_t longest = 0;
  for (const iArray& row : source) longest = std::max(longest, row.size());
  const int ballPart = width * static_cast<int>(longest) + 11;
  lines.append(PastMatchesHeader(ballPart, std::min(k, static_cast<int>(longest))));

  const TRecentDraws recent(lottery, t, w);
  tables.FilteredTable.clear();
  TListingBudget budget(params.MaxListingChars);
  const int64_t total = static_cast<int64_t>(source.size());
  int64_t kept = 0;
  for (int64_t i = 0; i < total; ++i) {
    if (!GoOn(host, i, total)) {
      tables.FilteredTable.clear();
      return false;
    }
    const iArray& row = source[static_cast<size_t>(i)];
    const iArray counts = recent.MatchCounts(row, std::min(k, static_cast<int>(row.size())));
    if (!PassesMatchFilter(counts, filter)) continue;
    ++kept;
    tables.FilteredTable.push_back(row);
    const int64_t length = 18 + ballPart + 6 + 4 * static_cast<int64_t>(counts.size());
    if (!budget.Takes(length)) continue;
    QString line;  // exactly its length: a million lines grown by appends would take twice
    line.reserve(length);
    AppendIntPadLeft(line, kept, 6);
    line += u"   "_s;
    AppendIntPadLeft(line, i + 1, 6);
    line += u"   "_s;
    const qsizetype ballsFrom = line.size();
    for (const int32_t v : row) AppendIntPadLeft(line, v, width);
    line += QString(std::max<qsizetype>(0, ballPart - (line.size() - ballsFrom)), u' ');
    line += u"      "_s;
    for (const int32_t count : counts) AppendIntPadLeft(line, count, 4);
    lines.append(line);
  }
  if (budget.Cut()) lines.append(budget.CutLine(u"«в Буфер» копирует все (copies them all)"_s));
  pane.ReplaceLines(lines);
  return true;
}

namespace {

// "  Сч.        Частота": every distinct value of the series, ascending, and how often.
void AppendFrequencies(const iArray& series, TReportPane& pane) {
  pane.AddLine(u"  Сч.        Частота"_s);
  std::map<int32_t, int> frequency;
  for (const int32_t v : series) ++frequency[v];
  for (const auto& [value, count] : frequency) {
    QString line;
    AppendIntPadLeft(line, value, 5);
    AppendIntPadLeft(line, count, 15);
    pane.AddLine(line);
  }
}

}  // namespace

void ShowPastMatchesHistory(const TLottery& lottery, const TPastMatchesHistoryParams& params,
                            TReportPane& pane) {
  pane.Clear();
  const int t = params.NextTira, w = params.Window, hh = params.History;
  const int k = lottery.BallsInDraw, width = BallWidth(lottery.MaxBall);
  const int ballPart = width * k + 11;
  QStringList lines;
  lines.append(u"Совпадения в прошедших "_s + QString::number(w) + u" тиражах."_s);
  QString header1 =
      PadRight(ballPart + 9, u"  п/п       Тираж     Шары:"_s) + u"       совпадения:   0"_s;
  QString header2 = QString(ballPart + 9, u' ') + u"                     -"_s;
  for (int j = 1; j <= k; ++j) {
    header1 += u"  "_s;
    AppendIntPadLeft(header1, j, 2);
    header2 += u"   -"_s;
  }
  lines.append(header1);
  lines.append(header2);

  std::vector<iArray> counts(static_cast<size_t>(hh));
  for (int i = 0; i < hh; ++i) {
    const int d = t - hh + i;
    iArray balls = lottery.DrawBalls(d);
    std::sort(balls.begin(), balls.end());
    counts[static_cast<size_t>(i)] = MatchCounts(lottery, balls, d, k, w);
    QString line;
    AppendIntPadLeft(line, i + 1, 4);
    line += u"       "_s;
    AppendIntPadLeft(line, d, 6);
    line += u"    "_s;
    const qsizetype ballsFrom = line.size();
    for (const int32_t ball : balls) AppendIntPadLeft(line, ball, width);
    line += QString(std::max<qsizetype>(0, ballPart - (line.size() - ballsFrom)), u' ');
    line += u"          "_s;
    for (const int32_t count : counts[static_cast<size_t>(i)]) AppendIntPadLeft(line, count, 4);
    lines.append(line);
  }
  lines.append(QString());
  pane.ReplaceLines(lines);

  for (int j = 0; j <= k; ++j) {
    iArray series;  // entry j for the draws T-1, T-2, ..., T-Hh
    for (int i = hh - 1; i >= 0; --i)
      series.push_back(counts[static_cast<size_t>(i)][static_cast<size_t>(j)]);
    if (std::ranges::all_of(series, [](int32_t v) { return v == 0; })) continue;
    pane.AddLine(QString());
    pane.AddLine(QString(75, u'-'));
    pane.AddLine(u"<-- История совпадений "_s + QString::number(j) + u" <--"_s);
    QString values;
    for (const int32_t v : series) AppendIntPadLeft(values, v, 4);
    pane.AddLine(values);
    AppendFrequencies(series, pane);
  }
}
