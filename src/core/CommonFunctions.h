#pragma once
// Shared array types and the small value operations every other unit uses:
// list arithmetic, row handling in ragged tables, numbers read out of text,
// tables moved through the clipboard, binomial coefficients.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

class THost;

using iArray = std::vector<int32_t>;
using iArray2D = std::vector<iArray>;  // rows may differ in length
using bArray = std::vector<bool>;
using sArray = QStringList;

// List operations. All treat arrays as values.
int64_t ArraySum(const iArray& a);
iArray ArrayReverse(const iArray& a);
void ArrayReverseInPlace(iArray& a);
// Ascending when `ascending` is 1, descending for any other value; sorts in place and returns it.
iArray& ArraySort(iArray& a, int ascending);
void ArrayAppend(iArray& a, int32_t value);
iArray ArrayConcat(const iArray& a, const iArray& b);
iArray ArrayDropLast(const iArray& a, int n);
iArray ArrayDelete(const iArray& a, int index, int count);
iArray ArrayInsert(const iArray& a, int index, int32_t value);
iArray ArrayCopy(const iArray& a);
void ArrayUnique(iArray& a);  // keeps the first occurrence of each value, in input order
bool ArrayContains(int32_t value, const iArray& a);
// How many elements of a occur in b (repetitions in a count each, repetitions in b add nothing).
int CountCommon(const iArray& a, const iArray& b);

// Row operations on ragged tables.
iArray RowCopy(const iArray2D& table, int row, int first, int dropLast);
void RowAppend(iArray2D& table, const iArray& row);
void RowSet(iArray2D& table, int row, const iArray& values);

// The unsigned decimal runs of a text ('0'..'9' only); runs above 2147483647 are dropped.
iArray ExtractNumbers(QStringView text);
// As ExtractNumbers, but a minus sign right before a run's first digit makes it negative.
iArray ExtractSignedNumbers(QStringView text);
// Splits a text into lines at CR LF, LF or CR.
QStringList SplitLines(QStringView text);
// A fixed-point number with `decimals` digits after the user's decimal separator (Qt's
// correctly rounded formatting, exact ties away from zero: 12.5 → "13").
QString DecimalText(double value, int decimals, QChar separator);
// Row i = ExtractNumbers(line i); rows without numbers are removed.
iArray2D TextToRows(const QStringList& lines);
// The same for the lines of a text, read in place; at most `limit` rows, *more (when given)
// set when the text holds further rows.
iArray2D TextToRows(QStringView text, int64_t limit, bool* more = nullptr);
// Clipboard text of a table: every number followed by one space, lines ended by CR LF.
QString RowsToText(const iArray2D& rows);
iArray2D ClipboardToRows(THost& host);
void RowsToClipboard(const iArray2D& rows, THost& host);

double Factorial(int n);
// C(n, k) as a double; 0 when k > n or when a factorial overflows (n >= 171).
double Binomial(int n, int k);
// C(n, k) exactly, saturating at INT64_MAX; 0 when k < 0 or k > n. Counts of combinations
// use this, since Binomial gives 0 for every n of 171 or more.
int64_t BinomialCount(int n, int k);
// The exact decimal digits of C(n, k), however large ("0" when k < 0 or k > n): the count
// of a space too large for BinomialCount, never a capped value shown as if exact. Its cost
// grows as k times the digits, so it is meant for lottery sizes (n up to a few thousand).
QString BinomialText(int n, int k);
// Nearest integer, halves to the even integer.
int64_t RoundHalfEven(double x);

// Combinations in lexicographic order.
// Replaces the 1-based ascending positions P (values 1..n) by their successor; the last
// combination (n-L+1 .. n) stays unchanged. Returns false when P was the last.
bool NextIndexCombination(iArray& positions, int n);
// Replaces C (values of the ascending source S) by the next combination in the order of
// positions in S; empties C when it was the last.
void NextCombination(iArray& combination, const iArray& source);
// Every combination of k values of S in lexicographic order of positions; k > |S| gives
// none, k = 0 one empty row. Bounded like every table: at most `maxRows` rows.
iArray2D AllCombinations(const iArray& source, int k, int64_t maxRows = 16'000'000);
