#pragma once
// The host services of the desktop: message boxes, file dialogs, the clipboard and the
// locale's decimal separator, with Qt widgets. For tests the same object runs scripted:
// messages are recorded instead of shown and dialogs take queued answers, so no test ever
// waits on a modal window.

#include "core/Host.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class TWidgetHost : public THost {
public:
  explicit TWidgetHost(QWidget* parent = nullptr) : m_parent(parent) {}

  void ShowMessage(const QString& text) override;
  QString AskOpenFile(const QString& startDirectory) override;
  QString AskSaveFile() override;
  QString ClipboardText() override;
  void SetClipboardText(const QString& text) override;
  QChar DecimalSeparator() const override;

  void SetParent(QWidget* parent) { m_parent = parent; }

  // Scripted mode: messages go to Messages, dialogs answer from the queues (an empty queue
  // answers "cancel"), the start folder of every open dialog goes to OpenStartDirs.
  void SetScripted(bool scripted) { m_scripted = scripted; }
  bool IsScripted() const { return m_scripted; }
  QStringList Messages;
  QStringList OpenAnswers;
  QStringList SaveAnswers;
  QStringList OpenStartDirs;

private:
  QPointer<QWidget> m_parent;
  bool m_scripted = false;
};
