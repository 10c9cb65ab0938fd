#pragma once
// Opening a lottery: the engine part of the open sequence that runs at start, after New
// Lottery, after choosing a recent file, after a save and after a language switch. It
// rebuilds the whole lottery from the settings store and the draws file; the desktop and the
// CLI put the result into their own views.

#include <QString>

#include "Lottery.h"

class THost;
class TSettings;

struct TOpenResult {
  TLottery Lottery;
  QString Language;          // the interface language, repaired to "rus" when needed
  QString Path;              // the draws file that was (or would have been) loaded
  TDrawsLoad Loaded;         // what the draw editors show (see TDrawsLoad::Texts)
  bool BadFileName = false;  // the file name gave no lottery: "Reopen01" was cleared, the
                             // caller closes the program
  bool Cancelled = false;    // the open dialog was cancelled
  QString Reopen01Caption;   // new caption of recent entry 1 when a file was chosen, else empty
};

// Said before the open dialog asks for a draws file.
QString SelectFileMessage(const QString& language);

// Reads the language, takes the draws file from "Reopen01" (asking for one with the open
// dialog when it does not exist), reads the lottery from its name, loads and checks the
// draws, and sets the draw range and lottery class. When the dialog is cancelled, the
// lottery keeps the definition of `previous` (none at the first start), so a lottery that
// was open goes on with an empty table.
TOpenResult OpenLottery(TSettings& settings, THost& host, const QString& dialogStartDir,
                        const TLottery* previous = nullptr);
