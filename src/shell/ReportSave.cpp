#include "ReportSave.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <memory>

#include "core/Lottery.h"
#include "pdf/DocumentPdf.h"

using namespace Qt::StringLiterals;

TReportFormat ReportFormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"pdf"_s) return TReportFormat::Pdf;
  if (suffix == u"txt"_s || suffix == u"text"_s) return TReportFormat::Text;
  if (suffix == u"svg"_s) return TReportFormat::Svg;
  return TReportFormat::Html;
}

TWriteOutcome SaveReport(const QTextDocument& document, const TCharts& charts, const QString& path,
                         const QString& language) {
  switch (ReportFormatOfPath(path)) {
    case TReportFormat::Html:
      return WriteFileAtomically(path, document.toHtml().toUtf8());
    case TReportFormat::Text:
      return WriteFileAtomically(path, document.toPlainText().toUtf8());
    case TReportFormat::Svg:
      if (charts.empty())
        return {false, IsRussian(language)
                           ? u"У этого отчёта нет графика: сохраните его как HTML, текст или PDF."_s
                           : u"This report has no chart: save it as HTML, text or PDF."_s};
      return WriteFileAtomically(path, RenderChartSvg(charts).toUtf8());
    case TReportFormat::Pdf:
      break;
  }
  if (document.blockCount() > kMaxPdfLines)
    return {false, IsRussian(language)
                       ? u"Отчёт длиннее 100 000 строк не сохраняется в PDF: сохраните его как "
                         u"HTML или текст."_s
                       : u"A report of more than 100,000 lines is not saved as PDF: save it as "
                         u"HTML or text."_s};
  const std::unique_ptr<QTextDocument> copy(document.clone());  // print() lays out its own pages
  return WriteFileAtomically(path, DocumentPdf(*copy, QFileInfo(path).completeBaseName()));
}

QString NoReportMessage(const QString& language) {
  return IsRussian(language) ? u"Окно результатов пусто: сохранять и печатать нечего."_s
                             : u"The result pane is empty: there is no report to save or print."_s;
}

QString ReportNotWrittenMessage(const QString& language, const QString& path,
                                const QString& reason) {
  return (IsRussian(language) ? u"Отчёт не удалось записать в файл \""_s
                              : u"The report could not be written to the file \""_s) +
         QDir::toNativeSeparators(path) + u"\"\r"_s + reason;
}
