#pragma once
// lotrix-cli report ... --format pdf --output FILE (and svg, the chart): the pane laid out as the
// window prints it (its HTML form in a text document, A4 pages) and written atomically. The PDF
// needs the GUI module's fonts, so main starts a GUI application (offscreen) for this format only.

#include <QString>
#include <optional>

#include "core/Chart.h"
#include "core/ReportPane.h"

// Whether the arguments ask for the PDF format ("--format pdf" or "--format=pdf").
bool WantsPdf(int argc, char** argv);
// Exit code: 0 written; 1 refused (more than 100,000 lines) or failed, said on stderr.
int WritePanePdf(const TReportPane& pane, const QString& path);

// --format svg --output FILE: the report's chart as SVG; exit 2 when the report has none.
int WriteChartSvg(const TCharts& charts, const QString& report, const QString& path);
