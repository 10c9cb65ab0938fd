#pragma once
// An analysis panel: a framed area with its caption at the top edge. Panels whose controls
// are not built yet are plain frames of this class; a panel with controls derives from it,
// names its re-run triggers (RerunOnChange, RerunOnClick), its buttons with their actions
// (Buttons) and the job it runs in the result pane (Job). The controller connects them; it
// never asks a panel which button was pressed. A report panel (TReportPanel) runs an engine
// report of the registry in reports/Reports.h.

#include <QFrame>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "LongWork.h"
#include "reports/Reports.h"

class QAbstractButton;
class QGridLayout;
class QLabel;
class QSpinBox;
class TLottery;
struct TForecastState;

// What a panel's job may read, taken on the GUI thread when the job starts.
struct TPanelContext {
  const TLottery* Lottery = nullptr;  // the open lottery; the job reads it in place
  int NextTira = 1;                   // seNextTira: the analysed draw T
  QChar DecimalSeparator = QLatin1Char('.');
  QString Language = QStringLiteral("rus");  // the interface language
  QString AvailableBalls;                    // poleSharyEnable (empty: every ball)
  QStringList PaneLines;                     // the result pane's lines (what the user pasted there)
  // The last forecast (never null); nothing changes it while a job runs.
  std::shared_ptr<const TForecastState> Forecast;
};

// A button of a panel and what it does: Action runs on the GUI thread with the window's host;
// MakeJob gives another job than the panel's own to run; with neither the button runs the
// panel's job. Either way the controller refuses it (with a beep) while work runs. A job
// that ReadsClipboard finds the clipboard text, taken when it starts, in its host.
struct TPanelButton {
  QAbstractButton* Button;
  std::function<void(THost& host)> Action;
  std::function<TPaneJob(const TPanelContext&)> MakeJob = nullptr;
  bool ReadsClipboard = false;
};

class TAnalysisPanel : public QFrame {
  Q_OBJECT
public:
  TAnalysisPanel(const QString& name, const QString& caption, QWidget* parent);
  QString Caption() const;
  void SetCaption(const QString& caption);

  virtual QList<TPanelButton> Buttons() { return {}; }
  // The job the panel runs in the result pane; empty when it runs none (HasJob false).
  virtual TPaneJob Job(const TPanelContext& context) const;
  virtual bool HasJob() const { return false; }
  // Whether the job needs the result pane's lines (read only then: they may be many).
  virtual bool ReadsPane() const { return false; }
  // Runs on the GUI thread right before each of the panel's jobs (fields written back in
  // their normal form, or a panel that paints its own result painting it).
  virtual void BeforeJob(const TPanelContext& context) { (void)context; }
  // Whether a change of the analysed draw re-runs the job while the panel is active.
  virtual bool FollowsNextTira() const { return true; }

Q_SIGNALS:
  // A control whose change re-runs the panel's job was changed; the controller re-runs it
  // while the panel's analysis is the active one.
  void ParametersChanged();

protected:
  // Where a panel puts its controls: a grid in a scroll area under the caption, so a panel
  // larger than its room scrolls instead of being cut.
  QWidget* Body() const { return m_body; }
  QGridLayout* Grid() const { return m_grid; }
  // Every value change of the spin edit, every toggle of the check box re-runs the job.
  void RerunOnChange(QSpinBox* spinEdit);
  void RerunOnChange(QAbstractButton* checkBox);
  // Only a click by the user re-runs the job (not a change made by the program).
  void RerunOnClick(QAbstractButton* checkBox);

  QLabel* m_caption;
  QWidget* m_body;
  QGridLayout* m_grid;
};

// The job that writes a report of the registry into the pane, hearing the host (progress,
// cancel, messages).
TPaneJob ReportJob(const TLottery* lottery, TReportParams params);

// A panel whose job is a report of the engine's registry, with the parameters its controls
// show for the analysed draw.
class TReportPanel : public TAnalysisPanel {
  Q_OBJECT
public:
  using TAnalysisPanel::TAnalysisPanel;
  virtual TReportParams Params(int nextTira, QChar decimalSeparator) const = 0;
  TPaneJob Job(const TPanelContext& context) const override;
  bool HasJob() const override { return true; }
};
