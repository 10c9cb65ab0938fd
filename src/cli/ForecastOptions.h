#pragma once
// What `forecast` and `backtest` share: the forecast panel's fields as options (the available
// balls, the six filters, an option ticking its filter with that text, and the repeatable
// "--any-range I TEXT WINTEXT"), and the opening of a lottery the forecast is offered for.

#include <QCommandLineParser>
#include <QStringList>

#include "LotteryLoader.h"
#include "forecast/Prognoz.h"

extern const QString kAnyRangeHelp;

// Takes every "--any-range I TEXT WINTEXT" out of the arguments (the parser knows options of
// one value only) into the fields. False, with the reason on stderr, for a malformed one.
bool TakeAnyRanges(const QString& command, QStringList& arguments, TPrognozFields& fields);
void AddFilterOptions(QCommandLineParser& parser);
// The ticked filters of the options into the fields; the available balls' text.
void ReadFilterOptions(const QCommandLineParser& parser, TPrognozFields& fields,
                       QString& availableBalls);
// Opens the draws file into `loaded`: 0, or 1 with the reason on stderr for a file that does
// not load or a lottery of 100,000,000 combinations or more (the desktop offers no forecast).
int LoadForecastLottery(const QString& command, const QString& path, const QString& language,
                        TConsoleHost& host, TLoadedLottery& loaded);
