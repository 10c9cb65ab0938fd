#include "PdfOutput.h"

#include <QTextDocument>
#include <cstring>

#include "Command.h"
#include "core/AtomicWrite.h"
#include "core/ReportRender.h"
#include "pdf/DocumentPdf.h"
#include "reports/Reports.h"

using namespace Qt::StringLiterals;

bool WantsPdf(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--format=pdf") == 0) return true;
    if (std::strcmp(argv[i], "--format") == 0 && i + 1 < argc &&
        std::strcmp(argv[i + 1], "pdf") == 0)
      return true;
  }
  return false;
}

int WritePanePdf(const TReportPane& pane, const QString& path) {
  if (pane.LineCount() > kMaxPdfLines) {
    Err() << "lotrix-cli: a report of more than 100,000 lines is not written as PDF (this one "
             "has "
          << pane.LineCount() << "); use --format html or text\n"
          << Qt::flush;
    return kExitInvalidData;
  }
  QTextDocument document;
  document.setHtml(RenderHtml(pane));
  const TWriteOutcome outcome = WriteFileAtomically(path, DocumentPdf(document, u"Lotrix"_s));
  if (outcome.Written) return kExitOk;
  Err() << "lotrix-cli: " << path << ": " << outcome.Reason << '\n' << Qt::flush;
  return kExitInvalidData;
}

int WriteChartSvg(const TCharts& charts, const QString& report, const QString& path) {
  if (charts.empty()) {
    const TReportDef* def = FindReport(report);
    if (def != nullptr && def->Charted) {  // e.g. intervals that hold no ball
      Err() << "lotrix-cli report " << report << ": these parameters give nothing to chart\n"
            << Qt::flush;
      return kExitInvalidData;
    }
    QStringList charted;
    for (const TReportDef& each : ReportDefs())
      if (each.Charted) charted.append(QString::fromUtf16(each.Name));
    Err() << "lotrix-cli report " << report
          << ": this report has no chart (these have: " << charted.join(u", "_s) << ")\n"
          << Qt::flush;
    return kExitUsage;
  }
  const TWriteOutcome outcome = WriteFileAtomically(path, RenderChartSvg(charts).toUtf8());
  if (outcome.Written) return kExitOk;
  Err() << "lotrix-cli: " << path << ": " << outcome.Reason << '\n' << Qt::flush;
  return kExitInvalidData;
}
