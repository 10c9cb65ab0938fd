#pragma once
// The forecast as the user runs it. "New" (RunForecast) walks every combination of the
// available balls through the filters and writes the filter statistics report; "Show"
// (ShowForecast) lays out the result pane: every filtered combination, or an automatic random
// selection of them, each with its matches against the forecast draw, the win statistics
// above the list and the filter statistics below it.
//
// The desktop and lotrix-cli fill a TForecastParams from their controls or options; the
// forecast itself lives in a TForecastState owned by whoever holds the open lottery.

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

#include "Prognoz.h"
#include "core/ReportPane.h"

class THost;
class TLottery;

// sePrognozNumCombiShow: M, the size of the automatic selection.
inline constexpr int kNumCombiShowDefault = 20;
inline constexpr int kNumCombiShowMin = 1;
inline constexpr int kNumCombiShowMax = 500;
// Above this many stored rows only the automatic selection is shown.
inline constexpr int64_t kMaxShownCombinations = 1'000'000;
// Lists up to this many rows are highlighted line by line; longer ones go in as plain text.
inline constexpr int64_t kMaxDirectListRows = 8'000;

// The forecast controls of PanelMain and the filters of PanelPrognoz, for one command.
struct TForecastParams {
  int NextTira = 1;  // seNextTira: T, the draw to forecast
  QString
      AvailableBalls;  // poleSharyEnable (empty: every ball); "New" rewrites it in its normal form
  TPrognozFields Fields;  // PanelPrognoz; "New" rewrites the fields it read in their normal form
  int NumCombiShow = kNumCombiShowDefault;   // sePrognozNumCombiShow: M (taken into 1 .. 500)
  bool AutoOnly = false;                     // cbPrognozAuto: show only the automatic selection
  QString Language = QStringLiteral("rus");  // messages and the filter statistics
  std::optional<uint64_t> Seed;              // seed of the automatic choice; none: the clock
  int Threads = 0;                           // threads of the walk; 0: all cores
  TWalkProgress Progress;                    // progress/cancel of the walk; empty: THost::Progress
};

// The forecast of the open lottery: MainPrognoz and the hidden pane RichEditFiltersStatistic
// holding its filter statistics report. Made anew at every opening of a lottery.
struct TForecastState {
  TMainPrognoz MainPrognoz;
  TReportPane FiltersStatistic;
};

// What a showing put into the result pane.
enum class TForecastShown {
  None,  // no forecast (the no-forecast message was shown)
  All,   // every filtered combination
  Auto,  // the automatic selection (asked for, or after the too-many message)
};

struct TForecastRunResult {
  bool Cancelled = false;  // the walk was cancelled: the state holds no forecast
  bool RangeCut = false;   // a filter range was cut (its message was shown)
  TForecastShown Shown = TForecastShown::None;
};

// "New": discards the previous forecast, reads the available balls and the filters
// (rewriting them in params), walks, writes the filter statistics and shows the result.
// A cancelled walk leaves no forecast and no showing.
TForecastRunResult RunForecast(const TLottery& lottery, TForecastParams& params,
                               TForecastState& state, TReportPane& pane, THost& host);
// "Show": rebuilds the result pane from the last forecast with a new automatic selection and
// fills MainPrognoz.ExportTable with the table it listed (emptied when nothing is shown).
TForecastShown ShowForecast(const TLottery& lottery, const TForecastParams& params,
                            TForecastState& state, TReportPane& pane, THost& host);

// AutoTable := NumCombAuto rows of PrognozTable, one drawn at random from each of as many
// consecutive blocks, in walk order; the whole table when NumCombAuto >= its rows. Blocks are
// round(R / M) rows long; when M of them would reach past the end, the table is cut into M
// nearly equal blocks instead, so every pick is a row of the table.
void GetPrognozAuto(TMainPrognoz& prognoz, std::optional<uint64_t> seed = std::nullopt);

// The match mark of a row with e balls of the forecast draw.
QString MatchMark(int e);
// Appends the numbered list of a table with its match marks; lists of more than
// kMaxDirectListRows rows go in with one ReplaceLines, without highlights (the pane is then
// expected to be empty, as in both layouts).
void PrintCombinationList(TReportPane& pane, const TCombinationTable& table,
                          const iArray& drawBalls, bool russian);
// The two layouts of the result pane (which is empty when they start).
// Both fill MainPrognoz.ExportTable with the table they list.
void ShowForecastAuto(TForecastState& state, const iArray& drawBalls, bool russian,
                      QChar decimalSeparator, TReportPane& pane);
void ShowForecastAll(TForecastState& state, const iArray& drawBalls, bool russian,
                     QChar decimalSeparator, TReportPane& pane);

// The filter statistics report (into `out`, cleared first); sets the overall counters of
// index 0. The balls of the forecast draw are highlighted in the ball lines.
void PrintFiltersStatistics(TMainPrognoz& prognoz, const iArray& drawBalls, bool russian,
                            QChar decimalSeparator, TReportPane& out);
// The counter part of the report line of filter i (0: the overall line).
QString FilterStatisticLine(const TFiltersStatistics& statistics, int i, bool russian,
                            QChar decimalSeparator);
// Appends the filter statistics, with their highlights, to the end of the result pane.
void AppendFiltersStatistics(TReportPane& result, const TReportPane& filtersStatistic);

// The two title lines of a forecast of draw T, which stay in the pane while it is computed.
void WriteForecastTitle(int nextTira, TReportPane& pane);

QString NoForecastMessage(bool russian);
QString TooManyToShowMessage(bool russian, int64_t total, int64_t filtered, int shown);
