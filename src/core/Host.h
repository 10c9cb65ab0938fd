#pragma once
// The outside world as the engine sees it: message boxes, file dialogs, the clipboard,
// the user's decimal separator and progress/cancel. The desktop implements it with
// widgets, the CLI with the terminal, tests with a recording fake.

#include <QChar>
#include <QString>
#include <cstdint>

// The answers to a question about unsaved changes.
enum class TUnsavedAnswer { Save, Discard, Cancel };

class THost {
public:
  virtual ~THost() = default;

  // A modal message with an OK button. Lines are separated by a single CR.
  virtual void ShowMessage(const QString& text) = 0;
  // The open-file dialog (no filter); an empty result means the user cancelled.
  virtual QString AskOpenFile(const QString& startDirectory) = 0;
  // The save-file dialog (no filter, no default name); empty means cancelled.
  virtual QString AskSaveFile() = 0;
  // The save-file dialog proposing a path, with a filter such as "Excel (*.xlsx)"; a host
  // without its own asks as AskSaveFile does.
  virtual QString AskSaveFileAs(const QString& proposedPath, const QString& filter) {
    (void)proposedPath;
    (void)filter;
    return AskSaveFile();
  }
  // A modal question with Save, Discard and Cancel buttons. A host that cannot ask keeps
  // everything: Cancel.
  virtual TUnsavedAnswer AskUnsavedChanges(const QString& text) {
    (void)text;
    return TUnsavedAnswer::Cancel;
  }

  // Opens a file with the desktop's default application (a manual, an exported workbook);
  // false when it could not be opened. A host without a desktop opens nothing.
  virtual bool OpenDocument(const QString& path) {
    (void)path;
    return false;
  }

  virtual QString ClipboardText() = 0;
  virtual void SetClipboardText(const QString& text) = 0;

  // The decimal separator of the user's locale.
  virtual QChar DecimalSeparator() const = 0;

  // Long loops call this every few thousand items; false asks them to stop.
  virtual bool Progress(int64_t done, int64_t total) {
    (void)done;
    (void)total;
    return true;
  }
};
