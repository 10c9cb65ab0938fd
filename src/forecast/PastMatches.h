#pragma once
// Past matches: a table of candidate combinations (forecast tickets or any pasted table)
// filtered by how they would have fared against recent draws. For every row it counts how
// many of the W draws before the analysed one shared exactly 0, 1, 2, ... balls with it and
// keeps the row when those counts lie in the groups the user allows. A companion history
// shows the same counts for the real draws of a recent stretch. The texts are Russian in both
// interface languages.

#include <QString>
#include <memory>
#include <vector>

#include "core/CombinationTable.h"
#include "core/CommonFunctions.h"
#include "core/Host.h"
#include "core/Lottery.h"
#include "core/NumberList.h"
#include "core/ReportPane.h"

// The listings stop before they pass this many characters (rows may be of any length) and
// say so in a last line; the filtering still reads, and keeps, every row.
constexpr int64_t kMaxListingChars = 100'000'000;

// seFilterFromLastOkno and seFilterFromLastHistory.
constexpr int kMatchWindowDefault = 30, kMatchWindowMin = 1, kMatchWindowMax = 9999;
constexpr int kMatchHistoryDefault = 20, kMatchHistoryMin = 1, kMatchHistoryMax = 200;

// The source table as loaded and the rows the last filtering kept. The panel keeps them
// between runs and lotteries; the reports read and fill them.
struct TPastMatchesTables {
  iArray2D SourceTable;    // one candidate per row, rows of any length
  iArray2D FilteredTable;  // the kept rows, in source order
};

// Where the source table came from: the clipboard (or a file in lotrix-cli) or the forecast.
enum class TSourceOrigin { Clipboard = 0, Forecast = 1 };

// The most rows a source table holds (the most the forecast shows): a longer one is not
// loaded, as its listings would not fit in memory.
constexpr int64_t kMaxSourceRows = 1'000'000;

// Both return false, the source table left empty, for a table longer than kMaxSourceRows.
bool LoadSourceFromClipboard(TPastMatchesTables& tables, THost& host);
bool LoadSourceRows(TPastMatchesTables& tables, iArray2D rows);
// The table the forecast's last showing displayed (empty when there was none).
bool LoadSourceFromForecast(TPastMatchesTables& tables, const TCombinationTable& exportTable);
// Why a longer table was not loaded.
QString SourceTooLongMessage();

// The ball sets of the W draws before draw d (d-1 first), compared by bit tests; a draw
// outside the table has no balls.
class TRecentDraws {
public:
  TRecentDraws(const TLottery& lottery, int d, int window);
  // How many of the W draws shared exactly j balls with `row` (a value listed twice counts
  // twice), for j = 0 .. maxMatches; a draw sharing more counts nowhere.
  iArray MatchCounts(const iArray& row, int maxMatches) const;

private:
  struct TBallSet {
    uint64_t Bits[4] = {};
  };
  std::vector<TBallSet> m_draws;
};

// MatchCounts(c, d, m, W): the counts of ball list c before draw d over W draws.
iArray MatchCounts(const TLottery& lottery, const iArray& balls, int d, int maxMatches, int window);

// The match filter: group j holds the allowed values of count j; an empty group allows
// anything.
using TMatchFilter = std::vector<TNumberRanges>;
struct TMatchFilterText {
  TMatchFilter Filter;
  QString Text;  // the groups' normal forms joined by " / ", as the field shows it after a run
};
// Reads the filter text: pieces cut at "/" (the rest after the last "/" only when not empty),
// each piece a signed number list.
TMatchFilterText ReadMatchFilterText(const QString& text);
// Every non-empty group j has a count j, and that count is one of its values.
bool PassesMatchFilter(const iArray& counts, const TMatchFilter& filter);

// The source listing of "из Буфера" / "из Прогноза".
struct TPastMatchesSourceParams {
  TSourceOrigin Origin = TSourceOrigin::Clipboard;
  std::shared_ptr<const TPastMatchesTables> Tables;
  bool TooLong = false;  // the load refused a table longer than kMaxSourceRows
  int64_t MaxListingChars = kMaxListingChars;
};
void ShowPastMatchesSource(const TPastMatchesSourceParams& params, TReportPane& pane);

// The filtering of "Показать": fills Tables->FilteredTable (left as it was when the source
// table is empty).
struct TPastMatchesParams {
  int NextTira = 1;
  int Window = kMatchWindowDefault;
  bool Filter = false;  // checkFilterFromLastFilter
  QString FilterText;   // poleFilterFromLastFilter
  std::shared_ptr<TPastMatchesTables> Tables;
  int64_t MaxListingChars = kMaxListingChars;
};
// False when the host stopped it (FilteredTable is then emptied).
bool ShowPastMatches(const TLottery& lottery, const TPastMatchesParams& params, TReportPane& pane,
                     THost* host = nullptr);

// The match history of the Hh real draws before T.
struct TPastMatchesHistoryParams {
  int NextTira = 1;
  int Window = kMatchWindowDefault;
  int History = kMatchHistoryDefault;
};
void ShowPastMatchesHistory(const TLottery& lottery, const TPastMatchesHistoryParams& params,
                            TReportPane& pane);
