#include "LongWork.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTextDocument>
#include <QThread>
#include <QTimerEvent>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "BusyState.h"
#include "PaneDocument.h"

TWorkerHost::TWorkerHost(QString clipboard, QChar separator, std::atomic<bool>& cancel)
    : m_clipboard(std::move(clipboard)), m_separator(separator), m_cancel(cancel) {}

void TWorkerHost::ShowMessage(const QString& text) { Messages.append(text); }

void TWorkerHost::SetClipboardText(const QString& text) {
  ClipboardOut = text;
  ClipboardWritten = true;
  m_clipboard = text;
}

bool TWorkerHost::Progress(int64_t done, int64_t total) {
  if (total > 0)
    Permille.store(static_cast<int>(std::clamp<int64_t>(done * 1000 / total, 0, 1000)));
  return !m_cancel.load();
}

TLongWork::TLongWork(QWidget* window, QProgressBar* progress, QPushButton* cancel)
    : QObject(window), m_window(window), m_progress(progress), m_cancelButton(cancel) {
  connect(&m_watcher, &QFutureWatcher<void>::finished, this, &TLongWork::Deliver);
  if (m_cancelButton) connect(m_cancelButton, &QPushButton::clicked, this, &TLongWork::Cancel);
  if (m_progress) m_progress->hide();
  if (m_cancelButton) m_cancelButton->hide();
}

TLongWork::~TLongWork() {
  m_cancel.store(true);
  m_watcher.waitForFinished();
}

bool TLongWork::Start(TPaneJob job, std::function<void(TWorkResult&)> done, QWidget* panel,
                      QString clipboard, QChar separator) {
  if (m_running) return false;
  m_running = true;
  m_cancel.store(false);
  m_done = std::move(done);
  m_busy = std::make_unique<TSetBusy>(m_window, panel);
  m_host = std::make_unique<TWorkerHost>(std::move(clipboard), separator, m_cancel);
  m_result = std::make_unique<TWorkResult>();
  if (m_progress) {
    m_progress->setRange(0, 0);  // unknown until the job reports
    m_progress->show();
  }
  if (m_cancelButton) {
    m_cancelButton->setEnabled(true);
    m_cancelButton->show();
  }
  m_timerId = startTimer(100);

  TWorkerHost* host = m_host.get();
  TWorkResult* result = m_result.get();
  std::atomic<bool>* cancel = &m_cancel;
  QThread* gui = QCoreApplication::instance()->thread();
  m_watcher.setFuture(QtConcurrent::run([job = std::move(job), host, result, cancel, gui] {
    job(*host, result->Pane);
    if (!cancel->load()) result->Document = BuildPaneDocument(result->Pane, cancel);
    if (result->Document) result->Document->moveToThread(gui);
  }));
  return true;
}

void TLongWork::Cancel() {
  if (!m_running) return;
  m_cancel.store(true);
  if (m_cancelButton) m_cancelButton->setEnabled(false);
}

void TLongWork::WaitForFinished() {
  if (!m_running) return;
  m_watcher.waitForFinished();
  // The watcher reports through the event loop; deliver at once instead of waiting for it.
  Deliver();
}

void TLongWork::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_timerId) UpdateProgress();
}

void TLongWork::UpdateProgress() {
  if (!m_progress || !m_host) return;
  const int permille = m_host->Permille.load();
  if (permille < 0) return;
  m_progress->setRange(0, 1000);
  m_progress->setValue(permille);
}

void TLongWork::Deliver() {
  // Already delivered (WaitForFinished, then the watcher's signal), or a late signal of an
  // earlier job while a new one runs.
  if (!m_running || !m_watcher.future().isFinished()) return;
  m_running = false;
  if (m_timerId != 0) killTimer(m_timerId);
  m_timerId = 0;
  if (m_progress) m_progress->hide();
  if (m_cancelButton) m_cancelButton->hide();
  m_busy.reset();
  m_result->Cancelled = m_cancel.load() || !m_result->Document;
  m_result->Messages = m_host->Messages;
  m_result->ClipboardWritten = m_host->ClipboardWritten;
  m_result->ClipboardOut = m_host->ClipboardOut;
  auto result = std::move(m_result);
  m_host.reset();
  auto done = std::move(m_done);
  if (done) done(*result);
  Q_EMIT Finished();
}
