#include "LotteryLoader.h"

#include "core/Settings.h"

using namespace Qt::StringLiterals;

TLoadedLottery LoadLotteryFile(const QString& path, const QString& language, TConsoleHost& host) {
  TLoadedLottery loaded;
  if (!loaded.Lottery.ReadLotteryFromFileName(path)) {
    host.ShowMessage(FileNameErrorMessage(language, path));
    return loaded;
  }
  loaded.Loaded = LoadDraws(loaded.Lottery, path, language, host);
  loaded.Lottery.SetDrawRange();
  loaded.Lottery.UpdateLottoClass();
  loaded.Valid = !loaded.Lottery.Tirazhi.empty();
  return loaded;
}

QString DefaultLanguage() {
  TSettings settings;
  const QString stored = settings.ReadSetting(u"Language"_s);
  return stored == u"eng" ? stored : u"rus"_s;
}

QString MessagesForTerminal(const QStringList& messages) {
  QString text;
  for (const QString& message : messages) {
    QString shown = message;
    shown.replace(u'\r', u'\n');
    text += shown + u'\n';
  }
  return text;
}
