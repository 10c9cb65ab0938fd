// The controller's commands on what the window shows: the report saved or printed as it
// stands in the pane, the forecast's shown table exported, and the backtest of the forecast
// panel's filters.
#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>

#include "Controller.h"
#include "PanelPrognoz.h"
#include "PanelShowResult.h"
#include "ReportSave.h"
#include "WidgetHost.h"
#include "mainForm.h"

using namespace Qt::StringLiterals;

void TController::CmdSaveReport() {
  const QTextDocument* document = m_form.PanelShowResult->RichEditShowResult->document();
  if (document->isEmpty()) {
    m_host.ShowMessage(NoReportMessage(m_language));
    return;
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString proposed = QDir(folder.isEmpty() ? QDir::homePath() : folder)
                               .filePath(m_lottery.Name + u" report.html"_s);
  const TCharts& charts = m_form.PanelShowResult->Charts();
  const QString path =
      m_host.AskSaveFileAs(proposed, u"HTML (*.html *.htm);;Text (*.txt);;PDF (*.pdf)"_s +
                                         (charts.empty() ? QString() : u";;SVG (*.svg)"_s));
  if (path.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TWriteOutcome outcome = SaveReport(*document, charts, path, m_language);
  QApplication::restoreOverrideCursor();
  if (!outcome.Written)
    m_host.ShowMessage(ReportNotWrittenMessage(m_language, path, outcome.Reason));
}

void TController::CmdPrintReport() {
  QTextDocument* document = m_form.PanelShowResult->RichEditShowResult->document();
  if (document->isEmpty()) {
    m_host.ShowMessage(NoReportMessage(m_language));
    return;
  }
  QPrinter printer;
  if (!m_host.AskPrinter(printer)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  document->print(&printer);
  QApplication::restoreOverrideCursor();
}

void TController::CmdBacktest() {
  TPanelPrognoz* panel = m_form.Panel<TPanelPrognoz>();
  RunPanelJob(panel, [panel](const TPanelContext& context) { return panel->BacktestJob(context); });
}

void TController::ExportForecast(TExportTarget target) {
  // The table the forecast's last showing displayed; empty when nothing was shown.
  const TMainPrognoz& prognoz = m_forecast->MainPrognoz;
  ExportTable(target, prognoz.ExportTable,
              ProposedExportPath(m_lottery.Name, prognoz.NextTira, target), m_language, m_host);
}
