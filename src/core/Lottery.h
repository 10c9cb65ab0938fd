#pragma once
// The open lottery: its definition (balls per draw, highest ball) read from the draws file
// name, and its history (the draw table) read from the file's content. Also the loading,
// checking, writing and saving of that history, and the list of available balls.
//
// Nothing here is global: the controller and the CLI own a TLottery each and pass it on.

#include <QString>

#include <span>
#include <QStringView>
#include <cstdint>

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

QString FileNameErrorMessage(const QString& language);

// Checks a draw table against a lottery: consecutive draw numbers, exactly K balls per row,
// every ball in 1..N, no repeated ball. The first fault's message goes to the host. An empty
// table is invalid without a message. Linear in the size of the table.
bool ValidateDraws(const iArray2D& table, int ballsInDraw, int maxBall, const QString& language,
                   THost& host);

// The written form of a table: per row the draw number right-aligned in 5 characters,
// 3 spaces, each ball right-aligned in 4 characters; every line ended by CR LF. Rows without
// elements give no line.
QString ShowDraws(const iArray2D& table);
// The same rows with the balls of each sorted ascending, the draw number still first.
iArray2D OrderedDraws(const iArray2D& table);

// The draw rows of a text: per line its unsigned decimal numbers, lines without numbers
// dropped (the same reading as TextToRows of the text's lines). Linear; never holds more
// than the rows themselves.
iArray2D ReadDrawRows(QStringView text);

struct TDrawsTexts {
  QString MemoTirazhi;    // the rows read, in written form (also when they are faulty)
  QString MemoTirazhiUp;  // the ordered view; empty when the rows are faulty
};

// Loads and checks the draws file into lottery.Tirazhi (emptied when the check fails) and
// returns the texts of the two draw editors. Messages: file not found, the first fault,
// load failed.
TDrawsTexts LoadDraws(TLottery& lottery, const QString& path, const QString& language, THost& host);

enum class TSaveOutcome {
  Invalid,     // the text failed the check: Tirazhi emptied, not-saved message, file untouched
  Saved,       // written (to path or to the file chosen in the save dialog); saved message
  NotWritten,  // valid, but neither path nor a dialog choice could be written
};

// Checks the editor's text and writes it unchanged to path (atomically); when that fails,
// asks for another file with the save dialog. The caller re-opens the lottery only on Saved.
TSaveOutcome SaveDraws(TLottery& lottery, const QString& memoText, const QString& path,
                       const QString& language, THost& host);

// The available balls named in a field: numbers in 1..maxBall, repeats dropped, ascending;
// all balls 1..maxBall when none remain. rewrittenField (when given) receives the list in
// the field's form, so the field always shows the list that was used.
iArray AvailableBalls(const QString& fieldText, int maxBall, QString* rewrittenField);
// A space, then every value followed by a space: " 3 7 12 ".
QString ShowNumbersInEdit(const iArray& values);
