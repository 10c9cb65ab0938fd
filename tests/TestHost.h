#pragma once
// A host for tests: records every message, answers dialogs from queued answers,
// keeps its own clipboard and uses a fixed decimal separator.

#include "core/Host.h"

#include <QString>
#include <QStringList>

class TTestHost : public THost {
public:
  QStringList Messages;          // every ShowMessage text, in order
  QStringList OpenAnswers;       // next answers of AskOpenFile (empty list: cancel)
  QStringList SaveAnswers;       // next answers of AskSaveFile (empty list: cancel)
  QStringList OpenStartDirs;     // the start folder of every open dialog
  int SaveDialogs = 0;           // how many save dialogs were opened
  QString Clipboard;
  QChar Separator = QLatin1Char('.');

  void ShowMessage(const QString& text) override { Messages.append(text); }
  QString AskOpenFile(const QString& startDirectory) override {
    OpenStartDirs.append(startDirectory);
    return OpenAnswers.isEmpty() ? QString() : OpenAnswers.takeFirst();
  }
  QString AskSaveFile() override {
    ++SaveDialogs;
    return SaveAnswers.isEmpty() ? QString() : SaveAnswers.takeFirst();
  }
  QString ClipboardText() override { return Clipboard; }
  void SetClipboardText(const QString& text) override { Clipboard = text; }
  QChar DecimalSeparator() const override { return Separator; }
};
