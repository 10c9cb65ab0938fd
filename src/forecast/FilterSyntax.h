#pragma once
// The text syntax of the forecast's filter fields: number lists with ranges ("1 .. 4",
// "9 .. 3", "3.5"), first/last pairs split by "/", and three-digit codes ("212  0XX").
// The Read...Edit forms return the parsed value and rewrite the field in its normal form.

#include <QString>

#include "core/CommonFunctions.h"

// Ranges never reach past this value: no filter value can be larger (the largest sum of a
// lottery is below 33,000), and an unbounded range such as 1 .. 2000000000 would otherwise
// cost gigabytes. Numbers written out in full are kept whatever their size.
inline constexpr int32_t kMaxRangeValue = 99'999;

// Distinct ascending values of a number list; *rangeCut is set when a range was cut at
// kMaxRangeValue.
iArray ParseNumberList(const QString& text, bool* rangeCut = nullptr);
QString FormatNumberList(const iArray& values);
iArray ReadNumberListEdit(QString& field, bool* rangeCut = nullptr);
// Row 0: allowed first balls, row 1: allowed last balls (further rows are ignored by callers).
iArray2D ReadFirstLastEdit(QString& field, bool* rangeCut = nullptr);
// Three values, each a digit or -1 (any) for any other character or a missing position.
iArray ParseWinCode(QStringView token);
iArray2D ReadWinCodeEdit(QString& field);
// The message shown once when a field's range was cut.
QString RangeCutMessage(bool russian);
