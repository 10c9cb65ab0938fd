// The controller's lottery commands: opening a draws file (and the recent list), setting
// the window up for its lottery, choosing another, and saving edited draws.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextDocument>

#include "Controller.h"
#include "PanelHotCold.h"
#include "PanelIntervals.h"
#include "PanelMain.h"
#include "PanelTiraMap.h"
#include "PanelTirazhi.h"
#include "SessionMemory.h"
#include "WidgetHost.h"
#include "core/OpenLottery.h"
#include "forecast/LotteryMenus.h"
#include "mainForm.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

QString TController::DialogStartDir() const {
  const QString last = LastDialogFolder(m_settings);
  return last.isEmpty() ? ExamplesDir() : last;
}

void TController::RecentFiles(int operation) {
  const QStringList captions = ::RecentFiles(m_settings, operation);
  QAction* entries[] = {m_form.Menu.menuReopen01, m_form.Menu.menuReopen02,
                        m_form.Menu.menuReopen03, m_form.Menu.menuReopen04};
  for (int i = 0; i < 4 && i < captions.size(); ++i) {
    entries[i]->setText(captions[i]);
    entries[i]->setVisible(captions[i].size() > 3);  // "2: " names no file
  }
  OpenSequence();
}

void TController::OpenSequence() {
  // A new, empty forecast for the lottery about to be opened.
  m_forecast = std::make_shared<TForecastState>();
  TOpenResult opened = OpenLottery(m_settings, m_host, DialogStartDir(), &m_lottery);
  if (!opened.Reopen01Caption.isEmpty()) RememberDialogFolder(m_settings, opened.Path);
  m_language = opened.Language;
  if (!opened.Reopen01Caption.isEmpty()) m_form.Menu.menuReopen01->setText(opened.Reopen01Caption);
  m_lottery = std::move(opened.Lottery);
  m_form.setWindowTitle(m_lottery.Name.isEmpty() ? QString::fromUtf16(kProgramTitle)
                                                 : m_lottery.WindowCaption());
  if (opened.BadFileName) {
    // The message is shown and Reopen01 cleared; the Exit command ends the program.
    m_form.close();
    return;
  }
  const TDrawsTexts texts = opened.Loaded.Texts(m_lottery);
  m_form.PanelTirazhi->ShowDraws(texts);
  if (texts.Partial())
    m_host.ShowMessage(PartialEditorMessage(m_language, texts.Rows, texts.ShownRows));

  // The analysed draw: set quietly, the Draws command below shows no report anyway.
  QSpinBox* seNextTira = m_form.PanelMain->seNextTira;
  {
    const QSignalBlocker quiet(seNextTira);
    seNextTira->setRange(m_lottery.FirstTira, m_lottery.NewTira);
    seNextTira->setValue(m_lottery.NewTira);
  }
  LotterySetup();
  SetAllBallsAvailable();
  UpdateStatus();
  m_host.SaveFolder = DialogStartDir();
  prMenuClick(m_form.Menu.menuTirazhi);
}

void TController::LotterySetup() {
  m_form.SetCaptions(m_language);
  TMainMenu& menu = m_form.Menu;
  menu.menuExport->setEnabled(true);
  menu.menuCodesAuto->setEnabled(true);
  const TLotteryMenus open =
      LotteryMenus(m_lottery, m_settings.ReadSetting(QString::fromUtf16(kSettingProf)));
  menu.menuResearches->setVisible(open.Researches);
  // No automation server for the Caterpillar exists on this system.
  menu.menuCaterpillar->setEnabled(false);
  menu.menu49s->setEnabled(open.Irish49s);
  menu.menuKENO->setEnabled(open.Keno);
  menu.menuPrognozCombi->setEnabled(open.Forecast);
  menu.menuFilterFromLast->setEnabled(open.Forecast);
  {
    // The hot window P; 0 without a lottery, which the spin edit raises to its minimum.
    QSpinBox* okno = m_form.Panel<TPanelHotCold>()->seHotColdOkno;
    const QSignalBlocker quiet(okno);
    okno->setValue(HotWindow(m_lottery.BallsInDraw, m_lottery.MaxBall));
  }
  m_form.Panel<TPanelTiraMap>()->Reset(m_lottery);  // BuildDrawsMap: an empty grid of its balls
  {
    // The interval edits show set 0 after every opening, clipped to this lottery's balls.
    TPanelIntervals* intervals = m_form.Panel<TPanelIntervals>();
    intervals->SetMaxBall(m_lottery.MaxBall);
    const QSignalBlocker quiet(intervals->seIntervalsSet);
    intervals->seIntervalsSet->setValue(0);
    intervals->ShowSet(0);
  }
  if (auto* positions = m_form.findChild<QSpinBox*>(u"sePositionsNumber"_s)) {
    const QSignalBlocker quiet(positions);
    positions->setMaximum(m_lottery.BallsInDraw);
    positions->setValue(1);
  }
}

void TController::CmdNewLottery() {
  m_host.ShowMessage(SelectFileMessage(m_language));
  const QString chosen = m_host.AskOpenFile(DialogStartDir());
  if (chosen.isEmpty()) {
    CmdDraws();  // the open lottery and the recent list stay as they were
    return;
  }
  RememberDialogFolder(m_settings, chosen);
  ::RecentFiles(m_settings, 0);
  m_settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), chosen);
  RecentFiles(1);
}

bool TController::ConfirmDiscardEdits() {
  QPlainTextEdit* memo = m_form.PanelTirazhi->MemoTirazhi;
  if (memo->isReadOnly() || !memo->document()->isModified()) return true;
  switch (m_host.AskUnsavedChanges(UnsavedDrawsQuestion(m_language))) {
    case TUnsavedAnswer::Save:
      return SaveDraws();
    case TUnsavedAnswer::Discard:
      memo->document()->setModified(false);
      return true;
    case TUnsavedAnswer::Cancel:
      break;
  }
  return false;
}

void TController::SetAllBallsAvailable() {
  // AvailableBalls of an empty field: every ball 1..MaxBall.
  QString field;
  AvailableBalls(QString(), m_lottery.MaxBall, &field);
  m_form.PanelMain->poleSharyEnable->setText(m_lottery.MaxBall > 0 ? field : QString());
}

bool TController::SaveDraws() {
  // An editor holding only the newest draws of a long history would save just those.
  if (m_form.PanelTirazhi->MemoTirazhi->isReadOnly()) return false;
  const QString text = EditorTextForSave(m_form.PanelTirazhi->MemoTirazhi->toPlainText());
  const QString path = m_settings.ReadSetting(QString::fromUtf16(kSettingReopen[0]));
  // Only a successful save re-opens; a refused one keeps the loaded history and the text.
  if (::SaveDraws(m_lottery, text, path, m_language, m_host) != TSaveOutcome::Saved) return false;
  RecentFiles(1);
  return true;
}
