#pragma once
// The report pane as a rich-text document for RichEditShowResult, built in one pass. The
// document has no parent and may be built on a worker thread; the caller moves it to the
// GUI thread before the view takes it.

#include <QFont>
#include <atomic>
#include <memory>

#include "core/ReportPane.h"

class QTextDocument;

// The pane's font: "Courier New" 8 points, or the system's fixed-pitch font when it is
// missing.
QFont ResultPaneFont();

// Lines in order, every styled run with exactly its colour, background and style; runs
// without a highlight in the default look. Returns nullptr when `cancel` is set meanwhile.
std::unique_ptr<QTextDocument> BuildPaneDocument(const TReportPane& pane,
                                                 const std::atomic<bool>* cancel = nullptr);
