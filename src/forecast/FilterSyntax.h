#pragma once
// The text syntax of the forecast's filter fields: number lists with ranges ("1 .. 4",
// "9 .. 3", "3.5"), first/last pairs split by "/", and three-digit codes ("212  0XX").
// The Read...Edit forms return the parsed value and rewrite the field in its normal form.

#include <QString>

#include "core/CommonFunctions.h"
#include "core/NumberList.h"

// Ranges of the filter fields never reach past this value: no filter value can be larger
// (the largest sum of a lottery is below 33,000).
inline constexpr int32_t kMaxRangeValue = 99'999;

// The number list of a filter field: ranges cut at kMaxRangeValue.
inline iArray ParseNumberList(const QString& text, bool* rangeCut = nullptr) {
  return ParseNumberList(QStringView(text), rangeCut, kMaxRangeValue);
}
iArray ReadNumberListEdit(QString& field, bool* rangeCut = nullptr);
// Row 0: allowed first balls, row 1: allowed last balls (further rows are ignored by callers).
iArray2D ReadFirstLastEdit(QString& field, bool* rangeCut = nullptr);
// Three values, each a digit or -1 (any) for any other character or a missing position.
iArray ParseWinCode(QStringView token);
iArray2D ReadWinCodeEdit(QString& field);
// The message shown once when a field's range was cut.
QString RangeCutMessage(bool russian);
