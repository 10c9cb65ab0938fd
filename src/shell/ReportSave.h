#pragma once
// The report in the result pane saved as a file (HTML with its colours, plain text, PDF, or
// its charts as SVG) or printed: File → "Save report as…" and "Print…".

#include <QString>

#include "core/AtomicWrite.h"
#include "core/Chart.h"

class QTextDocument;

enum class TReportFormat { Html, Text, Pdf, Svg };

// ".pdf" a PDF, ".txt" (or ".text") plain text, ".svg" the charts, anything else HTML.
TReportFormat ReportFormatOfPath(const QString& path);
// Writes the document (or, for ".svg", the report's charts) in the path's format, atomically.
TWriteOutcome SaveReport(const QTextDocument& document, const TCharts& charts, const QString& path,
                         const QString& language);
// The messages of the commands.
QString NoReportMessage(const QString& language);
QString ReportNotWrittenMessage(const QString& language, const QString& path,
                                const QString& reason);
