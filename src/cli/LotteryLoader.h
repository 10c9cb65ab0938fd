#pragma once
// Opens a draws file the way the desktop does (file-name rule, load, check), without settings.

#include <QString>

#include "ConsoleHost.h"
#include "core/Lottery.h"

struct TLoadedLottery {
  TLottery Lottery;
  TDrawsLoad Loaded;
  bool Valid = false;  // a valid file name and a history that passed the check
};

TLoadedLottery LoadLotteryFile(const QString& path, const QString& language, TConsoleHost& host);
// The interface language: the stored one when it is valid, else Russian, as a first start.
QString DefaultLanguage();
// Messages as the terminal shows them: the CR between message lines becomes a line end.
QString MessagesForTerminal(const QStringList& messages);
