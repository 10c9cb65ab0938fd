#pragma once
// Skips and fotons: a foton is a group of 1 to 4 balls with a threshold (Porog); it flashes in
// a draw when at least Porog of its balls are drawn. A flash is every foton of one kind over a
// set of source balls. For each foton: its skip (how many draws ago it last flashed), its
// series and whether it flashes in the analysed draw. Fotons are kept compact (no strings:
// only the lines written are formatted) and flashes are found with bit masks of the draws.

#include <QChar>

#include "core/CommonFunctions.h"
#include "core/Lottery.h"
#include "core/NumberList.h"
#include "core/ReportPane.h"

class THost;
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// FotonType = 10 x Porog + FotonSize; the items of cbSkipsDrop in their order.
inline constexpr int kFotonKinds[7] = {11, 22, 33, 44, 23, 24, 34};
inline constexpr const char16_t* kFotonKindNames[7] = {
    u"Single", u"Double", u"Triple", u"Four", u"Drop 2.3", u"Drop 2.4", u"Drop 3.4"};
inline constexpr int kDefaultFotonKind = 22;  // "Double"
// FotonSize and Porog of a code; any code outside the recognised ones gives 0 and 0.
struct TFotonKind {
  int Size = 0, Porog = 0;
};
TFotonKind FotonKindOf(int fotonType);
// The code of a kind's name ("Drop 2.3" or "Drop2.3"); 0 for no kind.
int FotonTypeOfName(QStringView name);

struct TOtborFlash {
  int Next = 1;  // the draw before which the history is examined
  int Okno = 0;  // draws in the series
  int FotonType = kDefaultFotonKind;
  bool StepsOn = false, StepsSort = false, SeriesOn = false;
};

struct TFoton {
  std::array<uint8_t, 4> Quantums{};  // the balls, ascending (FotonSize of them)
  int Skip = 0;  // 1: flashed in Next - 1; k: newest flash in Next - k; 0: never before Next
  int Index = 0, IndexSort = 0;
  bool Win = false;
  bool FilterOn = true;
};

// The draws of a lottery as one bit mask per ball, over the draw table's rows.
class TDrawMasks {
public:
  explicit TDrawMasks(const TLottery& lottery);
  // The skip of a foton with respect to draw next (see TFoton::Skip).
  int Skip(const TFoton& foton, TFotonKind kind, int64_t next) const;
  // How many of the foton's balls draw d holds (0 outside the table).
  int Count(const TFoton& foton, TFotonKind kind, int64_t d) const;
  bool InTable(int64_t d) const { return d >= m_first && d < m_first + m_rows; }
  // How many draws of the table come before draw d.
  int64_t RowsBefore(int64_t d) const { return std::clamp<int64_t>(d - m_first, 0, m_rows); }

private:
  int64_t m_first = 1, m_rows = 0;
  size_t m_words = 0;
  std::vector<std::vector<uint64_t>> m_ball;  // m_ball[b]: bit r set when row r holds ball b
};

class TFlash {
public:
  TOtborFlash Otbor;
  std::vector<TFoton> Fotons;
  // Every FotonSize-combination of the source balls, in lexicographic order.
  void Rebuild(iArray source);
  // The skip of every foton with respect to Otbor.Next.
  void Refresh(const TDrawMasks& masks);
  void SetWin(const iArray& result);
  // Display order by skip ascending, never-flashed last, ties in foton order.
  void SortBySkip();
  TFotonKind Kind() const { return FotonKindOf(Otbor.FotonType); }
};

// The balls of a foton, each in 3 characters (4 from MaxBall 100 on), padded to 15.
QString QuantumsText(const TFoton& foton, TFotonKind kind, int maxBall);
// The series over Okno draws before Next as text: "." for 0, else the count; a space after
// every tenth entry. Stops at the first draw outside the table.
QString SeriesText(const TFoton& foton, TFotonKind kind, const TDrawMasks& masks,
                   const TOtborFlash& otbor);

inline constexpr int kSkipsHistoryDefault = 100, kSkipsHistoryMin = 1, kSkipsHistoryMax = 9999;
// The most lines a skip list writes and its most characters (200 MB as text): a longer list
// ends with a line that says how to narrow it.
inline constexpr int64_t kMaxSkipListLines = 1'000'000;
inline constexpr int64_t kMaxSkipListChars = 100'000'000;

// PanelSkips as a parameter record, for the skip list.
struct TSkipsParams {
  int NextTira = 1;                    // T
  int History = kSkipsHistoryDefault;  // seSkipsHistory
  int FotonType = kDefaultFotonKind;   // cbSkipsDrop
  bool Sort = false;                   // checkSkipsLastSort
  bool Filtered = false;               // checkSkipsLastFiltered
  QString Filter;                      // poleSkipsLastFilter
  QString AvailableBalls;              // poleSharyEnable
};
// The skip frequency.
struct TSkipsFrequencyParams {
  int NextTira = 1;
  int History = kSkipsHistoryDefault;
  int FotonType = kDefaultFotonKind;
  bool Show20 = false;  // cbSkipsFreqShow20
  bool Sort = false;    // cbSkipsFreqSort
  QChar DecimalSeparator = QLatin1Char('.');
};
// The Test panel's flash listing (btnTest001).
struct TFlashListingParams {
  int NextTira = 1;
  int FotonType = kDefaultFotonKind;  // comboTest01
  QString AvailableBalls;
};
// Parsec (btnSkipsParsec): the history length derived from the lottery and the kind.
struct TParsecParams {
  int FotonType = kDefaultFotonKind;
  int History = kSkipsHistoryDefault;  // the spin edit's value before the button
};

// The long reports tell the host their progress every few thousand fotons and stop early when
// it asks them to (the pane is then incomplete; the caller discards it).
void ShowSkipsList(const TLottery& lottery, const TSkipsParams& params, TReportPane& pane,
                   THost* host = nullptr);
void ShowSkipsFrequency(const TLottery& lottery, const TSkipsFrequencyParams& params,
                        TReportPane& pane, THost* host = nullptr);
void ShowFlashListing(const TLottery& lottery, const TFlashListingParams& params,
                      TReportPane& pane);
// V = 10 x C(N, p) / C(K, p) (as the Part's four binomials), divided by 10 up to twice while
// 1000 or more, then kept within the spin edit's 1 .. 9999; 0 when there is none.
int SkipsParsec(const TLottery& lottery, int fotonType);
// The spin edit's value after the button: V when it is above 0, else as it was.
int ParsecHistory(const TLottery& lottery, const TParsecParams& params);
void ShowParsec(const TLottery& lottery, const TParsecParams& params, TReportPane& pane);
