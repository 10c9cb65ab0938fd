#pragma once
// The host services of the desktop: message boxes, file dialogs, the clipboard and the
// locale's decimal separator, with Qt widgets. Tests derive a recording host from it.

#include <QPointer>
#include <QWidget>

#include "core/Host.h"

class QPrinter;

class TWidgetHost : public THost {
public:
  explicit TWidgetHost(QWidget* parent = nullptr) : m_parent(parent) {}

  void ShowMessage(const QString& text) override;
  QString AskOpenFile(const QString& startDirectory) override;
  QString AskSaveFile() override;
  QString AskSaveFileAs(const QString& proposedPath, const QString& filter) override;
  TUnsavedAnswer AskUnsavedChanges(const QString& text) override;
  bool OpenDocument(const QString& path) override;
  QString ClipboardText() override;
  void SetClipboardText(const QString& text) override;
  QChar DecimalSeparator() const override;

  // The print dialog for the printer; false when cancelled.
  virtual bool AskPrinter(QPrinter& printer);

  void SetParent(QWidget* parent) { m_parent = parent; }
  // Where the save dialog starts (the folder of the last file chosen).
  QString SaveFolder;

private:
  QPointer<QWidget> m_parent;
};
