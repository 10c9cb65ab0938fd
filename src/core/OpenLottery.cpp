#include "OpenLottery.h"

#include <QFileInfo>

#include "Host.h"
#include "Settings.h"

using namespace Qt::StringLiterals;

QString SelectFileMessage(const QString& language) {
  return IsRussian(language) ? u"Выберите файл с результатами тиражей."_s
                             : u"Select the draw results file."_s;
}

TOpenResult OpenLottery(TSettings& settings, THost& host, const QString& dialogStartDir,
                        const TLottery* previous) {
  TOpenResult result;
  TLottery& lottery = result.Lottery;
  const QString reopen01 = QString::fromUtf16(kSettingReopen[0]);

  result.Language = ReadLanguage(settings);
  // The key is missing only when writing the language failed.
  if (!settings.SettingsKeyExists()) host.ShowMessage(SelectFileMessage(result.Language));

  QString path = settings.ReadSetting(reopen01);
  bool nameRead = false;
  if (QFileInfo(path).isFile()) {
    nameRead = lottery.ReadLotteryFromFileName(path);
  } else {
    host.ShowMessage(SelectFileMessage(result.Language));
    const QString chosen = host.AskOpenFile(dialogStartDir);
    if (chosen.isEmpty()) {
      result.Cancelled = true;
      if (previous != nullptr) {
        lottery.BallsInDraw = previous->BallsInDraw;
        lottery.MaxBall = previous->MaxBall;
        lottery.Name = previous->Name;
      }
      nameRead = true;  // no file name was read, so none can be wrong
    } else {
      settings.WriteSetting(reopen01, chosen);
      path = settings.ReadSetting(reopen01);
      result.Reopen01Caption = u"1: "_s + path;
      nameRead = lottery.ReadLotteryFromFileName(chosen);
    }
  }
  if (!nameRead) {
    host.ShowMessage(FileNameErrorMessage(result.Language, path));
    settings.WriteSetting(reopen01, QString());
    result.BadFileName = true;
  }

  result.Path = path;
  if (lottery.IsValid()) result.Loaded = LoadDraws(lottery, path, result.Language, host);
  lottery.SetDrawRange();
  lottery.UpdateLottoClass();
  return result;
}
