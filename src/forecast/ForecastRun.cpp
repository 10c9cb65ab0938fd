#include "ForecastRun.h"

#include <algorithm>
#include <array>

#include "FilterSyntax.h"
#include "core/Host.h"
#include "core/Lottery.h"
#include "core/Random.h"
#include "stats/Statistic.h"

using namespace Qt::StringLiterals;

namespace {

QString Grouped(int64_t value) { return GroupThousands(QString::number(value)); }

std::array<bool, 256> BallSet(const iArray& balls) {
  std::array<bool, 256> set{};
  for (int32_t b : balls)
    if (b >= 0 && b < 256) set[static_cast<size_t>(b)] = true;
  return set;
}

// The indexes of the report lines, in their order.
constexpr std::array<int, 16> kReportedFilters = {1,  2,  3,  4,  5,  6,  10, 11,
                                                  12, 13, 14, 15, 16, 17, 18, 19};

QString FilterLabel(int index, bool russian) {
  static const std::array<QString, 6> english = {
      u"Filter statistic 01 (Even):                   "_s,
      u"Filter statistic 02 (Consecutive numbers):    "_s,
      u"Filter statistic 03 (Sum):                    "_s,
      u"Filter statistic 04 (First/Last ball):        "_s,
      u"Filter statistic 05 (Hot/Cold):               "_s,
      u"Filter statistic 06 (Differences):            "_s};
  static const std::array<QString, 6> russianLabels = {
      u"Статистика фильтра 01 (Четные):               "_s,
      u"Статистика фильтра 02 (Слипы):                "_s,
      u"Статистика фильтра 03 (Сумма Шаров):          "_s,
      u"Статистика фильтра 04 (Первый/Последний Шар): "_s,
      u"Статистика фильтра 05 (Горячие/Холодные):     "_s,
      u"Статистика фильтра 06 (Разницы):              "_s};
  if (index >= 1 && index <= 6)
    return (russian ? russianLabels : english)[static_cast<size_t>(index - 1)];
  // 10 .. 19: "Filter statistic 10 (Any range 0):" and so on, each 46 characters.
  const QString range =
      (russian ? u"Произвольный ряд "_s : u"Any range "_s) + QString::number(index - 10);
  return PadRight(46, (russian ? u"Статистика фильтра "_s : u"Filter statistic "_s) +
                          QString::number(index) + u" ("_s + range + u"):"_s);
}

// A line of balls after its label, with the forecast draw's balls highlighted after the label.
void AddBallsLine(TReportPane& out, const QString& label, const iArray& balls,
                  const iArray& drawBalls) {
  const QString numbers = NumbersToText(3, balls);
  const int line = out.AddLine(label + numbers);
  HighlightNumbers(drawBalls, line, static_cast<int>(label.size()), numbers, clRed, out);
}

// The balls of the forecast draw T (empty when T is not in the table).
iArray DrawOf(const TLottery& lottery, const TMainPrognoz& prognoz) {
  return lottery.DrawBalls(prognoz.NextTira);
}

}  // namespace

QString NoForecastMessage(bool russian) {
  return russian ? u"Расчет не производился или нет комбинаций, удовлетворяющих всем фильтрам.\r"
                   "Установите другие значения фильтров и нажмите кнопку \"New\" (Новый прогноз)."_s
                 : u"No forecast was made or no combinations for the marked filters.\r"
                   "Set the filters differently and press the \"New\" button."_s;
}

QString TooManyToShowMessage(bool russian, int64_t total, int64_t filtered, int shown) {
  if (russian)
    return u"Всего возможных комбинаций: "_s + Grouped(total) + u"\rОтфильтровано "_s +
           Grouped(filtered) +
           u"\rИзмените значения фильтров"
           "\rдля уменьшения числа отфильтрованых комбинаций менее 1.000.000."
           "\rПоказаны будут случайные "_s +
           QString::number(shown) + u" комбинаций."_s;
  return u"Total possible combinations: "_s + Grouped(total) + u"\rFiltered "_s +
         Grouped(filtered) +
         u"\rYou must change the filter values"
         "\rto reduce the number of the filtered combinations less than 1.000.000."
         "\rRandom "_s +
         QString::number(shown) + u" combinations will be shown."_s;
}

void GetPrognozAuto(TMainPrognoz& prognoz, std::optional<uint64_t> seed) {
  const TCombinationTable& table = prognoz.PrognozTable;
  const int64_t rows = table.RowCount();
  const int64_t m = prognoz.NumCombAuto;
  if (m >= rows) {
    prognoz.AutoTable = table;
    return;
  }
  prognoz.AutoTable.Reset(table.RowLength());
  if (m <= 0) return;
  prognoz.AutoTable.Reserve(m);
  const int64_t step = RoundHalfEven(static_cast<double>(rows) / static_cast<double>(m));
  // Blocks of `step` rows while M of them fit; when R / M rounds up they would reach past the
  // end of the table, so the table is cut into M nearly equal blocks (each at least one row,
  // since M < R) covering it exactly.
  const bool fixedBlocks = step * m <= rows;
  TRandomUse random(seed);
  for (int64_t j = 0; j < m; ++j) {
    const int64_t first = fixedBlocks ? j * step : j * rows / m;
    const int64_t end = fixedBlocks ? first + step : (j + 1) * rows / m;
    prognoz.AutoTable.AppendRow(table.Row(random.Uniform(first, end - 1)).data());
  }
}

QString MatchMark(int e) {
  switch (e) {
    case 0:
    case 1:
      return u"        ."_s;
    case 2:
      return u"        **"_s;
    case 3:
      return u"        3 --*"_s;
    case 4:
      return u"        4 ====*"_s;
    default:
      return u"        "_s + RepeatText(e, u"!!"_s);
  }
}

void PrintCombinationList(TReportPane& pane, const TCombinationTable& table,
                          const iArray& drawBalls, bool russian) {
  const int64_t rows = table.RowCount();
  if (rows == 0) return;
  const int k = table.RowLength();
  const bool direct = rows <= kMaxDirectListRows || !pane.IsEmpty();
  const bool highlight = rows <= kMaxDirectListRows;
  const std::array<bool, 256> drawn = BallSet(drawBalls);
  std::array<QString, 16> marks;  // e is at most the row length; rows longer are rare
  QStringList lines;
  auto add = [&](const QString& line) {
    if (direct)
      pane.AddLine(line);
    else
      lines.append(line);
  };
  if (!direct) lines.reserve(rows + 2);

  add(QString());
  add((russian ? u"    # п/п"_s : u"      No."_s) +
      PadRight(4 * k + 9, russian ? u"        Шары"_s : u"        Numbers"_s) + u"   Win"_s);
  constexpr int kPart1 = 11;  // the row number in 8 characters and three spaces
  for (int64_t n = 0; n < rows; ++n) {
    const std::span<const uint8_t> row = table.Row(n);
    QString line;
    line.reserve(kPart1 + 3 + 4 * k + 8 + 2 * k + 2);
    AppendIntPadLeft(line, n + 1, 8);
    line += u"      "_s;  // the end of part 1 and the start of part 2
    int e = 0;
    for (uint8_t ball : row) {
      AppendIntPadLeft(line, ball, 4);
      e += drawn[ball];
    }
    const int partTwoEnd = static_cast<int>(line.size());
    const size_t markIndex = static_cast<size_t>(e);
    if (markIndex < marks.size()) {
      if (marks[markIndex].isEmpty()) marks[markIndex] = MatchMark(e);
      line += marks[markIndex];
    } else {
      line += MatchMark(e);
    }
    if (direct) {
      const int index = pane.AddLine(line);
      if (highlight && e > 0)
        HighlightNumbers(drawBalls, index, kPart1,
                         QStringView(line).mid(kPart1, partTwoEnd - kPart1), clRed, pane);
    } else {
      lines.append(std::move(line));
    }
  }
  if (!direct) pane.ReplaceLines(lines);
}

QString FilterStatisticLine(const TFiltersStatistics& statistics, int i, bool russian,
                            QChar decimalSeparator) {
  const TFilterCount& count = statistics[static_cast<size_t>(i)];
  const int64_t a = count.Accepted, d = count.Denied;
  QString line = (russian ? u"   Принято=  "_s : u"   Accepted= "_s) + PadLeft(11, Grouped(a)) +
                 (russian ? u"    Отклонено= "_s : u"       Denied= "_s) + PadLeft(11, Grouped(d));
  if (d > 0) {
    const QString percent = DecimalText(static_cast<double>(d) / static_cast<double>(a + d) * 100.0,
                                        1, decimalSeparator);
    line += u"   "_s + PadLeft(9, u'-' + percent + u" %"_s);
  }
  return line;
}

void PrintFiltersStatistics(TMainPrognoz& prognoz, const iArray& drawBalls, bool russian,
                            QChar decimalSeparator, TReportPane& out) {
  out.Clear();
  out.AddLine(QString());
  out.AddLine(russian ? u"Статистика фильтров:"_s : u"Filters statistic:"_s);
  AddBallsLine(out, russian ? u"Доступные Шары:        "_s : u"Available numbers:     "_s,
               prognoz.SourceRange, drawBalls);

  const std::array<bool, 256> available = BallSet(prognoz.SourceRange);
  iArray unavailable;
  for (int ball = 1; ball <= prognoz.MaxBall && ball < 256; ++ball)
    if (!available[static_cast<size_t>(ball)]) unavailable.push_back(ball);
  AddBallsLine(out, russian ? u"Недоступные Шары:      "_s : u"Unavailable numbers:   "_s,
               unavailable, drawBalls);

  // Every ball of some stored row; the scan stops once every available ball was seen.
  std::array<bool, 256> used{};
  size_t usedCount = 0;
  const TCombinationTable& table = prognoz.PrognozTable;
  for (int64_t i = 0; i < table.RowCount() && usedCount < prognoz.SourceRange.size(); ++i)
    for (uint8_t ball : table.Row(i))
      if (!used[ball]) {
        used[ball] = true;
        ++usedCount;
      }
  iArray usedBalls;
  for (size_t ball = 1; ball < used.size(); ++ball)
    if (used[ball]) usedBalls.push_back(static_cast<int32_t>(ball));
  AddBallsLine(out, russian ? u"Использованные Шары:   "_s : u"Used numbers:          "_s,
               usedBalls, drawBalls);

  out.AddLine(u" "_s);
  TFiltersStatistics& statistics = prognoz.FiltersStatistics;
  const int64_t tested = statistics[1].Accepted + statistics[1].Denied;
  out.AddLine((russian ? u"Всего комбинаций:                                          "_s
                       : u"Total combinations:                                "_s) +
              PadLeft(11, Grouped(tested)));
  for (int index : kReportedFilters)
    out.AddLine(FilterLabel(index, russian) +
                FilterStatisticLine(statistics, index, russian, decimalSeparator));
  out.AddLine(u"-------------------------------------------"_s);
  statistics[0].Accepted = statistics[19].Accepted;
  statistics[0].Denied = tested - statistics[0].Accepted;
  out.AddLine((russian ? u"Общая статистика:                             "_s
                       : u"Common statistic:                             "_s) +
              FilterStatisticLine(statistics, 0, russian, decimalSeparator));
  out.AddLine(QString());
}

void AppendFiltersStatistics(TReportPane& result, const TReportPane& filtersStatistic) {
  result.Append(filtersStatistic);
}

namespace {

// The statistics of all filtered combinations, inserted at the top; then the title line.
void InsertHeadOfShowing(TMainPrognoz& prognoz, const iArray& drawBalls, TWinStatistic& statistic,
                         TReportPane& pane) {
  statistic.Zagolovok = u"Статистика выигрышей всех отфильтрованных комбинаций:"_s;
  statistic.ReLoad(prognoz.PrognozTable, drawBalls);
  statistic.Print(pane, 0);
  pane.InsertLine(0, u"Прогноз Шаров для тиража № "_s + QString::number(prognoz.NextTira));
  pane.InsertLine(1, QString());
}

}  // namespace

void ShowForecastAuto(TForecastState& state, const iArray& drawBalls, bool russian,
                      QChar decimalSeparator, TReportPane& pane) {
  TMainPrognoz& prognoz = state.MainPrognoz;
  PrintCombinationList(pane, prognoz.AutoTable, drawBalls, russian);
  TWinStatistic statistic;
  statistic.DecimalSeparator = decimalSeparator;
  statistic.Zagolovok = u"Статистика выигрышей Пула \"Прогноз Авто\":"_s;
  statistic.ReLoad(prognoz.AutoTable, drawBalls);
  statistic.Print(pane, 0);
  pane.InsertLine(0, QString());
  InsertHeadOfShowing(prognoz, drawBalls, statistic, pane);
  AppendFiltersStatistics(pane, state.FiltersStatistic);
  prognoz.ExportTable = prognoz.AutoTable;
}

void ShowForecastAll(TForecastState& state, const iArray& drawBalls, bool russian,
                     QChar decimalSeparator, TReportPane& pane) {
  TMainPrognoz& prognoz = state.MainPrognoz;
  PrintCombinationList(pane, prognoz.PrognozTable, drawBalls, russian);
  TWinStatistic statistic;
  statistic.DecimalSeparator = decimalSeparator;
  InsertHeadOfShowing(prognoz, drawBalls, statistic, pane);
  AppendFiltersStatistics(pane, state.FiltersStatistic);
  prognoz.ExportTable = prognoz.PrognozTable;
}

TForecastShown ShowForecast(const TLottery& lottery, const TForecastParams& params,
                            TForecastState& state, TReportPane& pane, THost& host) {
  TMainPrognoz& prognoz = state.MainPrognoz;
  const bool russian = IsRussian(params.Language);
  pane.Clear();
  prognoz.ExportTable.Reset(0);
  prognoz.NumCombAuto = std::clamp(params.NumCombiShow, kNumCombiShowMin, kNumCombiShowMax);
  GetPrognozAuto(prognoz, params.Seed);
  if (prognoz.PrognozTable.IsEmpty()) {
    host.ShowMessage(NoForecastMessage(russian));
    // After a run that kept nothing the statistics show which filter denied it all.
    AppendFiltersStatistics(pane, state.FiltersStatistic);
    return TForecastShown::None;
  }
  const iArray drawBalls = DrawOf(lottery, prognoz);
  const QChar separator = host.DecimalSeparator();
  if (!params.AutoOnly && prognoz.PrognozTable.RowCount() <= kMaxShownCombinations) {
    ShowForecastAll(state, drawBalls, russian, separator, pane);
    return TForecastShown::All;
  }
  if (!params.AutoOnly)
    host.ShowMessage(TooManyToShowMessage(russian, prognoz.NumCombTotal, prognoz.NumCombFiltered,
                                          prognoz.NumCombAuto));
  ShowForecastAuto(state, drawBalls, russian, separator, pane);
  return TForecastShown::Auto;
}

void WriteForecastTitle(int nextTira, TReportPane& pane) {
  pane.AddLine(u"Прогноз Шаров для тиража №: "_s + QString::number(nextTira));
  pane.AddLine(u"The Draw # "_s + QString::number(nextTira) + u" lotto prediction:"_s);
}

TForecastRunResult RunForecast(const TLottery& lottery, TForecastParams& params,
                               TForecastState& state, TReportPane& pane, THost& host) {
  TForecastRunResult result;
  TMainPrognoz& prognoz = state.MainPrognoz;
  const bool russian = IsRussian(params.Language);
  const int t = params.NextTira;
  pane.Clear();
  WriteForecastTitle(t, pane);

  prognoz.Clear();
  state.FiltersStatistic.Clear();
  prognoz.NextTira = t;
  prognoz.CombiSize = lottery.BallsInDraw;
  prognoz.SourceRange =
      AvailableBalls(params.AvailableBalls, lottery.MaxBall, &params.AvailableBalls);
  if (!prognoz.SetFilters(lottery, params.Fields)) {
    result.RangeCut = true;
    host.ShowMessage(RangeCutMessage(russian));
  }
  prognoz.Threads = params.Threads;
  prognoz.Progress =
      params.Progress ? params.Progress : TWalkProgress([&host](int64_t done, int64_t total) {
        return host.Progress(done, total);
      });
  const bool complete = prognoz.Walk(&host);
  prognoz.Progress = nullptr;  // it refers to the host of this run
  if (!complete) {
    prognoz.Clear();
    result.Cancelled = true;
    return result;
  }
  PrintFiltersStatistics(prognoz, DrawOf(lottery, prognoz), russian, host.DecimalSeparator(),
                         state.FiltersStatistic);
  result.Shown = ShowForecast(lottery, params, state, pane, host);
  return result;
}
