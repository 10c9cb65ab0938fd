#pragma once
// The host of lotrix-cli: messages are collected (and the caller decides where they go),
// dialogs are never shown (a script cannot answer them), the clipboard is stdin/stdout.

#include <QStringList>

#include "core/Host.h"

class TConsoleHost : public THost {
public:
  QStringList Messages;

  void ShowMessage(const QString& text) override { Messages.append(text); }
  QString AskOpenFile(const QString&) override { return {}; }
  QString AskSaveFile() override { return {}; }
  QString ClipboardText() override;
  void SetClipboardText(const QString& text) override;
  QChar DecimalSeparator() const override;
};
