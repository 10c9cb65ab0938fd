#pragma once
// The one fake host of the tests: records every message and answers dialogs from queued
// answers, so no test ever waits on a modal window. Over THost for the engine (with its own
// clipboard and a fixed decimal separator), over the desktop's TWidgetHost for the window.

#include <QList>
#include <QString>
#include <QStringList>

#include "core/Host.h"

template <typename TBase>
class TRecordingHost : public TBase {
public:
  QStringList Messages;                  // every ShowMessage text, in order
  QStringList OpenAnswers;               // next answers of AskOpenFile (empty list: cancel)
  QStringList SaveAnswers;               // next answers of AskSaveFile (empty list: cancel)
  QStringList OpenStartDirs;             // the start folder of every open dialog
  int SaveDialogs = 0;                   // how many save dialogs were opened
  QStringList Questions;                 // every AskUnsavedChanges text, in order
  QList<TUnsavedAnswer> UnsavedAnswers;  // next answers (empty list: Cancel)

  void ShowMessage(const QString& text) override { Messages.append(text); }
  QString AskOpenFile(const QString& startDirectory) override {
    OpenStartDirs.append(startDirectory);
    return OpenAnswers.isEmpty() ? QString() : OpenAnswers.takeFirst();
  }
  QString AskSaveFile() override {
    ++SaveDialogs;
    return SaveAnswers.isEmpty() ? QString() : SaveAnswers.takeFirst();
  }
  QStringList SaveProposals;  // the proposed path of every save dialog that proposes one
  QStringList SaveFilters;    // and the file types it offers
  QString AskSaveFileAs(const QString& proposedPath, const QString& filter) override {
    SaveProposals.append(proposedPath);
    SaveFilters.append(filter);
    return AskSaveFile();
  }
  QStringList OpenedDocuments;  // every OpenDocument path, in order
  bool OpenDocument(const QString& path) override {
    OpenedDocuments.append(path);
    return true;
  }
  TUnsavedAnswer AskUnsavedChanges(const QString& text) override {
    Questions.append(text);
    return UnsavedAnswers.isEmpty() ? TUnsavedAnswer::Cancel : UnsavedAnswers.takeFirst();
  }
};

class TTestHost : public TRecordingHost<THost> {
public:
  QString Clipboard;
  QChar Separator = QLatin1Char('.');

  QString ClipboardText() override { return Clipboard; }
  void SetClipboardText(const QString& text) override { Clipboard = text; }
  QChar DecimalSeparator() const override { return Separator; }
};
