#pragma once
// A host for batch work with nobody to ask: messages are dropped, dialogs cancelled,
// the clipboard is private, the decimal separator is a full stop.
#include "Host.h"

class TSilentHost : public THost {
public:
  void ShowMessage(const QString&) override {}
  QString AskOpenFile(const QString&) override { return {}; }
  QString AskSaveFile() override { return {}; }
  QString ClipboardText() override { return m_clipboard; }
  void SetClipboardText(const QString& text) override { m_clipboard = text; }
  QChar DecimalSeparator() const override { return QLatin1Char('.'); }

private:
  QString m_clipboard;
};
