#pragma once
// The export of a table of combinations (the forecast's export table: the table its last
// showing displayed) to a spreadsheet (.xlsx), a document (.docx) or the clipboard text, with
// the limits and messages of the export commands. Files are written whole or not at all.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/AtomicWrite.h"
#include "core/CombinationTable.h"
#include "core/CommonFunctions.h"
#include "core/Host.h"

enum class TExportTarget { Spreadsheet = 1, Document = 2, Clipboard = 3 };

constexpr int64_t kMaxFileExportRows = 2'000;           // spreadsheet and document
constexpr int64_t kMaxClipboardExportRows = 1'000'000;  // the clipboard

// The message that refuses an export of `rows` rows to the target, or nothing when it goes.
std::optional<QString> ExportRefusal(TExportTarget target, int64_t rows, const QString& language);
QString ClipboardExportedMessage(const QString& language);

// The target a file name asks for: ".xlsx" a spreadsheet, ".docx" a document, anything else
// the clipboard text written as a file.
TExportTarget ExportTargetOfPath(const QString& path);
// "<lottery> forecast <T>.xlsx" (or ".docx") in the user's documents folder.
QString ProposedExportPath(const QString& lotteryName, int nextTira, TExportTarget target);

// One worksheet, row r + 1 and column c + 1 holding element c of row r as a number.
TWriteOutcome WriteXlsx(const QString& path, const iArray2D& rows);
// One table of R rows and as many columns as row 0 has elements (more where a later row is
// longer), each cell the element in plain decimal.
TWriteOutcome WriteDocx(const QString& path, const iArray2D& rows);
// The table to a file of the path's target (the clipboard text for any other name).
TWriteOutcome WriteExportFile(const QString& path, const iArray2D& rows);
// Why a write failed, naming the file (both languages).
QString ExportWriteFailedMessage(const QString& language, const QString& path,
                                 const QString& reason);

// The export command of the window: the refusal message; or the clipboard text and its
// message; or the save dialog proposing `proposedPath`, the file written (a failure names the
// file and the reason) and opened with the desktop's application. True when exported.
bool ExportRows(TExportTarget target, const iArray2D& rows, const QString& proposedPath,
                const QString& language, THost& host);
// The same for the forecast's export table, refused before it is copied.
bool ExportTable(TExportTarget target, const TCombinationTable& table, const QString& proposedPath,
                 const QString& language, THost& host);
