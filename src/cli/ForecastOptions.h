#pragma once
// The forecast panel's fields as options, shared by `forecast` and `backtest`: the available
// balls, the six filters (an option ticks its filter with that text) and the repeatable
// "--any-range I TEXT WINTEXT".

#include <QCommandLineParser>
#include <QStringList>

#include "forecast/Prognoz.h"

extern const QString kAnyRangeHelp;

// Takes every "--any-range I TEXT WINTEXT" out of the arguments (the parser knows options of
// one value only) into the fields. False, with the reason on stderr, for a malformed one.
bool TakeAnyRanges(const QString& command, QStringList& arguments, TPrognozFields& fields);
void AddFilterOptions(QCommandLineParser& parser);
// The ticked filters of the options into the fields; the available balls' text.
void ReadFilterOptions(const QCommandLineParser& parser, TPrognozFields& fields,
                       QString& availableBalls);
