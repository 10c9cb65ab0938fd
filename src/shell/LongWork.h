#pragma once
// Long work off the GUI thread. A report job fills a pane on a worker thread, the worker
// also prepares the pane's document, and the GUI thread only swaps the finished document in.
// While a job runs the busy state holds (TSetBusy), a progress bar and a Cancel button are
// shown, and IsRunning() tells the controller to refuse further commands, so two reports
// never write into one pane.

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

#include "core/Host.h"
#include "core/ReportPane.h"

class QProgressBar;
class QPushButton;
class QTextDocument;
class TSetBusy;

// The host a job sees on its worker thread: messages are collected and shown by the GUI
// thread afterwards, dialogs are answered "cancel", the clipboard is a copy taken at the
// start, and Progress() reports to the progress bar and carries the Cancel button's answer.
class TWorkerHost : public THost {
public:
  TWorkerHost(QString clipboard, QChar separator, std::atomic<bool>& cancel);
  void ShowMessage(const QString& text) override;
  QString AskOpenFile(const QString&) override { return {}; }
  QString AskSaveFile() override { return {}; }
  QString ClipboardText() override { return m_clipboard; }
  void SetClipboardText(const QString& text) override;
  QChar DecimalSeparator() const override { return m_separator; }
  bool Progress(int64_t done, int64_t total) override;

  QStringList Messages;  // read by the GUI thread after the job
  QString ClipboardOut;  // set when the job wrote the clipboard
  bool ClipboardWritten = false;
  std::atomic<int> Permille{-1};  // progress in 1/1000, -1 while unknown

private:
  QString m_clipboard;
  QChar m_separator;
  std::atomic<bool>& m_cancel;
};

struct TWorkResult {
  TReportPane Pane;
  std::unique_ptr<QTextDocument> Document;  // nullptr when cancelled
  bool Cancelled = false;
  QStringList Messages;
  bool ClipboardWritten = false;
  QString ClipboardOut;
};

using TPaneJob = std::function<void(THost& host, TReportPane& pane)>;

class TLongWork : public QObject {
  Q_OBJECT
public:
  // `window` holds the controls the busy state disables; the progress bar and the Cancel
  // button are the caller's widgets (shown only while work runs).
  TLongWork(QWidget* window, QProgressBar* progress, QPushButton* cancel);
  ~TLongWork() override;

  bool IsRunning() const { return m_running; }
  // Starts the job unless one is running (returns false then). `done` runs on the GUI
  // thread with the result, after the busy state has ended.
  bool Start(TPaneJob job, std::function<void(TWorkResult&)> done, QWidget* panel = nullptr,
             QString clipboard = {}, QChar separator = QLatin1Char('.'));
  void Cancel();
  // Blocks until the running job (if any) is finished and delivered. For tests and exit.
  void WaitForFinished();

Q_SIGNALS:
  void Finished();

private:
  void Deliver();
  void UpdateProgress();

  QWidget* m_window;
  QPointer<QProgressBar> m_progress;
  QPointer<QPushButton> m_cancelButton;
  QFutureWatcher<void> m_watcher;
  std::atomic<bool> m_cancel{false};
  std::unique_ptr<TWorkerHost> m_host;
  std::unique_ptr<TWorkResult> m_result;
  std::unique_ptr<TSetBusy> m_busy;
  std::function<void(TWorkResult&)> m_done;
  bool m_running = false;
  int m_timerId = 0;

protected:
  void timerEvent(QTimerEvent* event) override;
};
