#pragma once
// The number-list syntax of the filter and interval fields: runs of digits are numbers, a
// full stop ends a piece, and between the last number of one piece and the first of the next
// every whole number is included ("1 .. 4", "9 ... 3", "3.5").

#include <QString>
#include <QStringView>
#include <cstdint>
#include <utility>
#include <vector>

#include "CommonFunctions.h"

// Distinct ascending values of a number list. Ranges never reach past rangeMax (an unbounded
// range such as 1 .. 2000000000 would otherwise cost gigabytes); *rangeCut is set when one
// was cut. Numbers written out in full are kept whatever their size.
iArray ParseNumberList(QStringView text, bool* rangeCut, int32_t rangeMax);
// Every value preceded by a space; a run of three or more consecutive values as its first,
// " ...", and its last (" 1 ... 4 7").
QString FormatNumberList(const iArray& values);

// A signed number list kept as ranges, never enumerated: "-2000000000 .. 2000000000" is one
// range. The text is read as ParseNumberList reads it, but a minus sign right before a run of
// digits makes it negative.
class TNumberRanges {
public:
  static TNumberRanges Parse(QStringView text);
  bool IsEmpty() const { return m_ranges.empty(); }
  bool Contains(int64_t value) const;
  // FormatNumberList of the values, written from the ranges.
  QString Format() const;

private:
  std::vector<std::pair<int64_t, int64_t>> m_ranges;  // disjoint, not touching, ascending
};
