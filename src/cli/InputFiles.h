#pragma once
// Inputs of lotrix-cli other than the draws file: a table of rows read as the clipboard text
// is read (one row per line that holds a number), and the generator seed.

#include <QCommandLineParser>
#include <QString>
#include <cstdint>
#include <optional>

#include "core/CommonFunctions.h"

// The rows of a text file, or of standard input for "-"; bounded like a draws file (128 MB,
// 2,000,000 rows). Nothing, with the reason on stderr, when it cannot be read.
std::optional<iArray2D> ReadRowsFile(const QString& path);

// --seed S: nothing when not given; *ok false (said on stderr) for no whole number.
std::optional<uint64_t> SeedOption(const QCommandLineParser& parser, bool* ok);
