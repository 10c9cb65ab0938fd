#pragma once
// The number-list syntax of the filter and interval fields: runs of digits are numbers, a
// full stop ends a piece, and between the last number of one piece and the first of the next
// every whole number is included ("1 .. 4", "9 ... 3", "3.5").

#include <QString>
#include <QStringView>

#include "CommonFunctions.h"

// Distinct ascending values of a number list. Ranges never reach past rangeMax (an unbounded
// range such as 1 .. 2000000000 would otherwise cost gigabytes); *rangeCut is set when one
// was cut. Numbers written out in full are kept whatever their size.
iArray ParseNumberList(QStringView text, bool* rangeCut, int32_t rangeMax);
// Every value preceded by a space; a run of three or more consecutive values as its first,
// " ...", and its last (" 1 ... 4 7").
QString FormatNumberList(const iArray& values);
