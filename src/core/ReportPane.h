#pragma once
// The result pane as a document: lines of text, each with the highlight spans a report
// asked for. Reports write here; renderers turn it into rich text, plain text, ANSI or HTML.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "CommonFunctions.h"

struct TChartModel;
using TCharts = std::vector<TChartModel>;

// A colour as 0xRRGGBB. Black (0) means "leave the text colour" in HighlightSpan.
using TColor = uint32_t;
constexpr TColor clLeave = 0x000000;
constexpr TColor clRed = 0xFF0000;
constexpr TColor clBlue = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLightGrey = 0xE6E6E6;
constexpr TColor clDrawnGreen = 0x258F25;

// A colour number in the Windows order (red in the low byte) as 0xRRGGBB.
constexpr TColor ColorFromWindows(uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// Font styles as a set of flags; the empty set means "leave the style" in HighlightSpan.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

struct THighlight {
  int Column = 0;
  int Length = 0;
  TColor Color = clLeave;       // clLeave: text colour unchanged
  TColor Background = clWhite;  // always set
  TFontStyles Style = 0;        // 0: style unchanged
  bool operator==(const THighlight&) const = default;
};

struct TPaneLine {
  QString Text;
  std::vector<THighlight> Spans;  // applied in order; later spans win
};

class TReportPane {
public:
  void Clear() { m_lines.clear(); }
  int LineCount() const { return static_cast<int>(m_lines.size()); }
  bool IsEmpty() const { return m_lines.empty(); }
  const QString& Line(int index) const { return m_lines[static_cast<size_t>(index)].Text; }
  const std::vector<THighlight>& Spans(int index) const {
    return m_lines[static_cast<size_t>(index)].Spans;
  }
  const std::vector<TPaneLine>& Lines() const { return m_lines; }

  // Adds a line at the end and returns its index.
  int AddLine(const QString& text);
  // Inserts a line before `index` (index = LineCount appends); out of range is ignored.
  void InsertLine(int index, const QString& text);
  // Marks `length` characters of a line from `column` on (clipped to the line): text colour
  // unless clLeave, style unless empty, background always.
  void HighlightSpan(int line, int column, int length, TColor color, TColor background,
                     TFontStyles style);
  // The whole content becomes these lines, without highlights.
  void ReplaceLines(const QStringList& lines);
  // Appends another pane's lines with their highlights.
  void Append(const TReportPane& other);
  // The lines [from, from + count) with their highlights, clipped to the pane.
  TReportPane Slice(int from, int count) const;
  // All lines joined by LF (no trailing LF).
  QString Text() const;
  QStringList Texts() const;

  // The charts the report produced beside its lines (Chart.h), or none.
  std::shared_ptr<const TCharts> Charts;

private:
  std::vector<TPaneLine> m_lines;
};

// Text helpers: pure functions on text; every width counts characters.
QString PadLeft(int width, const QString& text);
QString PadRight(int width, const QString& text);
QString IntPadLeft(int width, int64_t value);
// Appends IntPadLeft(width, value) without a temporary string, for lists of millions.
void AppendIntPadLeft(QString& text, int64_t value, int width);
QString ZeroPad(int width, int64_t value);
// The width of a ball in listings: 3, or 4 where three-digit balls would run together.
inline int BallWidth(int maxBall) { return maxBall >= 100 ? 4 : 3; }
QString RepeatText(int n, const QString& text);
QString GroupThousands(const QString& digits);
QString NumbersToText(int width, const iArray& values);
QStringList TableToLines(const iArray2D& table, int width);
// Position of the first character of the last digit run equal to value; -1 when none.
int FindNumberInLine(int64_t value, QStringView text);

// For every number: the two characters from the first digit of its last whole occurrence
// in `text`, at `columnOffset` + position, in `color`, bold on white.
void HighlightNumbers(const iArray& numbers, int line, int columnOffset, QStringView text,
                      TColor color, TReportPane& pane);
void ShowTable(const iArray2D& table, TReportPane& pane, int width);
