#pragma once
// The open lottery: its definition (balls per draw, highest ball) read from the draws file
// name, and its history (the draw table) read from the file's content. Also the loading,
// checking, writing and saving of that history, and the list of available balls.
//
// Nothing here is global: the controller and the CLI own a TLottery each and pass it on.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <span>
#include <vector>

#include "CommonFunctions.h"

class THost;

inline constexpr auto kProgramTitle = u"Lotrix 2.98.2";

// The highest ball number the program handles. Ball sets are kept in 8-bit values, so a
// file name that asks for a larger MaxBall does not give a valid lottery.
inline constexpr int kMaxBallLimit = 255;

// Bounds of the draws file reader, so that no file can exhaust memory. A real history is a
// few hundred kilobytes; a file beyond either bound is not read (the load fails).
inline constexpr int64_t kMaxDrawsFileBytes = 128LL * 1024 * 1024;
inline constexpr int64_t kMaxDrawRows = 2'000'000;

// Messages and captions are Russian when the language is "rus", English otherwise.
bool IsRussian(const QString& language);

class TLottery {
public:
  int BallsInDraw = 0;  // K
  int MaxBall = 0;      // N
  int LottoClass = 0;   // 1 for N in 40..50, 2 for N in 30..39, otherwise 0
  iArray2D Tirazhi;     // rows [draw number, ball 1 .. ball K] in file order
  int FirstTira = 1;    // draw number of the first row (1 when empty)
  int NewTira = 1;      // draw number of the last row + 1 (1 when empty)
  QString Name;         // the draws file name without folder and last extension

  // Reads K and N from the first two numbers of the file name. Returns IsValid(); when the
  // name gives no valid lottery, K and N are set to 0 so nothing can be loaded with them.
  bool ReadLotteryFromFileName(const QString& path);
  // K > 0, N > 0, K < N and N <= kMaxBallLimit.
  bool IsValid() const;
  // "Lotrix 2.98.2 -- Lottery "Name"".
  QString WindowCaption() const;
  void UpdateLottoClass();
  // FirstTira and NewTira from the table (both 1 when it is empty).
  void SetDrawRange();
  // The balls of draw n in file order; empty outside the table.
  iArray DrawBalls(int n) const;
  // The same balls without a copy, for loops over long histories; valid while Tirazhi is.
  std::span<const int32_t> DrawBallsView(int64_t n) const;
  // How many of the values occur among the balls of draw n (a value listed twice counts twice).
  int CountHitsInDraw(const iArray& values, int n) const;
};

// Why a file name gives no valid lottery, or None.
enum class TFileNameFault {
  None,
  FewerThanTwoNumbers,
  ZeroNumber,
  BallsNotBelowMax,
  MaxBallTooLarge
};
TFileNameFault FileNameFault(const QString& path);
// The file-name error message, with a line that says which part of the rule the name breaks.
QString FileNameErrorMessage(const QString& language, const QString& path);

// The draw rows of a text and the rows that lost a number above 2147483647 (dropped, as
// every reader of numbers drops it), so that a fault on such a line can say why.
struct TDrawRows {
  iArray2D Rows;
  std::vector<int64_t> RowsWithTooLargeNumbers;  // row indexes, ascending
};

// Checks a draw table against a lottery: consecutive draw numbers, exactly K balls per row,
// every ball in 1..N, no repeated ball. The first fault's message goes to the host (with a
// line about a too-large number when its row lost one). An empty table is invalid without
// a message. Linear in the size of the table.
bool ValidateDraws(const iArray2D& table, int ballsInDraw, int maxBall, const QString& language,
                   THost& host, std::span<const int64_t> rowsWithTooLargeNumbers = {});

// The written form of a table: per row the draw number right-aligned in 5 characters,
// 3 spaces, each ball right-aligned in 4 characters; every line ended by CR LF. Rows without
// elements give no line. Sorted: the balls of each row in ascending order (the ordered view).
enum class TBallOrder { AsDrawn, Sorted };
QString ShowDraws(const iArray2D& table, TBallOrder order = TBallOrder::AsDrawn);
// Appends the written form of rows first..end-1 with the given line end, for callers that
// stream a long history instead of holding its whole text.
void AppendDraws(QString& out, const iArray2D& table, size_t first, size_t end, TBallOrder order,
                 QStringView lineEnd);
// The same rows with the balls of each sorted ascending, the draw number still first.
iArray2D OrderedDraws(const iArray2D& table);

// The draw rows of a text: per line its unsigned decimal numbers, lines without numbers
// dropped (the same reading as TextToRows of the text's lines). Linear; never holds more
// than the rows themselves.
TDrawRows ReadDrawRows(QStringView text);

// The most characters a draws editor holds. A text editor costs about 1 KB per line, so
// the two editors of a 2,000,000-draw history would take gigabytes; a longer history is
// shown by its newest draws that fit, read-only (the analyses still read all of it).
inline constexpr int64_t kMaxEditorChars = 20'000'000;

struct TDrawsTexts {
  QString MemoTirazhi;    // the rows read, in written form (also when they are faulty)
  QString MemoTirazhiUp;  // the ordered view; empty when the rows are faulty
  int64_t Rows = 0;       // rows read
  int64_t ShownRows = 0;  // the newest rows the texts hold: all unless beyond kMaxEditorChars
  bool Partial() const { return ShownRows < Rows; }
};
// Said when the editors show only the newest draws of a long history.
QString PartialEditorMessage(const QString& language, int64_t rows, int64_t shownRows);

// What a load leaves besides lottery.Tirazhi: the rows of a faulty file, which the draws
// editor shows for correction. The editor texts are made only by whoever shows them: the
// two texts of a long history take more memory than its table.
struct TDrawsLoad {
  iArray2D FaultyRows;
  TDrawsTexts Texts(const TLottery& lottery) const;
};

// Loads and checks the draws file into lottery.Tirazhi (emptied when the check fails).
// Messages: file not found, not a plain-text file, unreadable, beyond the size or row bound,
// the first fault, load failed.
TDrawsLoad LoadDraws(TLottery& lottery, const QString& path, const QString& language, THost& host);

enum class TSaveOutcome {
  Invalid,     // the text failed the check: not-saved message; the file and Tirazhi untouched
  Saved,       // written (to path or to the file chosen in the save dialog); saved message
  NotWritten,  // valid, but neither path nor a dialog choice could be written
};

// Checks the editor's text and writes it unchanged to path (atomically); when that fails,
// says which file and why, and asks for another file with the save dialog. A failed write
// never replaces a file. The caller re-opens the lottery only on Saved.
TSaveOutcome SaveDraws(TLottery& lottery, const QString& memoText, const QString& path,
                       const QString& language, THost& host);

// The question asked before edits in the draws editor would be replaced by another opening
// (Save, Discard or Cancel).
QString UnsavedDrawsQuestion(const QString& language);

// The text a save writes from the draws editor's plain text: its lines, each ended by CR LF
// as a memo writes them (the empty piece after a last line end gives no line).
QString EditorTextForSave(const QString& plainText);

// The available balls named in a field: numbers in 1..maxBall, repeats dropped, ascending;
// all balls 1..maxBall when none remain. rewrittenField (when given) receives the list in
// the field's form, so the field always shows the list that was used.
iArray AvailableBalls(const QString& fieldText, int maxBall, QString* rewrittenField);
// A space, then every value followed by a space: " 3 7 12 ".
QString ShowNumbersInEdit(const iArray& values);
