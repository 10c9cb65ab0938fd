// The forecast commands of the controller: "New" and "Show" of PanelMain run the engine's
// RunForecast / ShowForecast in the background job, with the progress bar and Cancel, and
// the fields the run read are written back in their normal form when it has ended.
#include <QApplication>
#include <QLineEdit>

#include "Controller.h"
#include "PanelMain.h"
#include "PanelPrognoz.h"
#include "PanelShowResult.h"
#include "core/ReportPane.h"
#include "mainForm.h"

using namespace Qt::StringLiterals;

void TController::RunForecastCommand() {
  if (m_work->IsRunning()) {
    QApplication::beep();
    return;
  }
  // The parameters travel with the job, which rewrites the texts it read in normal form.
  auto params = std::make_shared<TForecastParams>();
  m_form.PanelMain->FillForecastParams(*params);
  params->Fields = m_form.Panel<TPanelPrognoz>()->Fields();
  params->Language = m_language;
  // "New" discards the previous forecast; the job fills the new one, which nothing else
  // touches while it runs (every other command is refused meanwhile).
  m_forecast = std::make_shared<TForecastState>();
  std::shared_ptr<TForecastState> state = m_forecast;
  const TLottery* lottery = &m_lottery;
  const int nextTira = params->NextTira;

  const bool started = RunReport(
      [lottery, params, state](THost& host, TReportPane& pane) {
        RunForecast(*lottery, *params, *state, pane, host);
      },
      m_form.Panel<TPanelPrognoz>(),
      [this, params](bool cancelled) {
        if (cancelled) {
          // No half result: no forecast, no showing, the fields as the user left them; the
          // pane says that the forecast was cancelled.
          m_forecast = std::make_shared<TForecastState>();
          TReportPane cancelledPane;
          cancelledPane.AddLine(IsRussian(m_language) ? u"Расчет прогноза отменен."_s
                                                      : u"The forecast was cancelled."_s);
          m_form.PanelShowResult->ShowPane(cancelledPane);
          return;
        }
        m_form.PanelMain->poleSharyEnable->setText(params->AvailableBalls);
        m_form.Panel<TPanelPrognoz>()->SetFieldTexts(params->Fields);
      });
  if (!started) return;
  // The title stays in the pane while the forecast is computed.
  TReportPane title;
  WriteForecastTitle(nextTira, title);
  m_form.PanelShowResult->ShowPane(title);
}

void TController::ShowForecastCommand() {
  if (m_work->IsRunning()) {
    QApplication::beep();
    return;
  }
  TForecastParams params;
  m_form.PanelMain->FillForecastParams(params);
  params.Language = m_language;
  std::shared_ptr<TForecastState> state = m_forecast;
  const TLottery* lottery = &m_lottery;
  RunReport(
      [lottery, params, state](THost& host, TReportPane& pane) {
        ShowForecast(*lottery, params, *state, pane, host);
      },
      m_form.Panel<TPanelPrognoz>(),
      [state](bool cancelled) {
        // A showing that did not reach the pane lists nothing for the export.
        if (cancelled) state->MainPrognoz.ExportTable.Reset(0);
      });
}
