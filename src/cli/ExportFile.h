#pragma once
// The export of lotrix-cli: a table to a file whose name gives its form (.xlsx a workbook,
// .docx a document, anything else the clipboard text), with the window's limits and
// messages on stderr.

#include <QString>
#include <functional>

#include "core/CommonFunctions.h"

// Exit code: 0 written; 1 refused (the limit's message) or failed (the file and the reason).
// `rows` is called only once the row count has passed the limits.
int ExportToFile(int64_t rowCount, const std::function<iArray2D()>& rows, const QString& path,
                 const QString& language);
