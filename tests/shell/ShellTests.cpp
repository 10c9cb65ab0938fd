#include "ShellTests.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "ShellTestSupport.h"
#include "core/ReportRender.h"
#include "core/Settings.h"
#include "forecast/LotteryMenus.h"
#include "shell/AnalysisPanel.h"
#include "shell/BusyState.h"
#include "shell/Controller.h"
#include "shell/Layout.h"
#include "shell/MenuTables.h"
#include "shell/PanelAbout.h"
#include "shell/PanelMain.h"
#include "shell/PanelRangeStat.h"
#include "shell/PanelShowResult.h"
#include "shell/PanelTirazhi.h"
#include "shell/WidgetHost.h"
#include "shell/mainForm.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSelectFile = u"Выберите файл с результатами тиражей."_s;

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Setting(const char16_t* name) { return TSettings().ReadSetting(QString::fromUtf16(name)); }

}  // namespace

void TMainWindowTest::cancelledNewLotteryKeepsTheOpenLottery() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 kept.txt"_s);
  TSettings settings;
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  // Only entry 1 names a file: the empty ones are not shown.
  QVERIFY(app.Item(u"menuReopen01"_s)->isVisible());
  for (const QString& empty : {u"menuReopen02"_s, u"menuReopen03"_s, u"menuReopen04"_s})
    QVERIFY2(!app.Item(empty)->isVisible(), qPrintable(empty));

  app.host.Messages.clear();
  app.Trigger(u"menuLottoNew"_s);  // the dialog is cancelled
  QCOMPARE(app.host.Messages,
           QStringList{kSelectFile});  // no "file not found" for a file never chosen
  QCOMPARE(app.Controller().Lottery().Tirazhi.size(), size_t{400});
  QCOMPARE(app.Controller().Lottery().MaxBall, 36);
  QCOMPARE(Setting(kSettingReopen[0]), file);
  QCOMPARE(Setting(kSettingReopen[1]), QString());
  QCOMPARE(app.Item(u"menuReopen01"_s)->text(), u"1: "_s + file);
  QVERIFY(app.form->PanelTirazhi->isVisible());
  QCOMPARE(app.form->windowTitle(), u"Lotrix 2.98.2 -- Lottery \"5x36 kept\""_s);
}

void TMainWindowTest::unsavedEditsAreAskedAboutBeforeTheyGo() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 edited.txt"_s);
  const QString other = CopyExample(m_dir, u"6x45 korea lotto.txt"_s, u"6x45 other.txt"_s);
  TSettings settings;
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[1]), other);
  TRunningApp app;
  QPlainTextEdit* memo = app.form->PanelTirazhi->MemoTirazhi;
  const QString question =
      u"В редакторе тиражей есть несохранённые изменения.\rСохранить их, прежде "
      u"чем продолжить?"_s;
  // Nothing typed: nothing asked.
  app.Trigger(u"menuTirazhi"_s);
  QVERIFY(app.host.Questions.isEmpty());

  const QString typed = memo->toPlainText() + u"  401   1 2 3 4 5\n"_s;
  memo->setPlainText(typed);
  memo->document()->setModified(true);
  // Cancel: the recent file is not opened, the text stays.
  app.Trigger(u"menuReopen02"_s);
  QCOMPARE(app.host.Questions, QStringList{question});
  QCOMPARE(app.Controller().Lottery().MaxBall, 36);
  QCOMPARE(memo->toPlainText(), typed);
  // The close box and Exit: cancelled, the window stays.
  QVERIFY(!app.form->close());
  QVERIFY(app.form->isVisible());
  app.Trigger(u"menuExit"_s);
  QVERIFY(app.form->isVisible());
  // The language switch and New Lottery ask too.
  app.Trigger(u"menuLanguage"_s);
  app.Trigger(u"menuLottoNew"_s);
  QCOMPARE(app.host.Questions.size(), 5);
  QVERIFY(app.host.OpenStartDirs.isEmpty());  // no dialog was opened
  QCOMPARE(Setting(kSettingLanguage), u"rus"_s);

  // Save with a faulty text: refused, so the recent file is not opened either.
  const QString faulty = typed + u"  403   1 2 3 4 5\n"_s;
  memo->setPlainText(faulty);
  memo->document()->setModified(true);
  app.host.UnsavedAnswers = {TUnsavedAnswer::Save};
  app.Trigger(u"menuReopen02"_s);
  QCOMPARE(app.Controller().Lottery().MaxBall, 36);
  QCOMPARE(memo->toPlainText(), faulty);
  QVERIFY(app.host.Messages.last().startsWith(u"Результаты тиражей не сохранены."_s));

  // Save with a good text: written, then the recent file opens.
  memo->setPlainText(typed);
  memo->document()->setModified(true);
  app.host.UnsavedAnswers = {TUnsavedAnswer::Save};
  app.Trigger(u"menuReopen02"_s);
  QVERIFY(ReadBytes(file).contains("  401   1 2 3 4 5"));
  QCOMPARE(app.Controller().Lottery().MaxBall, 45);

  // Discard: the edits go, the next file opens; the question follows the language.
  settings.WriteSetting(QString::fromUtf16(kSettingLanguage), u"eng"_s);
  app.Trigger(u"menuReopen02"_s);  // back to the 5x36 file, in English now
  memo->setPlainText(memo->toPlainText() + u"x"_s);
  memo->document()->setModified(true);
  app.host.UnsavedAnswers = {TUnsavedAnswer::Discard};
  app.Trigger(u"menuReopen02"_s);
  QCOMPARE(app.host.Questions.last(),
           u"The draws in the editor have unsaved changes.\rSave them before going on?"_s);
  QCOMPARE(app.Controller().Lottery().MaxBall, 45);
  QVERIFY(!ReadBytes(file).contains("x"));  // the discarded edit was never written
}

void TMainWindowTest::shortcutsAcceleratorsAndTheStatusBar() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 keys.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
  TfrmMain& form = *app.form;
  // Alt + a letter of its own for every item of the menu bar.
  QCOMPARE(app.Item(u"menuFile"_s)->text(), u"&Файл"_s);
  QCOMPARE(app.Item(u"menuTirazhi"_s)->text(), u"&Тиражи"_s);
  QCOMPARE(app.Item(u"menuProfi"_s)->text(), u"П&рофи"_s);  // П is Прогноз's
  QCOMPARE(app.Item(u"menuLottoNew"_s)->shortcut(), QKeySequence(u"Ctrl+O"_s));
  QCOMPARE(app.Item(u"menuExit"_s)->shortcut(), QKeySequence(u"Ctrl+Q"_s));
  QCOMPARE(app.Item(u"menuManual"_s)->shortcut(), QKeySequence(u"F1"_s));

  // The status bar: the lottery, its draws and the analysed draw.
  QCOMPARE(form.lbStatus->text(), u"5 из 36 · 400 тиражей · анализ тиража 401"_s);
  form.PanelMain->seNextTira->setValue(300);
  QCOMPARE(form.lbStatus->text(), u"5 из 36 · 400 тиражей · анализ тиража 300"_s);

  // F5 runs the shown report again; Ctrl+S saves the draws.
  app.Trigger(u"menuEven"_s);
  app.Settle();
  form.PanelShowResult->Clear();
  QTest::keyClick(&form, Qt::Key_F5);
  QVERIFY(app.Controller().Work().IsRunning());
  app.Settle();
  QVERIFY(form.PanelShowResult->Text().startsWith(u"Статистика"_s));
  QPlainTextEdit* memo = form.PanelTirazhi->MemoTirazhi;
  memo->setPlainText(memo->toPlainText() + u"  401   1 2 3 4 5\n"_s);
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(app.host.Messages.last(), u"Результаты тиражей успешно сохранены."_s);
  QCOMPARE(app.Controller().Lottery().NewTira, 402);
  QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!form.isVisible());
}

void TMainWindowTest::qtTextsAndHintsFollowTheLanguage() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 qt.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  auto cancelText = [] {
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    return box.button(QDialogButtonBox::Cancel)->text();
  };
  QCOMPARE(cancelText(), u"Отмена"_s);  // Qt's own texts, from Qt's translations
  QCOMPARE(app.form->btnBusyCancel->text(), u"Отмена"_s);
  auto* history = app.form->findChild<QSpinBox*>(u"seEvenHistory"_s);
  QCOMPARE(history->toolTip(), u"Сколько прошлых тиражей охватывают ряд и таблицы (1 .. 9999)"_s);
  // Every parameter control of the analysis panels has a hint.
  for (TAnalysisPanel* panel : app.form->AnalysisPanelList())
    for (QWidget* control : panel->findChildren<QWidget*>()) {
      const bool parameter =
          qobject_cast<QSpinBox*>(control) || qobject_cast<QCheckBox*>(control) ||
          (qobject_cast<QLineEdit*>(control) && !qobject_cast<QSpinBox*>(control->parentWidget()));
      if (parameter && control->isEnabled())
        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
    }

  app.Trigger(u"menuLanguage"_s);
  QCOMPARE(cancelText(), u"Cancel"_s);
  QCOMPARE(app.form->btnBusyCancel->text(), u"Cancel"_s);
  QCOMPARE(history->toolTip(), u"How many past draws the series and tables cover (1 .. 9999)"_s);
  QCOMPARE(app.form->lbStatus->text(), u"5 of 36 · 400 draws · analysed draw 401"_s);
}

void TMainWindowTest::sessionIsRememberedFromOneRunToTheNext() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 session.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  const QRect placed(40, 50, 1000, 700);
  {
    TRunningApp app;
    app.form->showNormal();
    app.form->setGeometry(placed);
    app.form->findChild<QSpinBox*>(u"seEvenHistory"_s)->setValue(33);
    app.form->findChild<QCheckBox*>(u"checkHotColdMarkov"_s)->setChecked(true);
    app.form->findChild<QLineEdit*>(u"poleFilterSumBalls"_s)->setText(u" 80 .. 90"_s);
    app.form->PanelMain->seNextTira->setValue(200);
    QVERIFY(app.form->close());
  }
  QVERIFY(!TSettings().ReadSettingAt(u"Software\\Lotrix\\Window"_s, u"Geometry"_s).isEmpty());
  QCOMPARE(TSettings().ReadSettingAt(u"Software\\Lotrix\\Controls"_s, u"seEvenHistory"_s), u"33"_s);
  TRunningApp again;
  QCOMPARE(again.form->geometry(), placed);
  QCOMPARE(again.form->findChild<QSpinBox*>(u"seEvenHistory"_s)->value(), 33);
  QVERIFY(again.form->findChild<QCheckBox*>(u"checkHotColdMarkov"_s)->isChecked());
  QCOMPARE(again.form->findChild<QLineEdit*>(u"poleFilterSumBalls"_s)->text(), u" 80 .. 90"_s);
  QCOMPARE(again.form->PanelMain->seNextTira->value(), 401);  // set anew for the lottery
  // The values the settings store defines stay as they were.
  QCOMPARE(Setting(kSettingReopen[0]), file);
  QCOMPARE(Setting(kSettingLanguage), u"rus"_s);
}

void TMainWindowTest::manualOpensFromHelp() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 help.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
  const QString manual = TController::ManualPath();
  QVERIFY2(QFileInfo(manual).isFile(), qPrintable(manual));
  QVERIFY(manual.endsWith(u"/Lotrix. Описание.pdf"_s));
  QCOMPARE(ReadBytes(manual).left(5), QByteArray("%PDF-"));
  app.Trigger(u"menuEven"_s);
  app.Settle();
  app.Trigger(u"menuManual"_s);
  QTest::keyClick(app.form.get(), Qt::Key_F1);
  QCOMPARE(app.host.OpenedDocuments, QStringList({manual, manual}));
  QVERIFY(app.form->AnalysisPanel(u"PanelEven"_s)->isVisible());  // the manual hides nothing
  QCOMPARE(app.Item(u"menuManual"_s)->text(), u"Описание (Manual)"_s);
}

// ---------------------------------------------------------------------------------------

void TMainWindowTest::init() { TSettings().ClearAll(); }

void TMainWindowTest::firstStartAsksForAFileInTheExamples() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 first.txt"_s);
  TRunningApp app({file});

  QCOMPARE(app.host.Messages, QStringList{kSelectFile});
  QCOMPARE(app.host.OpenStartDirs, QStringList{ExamplesDir()});
  QCOMPARE(Setting(kSettingReopen[0]), file);
  QCOMPARE(Setting(kSettingLanguage), u"rus"_s);
  QCOMPARE(app.Item(u"menuReopen01"_s)->text(), u"1: "_s + file);
  QCOMPARE(app.Item(u"menuReopen02"_s)->text(), u"2: "_s);
  QCOMPARE(app.form->windowTitle(), u"Lotrix 2.98.2 -- Lottery \"5x36 first\""_s);
  QVERIFY(app.form->isMaximized());
  // Captions in Russian; the draws panel shows the history.
  QCOMPARE(app.Item(u"menuFile"_s)->text(), u"&Файл"_s);
  QCOMPARE(app.Item(u"menuLanguage"_s)->text(), u"English"_s);
  QCOMPARE(app.form->PanelTirazhi->lbTirazhi->text(), u"В порядке выпадения"_s);
  QVERIFY(app.form->PanelTirazhi->isVisible());
  QVERIFY(!app.form->PanelMain->isVisible());
  const QStringList memoLines = app.MemoText().split(u'\n');
  QCOMPARE(memoLines.first(), u"    1     19  24  27  35  18"_s);
  QCOMPARE(memoLines.size(), 401);  // 400 draws, then the empty line after the last line end
  QCOMPARE(app.form->PanelMain->seNextTira->maximum(), 401);
  QCOMPARE(app.form->PanelMain->seNextTira->value(), 401);
  QCOMPARE(app.form->PanelMain->poleSharyEnable->text().split(u' ', Qt::SkipEmptyParts).size(), 36);

  // The next start opens the stored file without asking.
  TRunningApp again;
  QVERIFY(again.host.Messages.isEmpty());
  QCOMPARE(again.form->windowTitle(), u"Lotrix 2.98.2 -- Lottery \"5x36 first\""_s);
}

void TMainWindowTest::languageSwitchChangesEveryCaptionAndRereadsTheFile() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 lang.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  const QString original = app.MemoText();
  app.form->PanelTirazhi->MemoTirazhi->setPlainText(u"unsaved edit"_s);

  auto verifyCaptions = [&app](const QString& language) {
    for (const TMenuItemDef& item : MenuItems()) {
      if (item.Parent != nullptr && QStringView(item.Parent) == u"menuReopen") continue;
      // The menu bar's items carry their Alt letter.
      QCOMPARE(app.Item(QString::fromUtf16(item.Name))->text().remove(u'&'),
               CaptionIn(item, language));
    }
    for (const TControlCaptionDef& def : ControlCaptions()) {
      const QString name = QString::fromUtf16(def.Name);
      const QString expected = CaptionIn(def, language);
      if (name == u"PanelTirazhi"_s) {
        QCOMPARE(app.form->PanelTirazhi->Caption(), expected);
      } else if (auto* button = app.form->findChild<QAbstractButton*>(name)) {
        QCOMPARE(button->text(), expected);
      } else if (auto* label = app.form->findChild<QLabel*>(name)) {
        QCOMPARE(label->text(), expected);
      } else {
        QFAIL(qPrintable(u"no control "_s + name));
      }
    }
  };

  verifyCaptions(u"rus"_s);
  app.Trigger(u"menuLanguage"_s);
  QCOMPARE(Setting(kSettingLanguage), u"eng"_s);
  verifyCaptions(u"eng"_s);
  QCOMPARE(app.Item(u"menuLanguage"_s)->text(), u"Русский"_s);
  QCOMPARE(app.form->PanelTirazhi->lbTirazhi->text(), u"In draw order."_s);
  QCOMPARE(app.form->PanelTirazhi->lbTirazhiUp->text(), u"In numerical order"_s);
  QCOMPARE(app.MemoText(), original);  // the file was read again, the edit is gone

  app.form->PanelTirazhi->MemoTirazhi->setPlainText(u"another edit"_s);
  app.Trigger(u"menuLanguage"_s);
  verifyCaptions(u"rus"_s);
  QCOMPARE(app.MemoText(), original);
  QVERIFY(app.host.Messages.isEmpty());
}

void TMainWindowTest::recentFilesReorderTheCaptions() {
  QStringList files;
  for (const QString& name : {u"5x36 a.txt"_s, u"5x36 b.txt"_s, u"5x36 c.txt"_s, u"5x36 d.txt"_s})
    files.append(CopyExample(m_dir, u"5x36 sample.txt"_s, name));
  TSettings settings;
  for (int i = 0; i < 4; ++i)
    settings.WriteSetting(QString::fromUtf16(kSettingReopen[i]), files[i]);
  TRunningApp app;
  auto captions = [&app] {
    QStringList texts;
    for (const QString& name :
         {u"menuReopen01"_s, u"menuReopen02"_s, u"menuReopen03"_s, u"menuReopen04"_s})
      texts.append(app.Item(name)->text());
    return texts;
  };
  auto expected = [&files](std::initializer_list<int> order) {
    QStringList texts;
    int entry = 1;
    for (const int i : order) texts.append(QString::number(entry++) + u": "_s + files[i]);
    return texts;
  };
  QCOMPARE(captions(), expected({0, 1, 2, 3}));

  app.Trigger(u"menuReopen02"_s);  // B, A, C, D
  QCOMPARE(captions(), expected({1, 0, 2, 3}));
  QCOMPARE(app.form->windowTitle(), u"Lotrix 2.98.2 -- Lottery \"5x36 b\""_s);
  app.Trigger(u"menuReopen03"_s);  // C, B, A, D
  QCOMPARE(captions(), expected({2, 1, 0, 3}));
  app.Trigger(u"menuReopen04"_s);  // D, C, B, A
  QCOMPARE(captions(), expected({3, 2, 1, 0}));
  QCOMPARE(app.form->windowTitle(), u"Lotrix 2.98.2 -- Lottery \"5x36 d\""_s);
  QCOMPARE(Setting(kSettingReopen[3]), files[0]);

  // New Lottery: entry 1 emptied, the dialog asks; the chosen file becomes entry 1.
  const QString chosen = CopyExample(m_dir, u"6x45 korea lotto.txt"_s, u"6x45 new.txt"_s);
  app.host.OpenAnswers = {chosen};
  app.Trigger(u"menuLottoNew"_s);
  QCOMPARE(captions(), QStringList({u"1: "_s + chosen, u"2: "_s + files[3], u"3: "_s + files[2],
                                    u"4: "_s + files[1]}));
  QCOMPARE(app.host.Messages, QStringList{kSelectFile});
}

void TMainWindowTest::invalidDrawIsNotSaved() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 invalid.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  const QByteArray before = ReadBytes(file);
  QPlainTextEdit* memo = app.form->PanelTirazhi->MemoTirazhi;
  const QString typed = memo->toPlainText() + u"  401   3 17 17 20 30"_s;
  memo->setPlainText(typed);

  QTest::mouseClick(app.form->PanelTirazhi->btnSaveTirazhi, Qt::LeftButton);

  QCOMPARE(app.host.Messages,
           QStringList({u"Ошибка в строке 401: (Тираж номер 401), Есть одинаковые Шары."_s,
                        u"Результаты тиражей не сохранены.\rИсправьте ошибки в исходных данных и "
                        u"нажмите кнопку Сохранить."_s}));
  QCOMPARE(ReadBytes(file), before);
  QCOMPARE(memo->toPlainText(), typed);  // the editor keeps the user's text
  // The loaded history stays for the analyses, and its ordered view with it.
  QCOMPARE(app.Controller().Lottery().Tirazhi.size(), size_t{400});
  QVERIFY(app.form->PanelTirazhi->MemoTirazhiUp->toPlainText().startsWith(u"    1  "_s));
  app.Trigger(u"menuEven"_s);
  app.Settle();
  QVERIFY(app.form->PanelShowResult->Text().contains(u"Четные"_s));
}

void TMainWindowTest::validEditIsSavedAndReopened() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 valid.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  QPlainTextEdit* memo = app.form->PanelTirazhi->MemoTirazhi;
  const QString typed = memo->toPlainText() + u"401 30 3 17 20 36"_s;
  memo->setPlainText(typed);

  QTest::mouseClick(app.form->PanelTirazhi->btnSaveTirazhi, Qt::LeftButton);

  QCOMPARE(app.host.Messages, QStringList{u"Результаты тиражей успешно сохранены."_s});
  // The editor's lines, each ended by CR LF.
  QString expected = typed;
  expected.replace(u"\n"_s, u"\r\n"_s);
  expected += u"\r\n"_s;
  QCOMPARE(QString::fromUtf8(ReadBytes(file)), expected);
  // Re-opened: the new draw is in the table, in written form in the editors.
  QCOMPARE(app.Controller().Lottery().NewTira, 402);
  QCOMPARE(app.form->PanelMain->seNextTira->value(), 402);
  const QStringList lines = memo->toPlainText().split(u'\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), 401);
  QCOMPARE(lines.last(), u"  401     30   3  17  20  36"_s);
  QCOMPARE(
      app.form->PanelTirazhi->MemoTirazhiUp->toPlainText().split(u'\n', Qt::SkipEmptyParts).last(),
      u"  401      3  17  20  30  36"_s);
}

void TMainWindowTest::badFileNameClosesTheWindow() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"draws.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  QCOMPARE(app.host.Messages,
           QStringList{u"Ошибка наименования файла.\rПереименуйте файл с исходными данными, как "
                       u"описано в инструкции \"Lotrix. Описание.pdf\".\rВ имени \"draws\" "
                       u"меньше двух чисел: первое - число шаров в тираже, второе - наибольший "
                       u"номер шара (\"6x49 lotto.txt\")."_s});
  QVERIFY(!app.form->isVisible());
  QVERIFY(TSettings().SettingExistsAt(QString::fromUtf16(kSettingsRootKey),
                                      QString::fromUtf16(kSettingReopen[0])));
  QCOMPARE(Setting(kSettingReopen[0]), QString());
}

void TMainWindowTest::forecastMenusFollowTheLottery() {
  const QString keno = CopyExample(m_dir, u"20x80 hungary keno.txt"_s, u"20x80 keno.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), keno);
  {
    TRunningApp app;
    QVERIFY(app.Item(u"menuKENO"_s)->isEnabled());
    QVERIFY(!app.Item(u"menu49s"_s)->isEnabled());
    QVERIFY(!app.Item(u"menuPrognozCombi"_s)->isEnabled());
    QVERIFY(!app.Item(u"menuFilterFromLast"_s)->isEnabled());
    QCOMPARE(app.Controller().Lottery().BallsInDraw, 20);
  }
  const QString lotto = CopyExample(m_dir, u"7x49 canada lotto max.txt"_s, u"7x49 max.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), lotto);
  {
    TRunningApp app;
    QVERIFY(!app.Item(u"menuKENO"_s)->isEnabled());
    QVERIFY(app.Item(u"menu49s"_s)->isEnabled());
    QVERIFY(app.Item(u"menuPrognozCombi"_s)->isEnabled());  // 85,900,584
    QVERIFY(app.Item(u"menuFilterFromLast"_s)->isEnabled());
    // Items disabled in the form stay disabled; hidden ones stay hidden.
    QVERIFY(!app.Item(u"menuKarusel"_s)->isEnabled());
    QVERIFY(!app.Item(u"menuNeuralNet"_s)->isEnabled());
    QVERIFY(!app.Item(u"menuBonusBallColour"_s)->isEnabled());
    QVERIFY(!app.Item(u"menu65sys7"_s)->isVisible());
    QVERIFY(!app.Item(u"menuEmpty"_s)->isEnabled());
    QCOMPARE(app.Item(u"menuEmpty"_s)->text(), u"         "_s);
  }
}

void TMainWindowTest::researchMenuNeedsTheAccessCode() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 prof.txt"_s);
  TSettings settings;
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  {
    TRunningApp app;
    QVERIFY(!app.Item(u"menuResearches"_s)->isVisible());
  }
  settings.WriteSetting(QString::fromUtf16(kSettingProf),
                        QString::fromUtf16(kResearchAccessCode) + u"-x"_s);
  {
    TRunningApp app;
    QVERIFY(app.Item(u"menuResearches"_s)->isVisible());
    QVERIFY(!app.Item(u"menuCaterpillar"_s)->isEnabled());
  }
}

void TMainWindowTest::menuCommandsShowTheirPanels() {
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 panels.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  const struct {
    const char16_t* Item;
    const char16_t* Panel;
    int Code;  // -1: unchanged
  } rows[] = {
      {u"menuHotCold", u"PanelHotCold", 21},
      {u"menuEven", u"PanelEven", 7},
      {u"menuSleepy", u"PanelSleepy", 9},
      {u"menuFirstBall", u"PanelFirstBall", 10},
      {u"menuSummaBalls", u"PanelSummaBalls", 11},
      {u"menuIntervals", u"PanelIntervals", 4},
      {u"menuRepeats", u"PanelLastTira", 8},
      {u"menuDifference", u"PanelDifference", 13},
      {u"menuSkips", u"PanelSkips", 24},
      {u"menuRangeStat", u"PanelRangeStat", 22},
      {u"menuSlice", u"PanelSlice", 0},
      {u"menuCalculator", u"PanelCalculator", -1},
      {u"menuDogon", u"PanelDogon", -1},
      {u"menuRandomNumberGenerator", u"PanelRandomNumberGenerator", 0},
      {u"menuBasesUpload", u"PanelUpload", -1},
      {u"menuTreble", u"PanelTreble", 75},
      {u"menuPositions", u"PanelPositions", 18},
      {u"menuTest", u"PanelTest", 99},
      {u"menuFilterFromLast", u"PanelFilterFromLast", 72},
      {u"menuPrognozCombi", u"PanelPrognoz", 0},
  };
  for (const auto& row : rows) {
    const int before = app.Controller().ActiveAnalysis();
    app.Trigger(QString::fromUtf16(row.Item));
    app.Settle();  // the analyses run their report; the next command waits for it
    TAnalysisPanel* panel = app.form->AnalysisPanel(QString::fromUtf16(row.Panel));
    QVERIFY2(panel->isVisible(), qPrintable(QString::fromUtf16(row.Panel)));
    QCOMPARE(panel->geometry(), app.form->PanelEmpty->geometry());
    QVERIFY(app.form->PanelMain->isVisible());
    QVERIFY(app.form->PanelShowResult->isVisible());
    QVERIFY(!app.form->PanelTirazhi->isVisible());
    QCOMPARE(app.Controller().ActiveAnalysis(), row.Code < 0 ? before : row.Code);
    QCOMPARE(app.form->PanelMain->btnPrognozNew->isVisible(),
             QStringView(row.Item) == u"menuPrognozCombi");
  }
  app.Trigger(u"menuTiraMap"_s);
  QVERIFY(app.form->AnalysisPanel(u"PanelTiraMap"_s)->isVisible());
  QVERIFY(app.form->PanelEmpty->isVisible());
  QVERIFY(!app.form->PanelShowResult->isVisible());

  app.Trigger(u"menuAbout"_s);
  QVERIFY(app.form->PanelAbout->isVisible());
  QTest::mouseClick(app.form->findChild<QPushButton*>(u"btnAboutOK"_s), Qt::LeftButton);
  QVERIFY(!app.form->PanelAbout->isVisible());

  app.Trigger(u"menuTirazhi"_s);
  QVERIFY(app.form->PanelTirazhi->isVisible());
  QVERIFY(!app.form->PanelMain->isVisible());

  app.Trigger(u"menuExit"_s);
  QVERIFY(!app.form->isVisible());
}

// ---------------------------------------------------------------------------------------

void TLayoutAndBusyTest::layoutNumbersForAWindowSize() {
  TLayoutInput input;
  input.Client = QSize(1024, 700);
  const TPanelLayout l = ComputePanelLayout(input);
  QCOMPARE(l.PanelTirazhi, QRect(8, 8, 1008, 684));  // the client area, 8 pixels in
  QCOMPARE(l.PanelMain, QRect(8, 8, 329, 249));
  QCOMPARE(l.PanelEmpty, QRect(341, 8, 675, 249));        // 4 beside PanelMain, 8 from the right
  QCOMPARE(l.PanelShowResult, QRect(8, 265, 1008, 427));  // 8 below PanelMain, 8 from the bottom
  QCOMPARE(l.PanelTiraMap, QRect(8, 265, 1008, 427));  // the result pane's place (the map scrolls)
  QCOMPARE(l.PanelAbout, QRect(300, 300, 400, 177));

  // Narrower than PanelMain: PanelEmpty gets no width (never a negative one); shorter than
  // the panels: they get no height. The rest is placed all the same.
  input.Client = QSize(340, 600);
  QCOMPARE(ComputePanelLayout(input).PanelEmpty.width(), 0);
  input.Client = QSize(200, 200);
  const TPanelLayout small = ComputePanelLayout(input);
  for (const QRect& box : {small.PanelEmpty, small.PanelShowResult, small.PanelTirazhi})
    QVERIFY(box.width() >= 0 && box.height() >= 0);
}

void TLayoutAndBusyTest::resizeKeepsPanelsInTheirFrames() {
  TScriptedHost host;
  TfrmMain form(host);  // not shown: no lottery is opened
  // FormCreate's 340 x 600, widened to the window's minimum width.
  QCOMPARE(form.geometry(), QRect(0, 0, 640, 600));
  for (const QSize size : {QSize(1024, 768), QSize(1400, 900), QSize(800, 600)}) {
    form.resize(size);
    form.LayoutPanels();
    // The placement rules themselves: PanelEmpty beside PanelMain, every placed panel in
    // PanelEmpty's bounds, the result pane below PanelMain and inside the window's width.
    const QRect main = form.PanelMain->geometry();
    QCOMPARE(main, QRect(8, 8, 329, 249));
    QCOMPARE(form.PanelEmpty->geometry().topLeft(), QPoint(main.right() + 1 + 4, main.top()));
    QCOMPARE(form.PanelEmpty->height(), main.height());
    for (TAnalysisPanel* panel : form.AnalysisPanelList()) {
      if (panel->objectName() == u"PanelTiraMap"_s || panel->objectName() == u"PanelImage"_s)
        continue;
      QCOMPARE(panel->geometry(), form.PanelEmpty->geometry());
    }
    const QRect result = form.PanelShowResult->geometry();
    QCOMPARE(result.top(), main.bottom() + 1 + 8);
    QCOMPARE(result.left(), main.left());
    QVERIFY(result.right() < form.width());
    QVERIFY(form.rect().contains(form.PanelTirazhi->geometry()));
  }
}

void TLayoutAndBusyTest::everyControlIsReachableAtEverySize() {
  QTemporaryDir dir;
  const QString file = CopyExample(dir, u"6x49 canada lotto.txt"_s, u"6x49 sizes.txt"_s);
  TSettings settings;
  settings.ClearAll();
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  TRunningApp app;
  TfrmMain& form = *app.form;
  form.showNormal();
  const QStringList commands = {u"menuTirazhi"_s,     u"menuPrognozCombi"_s, u"menuHotCold"_s,
                                u"menuRepeats"_s,     u"menuSumForBets"_s,   u"menuRangeStat"_s,
                                u"menuBasesUpload"_s, u"menuFirstBall"_s,    u"menuIntervals"_s,
                                u"menuSlice"_s,       u"menuTiraMap"_s,      u"menuSkips"_s};
  for (const QSize size : {QSize(1920, 1200), QSize(1280, 800), QSize(900, 650), QSize(800, 560),
                           QSize(700, 480), QSize(640, 480), QSize(400, 300)}) {
    form.resize(size);
    QVERIFY(form.width() >= kMinimumWindowSize.width() &&
            form.height() >= kMinimumWindowSize.height());
    for (const QString& command : commands) {
      app.Trigger(command);
      app.Settle();
      QCoreApplication::processEvents();
      const QString where = command + u" at "_s + QString::number(size.width()) + u'x' +
                            QString::number(size.height());
      for (QWidget* shown :
           form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!shown->isVisible() || shown == form.PanelShowResult) continue;
        const QStringList hidden = UnreachableControls(form, *shown);
        QVERIFY2(hidden.isEmpty(), qPrintable(where + u": "_s + hidden.join(u", "_s)));
      }
      if (form.PanelShowResult->isVisible())
        QVERIFY2(form.centralWidget()->rect().contains(form.PanelShowResult->geometry()),
                 qPrintable(where));
    }
    // The draws lists share the client's width: they widen on a large screen.
    const int lists =
        form.PanelTirazhi->MemoTirazhi->width() + form.PanelTirazhi->MemoTirazhiUp->width();
    QVERIFY2(lists > form.centralWidget()->width() - 120, qPrintable(QString::number(lists)));
  }
}

void TLayoutAndBusyTest::busyGuardDisablesAndRestores() {
  TScriptedHost host;
  TfrmMain form(host);
  TPanelMain* main = form.PanelMain;
  main->btnSharyEnableAll->setEnabled(false);  // disabled before the work
  QVERIFY(form.findChild<QWidget*>(u"seNextTira"_s)->isEnabled());
  {
    TSetBusy busy(&form, form.Panel<TPanelRangeStat>());
    QVERIFY(!main->seNextTira->isEnabled());
    QVERIFY(!main->poleSharyEnable->isEnabled());
    QVERIFY(!main->btnSharyEnableClear->isEnabled());
    QVERIFY(!main->btnSharyEnableAll->isEnabled());
    QVERIFY(!main->btnPrognozNew->isEnabled());
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A control outside the list stays usable.
    QVERIFY(form.Panel<TPanelRangeStat>()->btnRangeStatRefresh->isEnabled());
    {
      TSetBusy nested(&form);
      QVERIFY(!main->seNextTira->isEnabled());
    }
    QVERIFY(!main->seNextTira->isEnabled());  // the outer guard still holds
  }
  QVERIFY(main->seNextTira->isEnabled());
  QVERIFY(main->poleSharyEnable->isEnabled());
  QVERIFY(main->btnSharyEnableClear->isEnabled());
  QVERIFY(!main->btnSharyEnableAll->isEnabled());  // stays as it was
  QVERIFY(QApplication::overrideCursor() == nullptr);
  QCOMPARE(BusyControlNames().size(), size_t{83});
}

// ---------------------------------------------------------------------------------------

void TRangePanelTest::init() {
  TSettings().ClearAll();
  const QString file = m_dir.filePath(u"5x36 range.txt"_s);
  if (!QFile::exists(file)) QFile::copy(ExamplesDir() + u"/5x36 sample.txt"_s, file);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
}

void TRangePanelTest::reportShowsItsLinesAndHighlights() {
  TRunningApp app;
  app.Trigger(u"menuRangeStat"_s);
  TPanelRangeStat* panel = app.form->Panel<TPanelRangeStat>();
  QVERIFY(panel->isVisible());
  QCOMPARE(app.Controller().ActiveAnalysis(), 22);
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());  // nothing runs until Refresh

  panel->poleRangeStatSource->setText(u"3 7 7 1 3 5 7 3 1 1 7 3 5"_s);
  panel->checkRangeStatMarkov->setChecked(true);
  panel->checkRangeStatSort->setChecked(true);
  QTest::mouseClick(panel->btnRangeStatRefresh, Qt::LeftButton);
  app.Controller().Work().WaitForFinished();

  TRangeStatParams params =
      std::get<TRangeStatParams>(panel->Params(0, app.host.DecimalSeparator()));
  TReportPane expected;
  ShowRangeStatistic(params, expected);
  QTextEdit* pane = app.form->PanelShowResult->RichEditShowResult;
  VerifyDocumentMatchesPane(*pane->document(), expected);
  const QStringList lines = pane->toPlainText().split(u'\n');
  QCOMPARE(lines[0], u"Статистика Ряда. (The Range statistic)."_s);
  QCOMPARE(lines[2], u"<-- <-- Исходный Ряд (Source Range) <-- <--"_s);
  QVERIFY(lines.contains(u"Число Шаров = 13"_s));

  // The Markov row of the newest value is on light grey (the Range report marks nothing
  // in red; red spans are checked with the forecast-sized pane below).
  bool grey = false;
  for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.hasProperty(QTextFormat::BackgroundBrush) &&
          format.background().color() == QColor(230, 230, 230))
        grey = true;
    }
  QVERIFY(grey);
  QCOMPARE(pane->textCursor().position(), 0);
  QCOMPARE(pane->verticalScrollBar()->value(), 0);
  // The busy state ended: the controls it disabled are usable again.
  QVERIFY(app.form->PanelMain->seNextTira->isEnabled());
  QVERIFY(!app.form->ProgressBusy->isVisible());
}

void TRangePanelTest::switchesRerunOnlyTheRangeReport() {
  TRunningApp app;
  TPanelRangeStat* panel = app.form->Panel<TPanelRangeStat>();
  panel->poleRangeStatSource->setText(u"4 2 4 9"_s);
  app.Trigger(u"menuRangeStat"_s);
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());
  for (QCheckBox* box :
       {panel->checkRangeStatSort, panel->checkRangeStatSeries, panel->checkRangeStatSteps,
        panel->checkRangeStatStepsSort, panel->checkRangeStatMarkov}) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    app.Controller().Work().WaitForFinished();
    TReportPane expected;
    WriteReport(nullptr, panel->Params(0, app.host.DecimalSeparator()), expected);
    QCOMPARE(app.form->PanelShowResult->Text(), expected.Text());
  }
  // A change of the analysed draw re-runs it too.
  app.form->PanelShowResult->Clear();
  app.form->PanelMain->seNextTira->setValue(100);
  app.Controller().Work().WaitForFinished();
  QVERIFY(app.form->PanelShowResult->Text().startsWith(u"Статистика Ряда."_s));

  // While another analysis is active, the switches do nothing.
  app.Trigger(u"menuEven"_s);
  app.Settle();
  const QString even = app.form->PanelShowResult->Text();
  QVERIFY(even.startsWith(u"Статистика выпадения \"Четных\""_s));
  panel->checkRangeStatMarkov->click();
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.form->PanelShowResult->Text(), even);
}

void TRangePanelTest::reverseAndClearEditTheSource() {
  TRunningApp app;
  app.Trigger(u"menuRangeStat"_s);
  TPanelRangeStat* panel = app.form->Panel<TPanelRangeStat>();
  panel->poleRangeStatSource->setText(u"1, 2, 3"_s);
  QTest::mouseClick(panel->btnRangeStatReverse, Qt::LeftButton);
  QCOMPARE(panel->poleRangeStatSource->text(), u" 3 2 1 "_s);
  QTest::mouseClick(panel->btnRangeStatReverse, Qt::LeftButton);
  QCOMPARE(panel->poleRangeStatSource->text(), u" 1 2 3 "_s);
  QTest::mouseClick(panel->btnRangeStatClear, Qt::LeftButton);
  QCOMPARE(panel->poleRangeStatSource->text(), QString());
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());  // neither re-runs the report
  QCOMPARE(panel->btnRangeStatReverse->text(), u"Реверс"_s);
  QCOMPARE(panel->btnRangeStatRefresh->text(), u"Обновить"_s);
  QCOMPARE(panel->Caption(), u"Ряд (Range)"_s);
}

void TRangePanelTest::commandsAreRefusedWhileWorkRuns() {
  TRunningApp app;
  app.Trigger(u"menuRangeStat"_s);
  app.form->PanelMain->btnSharyEnableClear->setEnabled(false);
  QSemaphore release;
  QVERIFY(app.Controller().RunReport(
      [&release](THost&, TReportPane& pane) {
        release.acquire();
        pane.AddLine(u"long report"_s);
      },
      app.form->Panel<TPanelRangeStat>()));
  QVERIFY(app.Controller().Work().IsRunning());
  QVERIFY(!app.form->PanelMain->seNextTira->isEnabled());
  QVERIFY(app.form->btnBusyCancel->isVisibleTo(app.form.get()));
  QVERIFY(app.form->ProgressBusy->isVisibleTo(app.form.get()));

  // Refused: another report, a menu command, a button.
  QVERIFY(!app.Controller().RunReport([](THost&, TReportPane&) {}, nullptr));
  app.Trigger(u"menuTirazhi"_s);
  QVERIFY(app.form->Panel<TPanelRangeStat>()->isVisible());
  QVERIFY(!app.form->PanelTirazhi->isVisible());
  app.form->Panel<TPanelRangeStat>()->poleRangeStatSource->setText(u"1 2"_s);
  QTest::mouseClick(app.form->Panel<TPanelRangeStat>()->btnRangeStatReverse, Qt::LeftButton);
  QCOMPARE(app.form->Panel<TPanelRangeStat>()->poleRangeStatSource->text(), u"1 2"_s);

  release.release();
  app.Controller().Work().WaitForFinished();
  QCOMPARE(app.form->PanelShowResult->Text(), u"long report"_s);
  QVERIFY(app.form->PanelMain->seNextTira->isEnabled());
  QVERIFY(!app.form->PanelMain->btnSharyEnableClear->isEnabled());

  // Cancel drops the result: the pane stays empty.
  QVERIFY(app.Controller().RunReport(
      [&release](THost&, TReportPane& pane) {
        release.acquire();
        pane.AddLine(u"cancelled report"_s);
      },
      nullptr));
  QTest::mouseClick(app.form->btnBusyCancel, Qt::LeftButton);
  release.release();
  app.Controller().Work().WaitForFinished();
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());
  QVERIFY(app.form->PanelMain->seNextTira->isEnabled());
}

void TRangePanelTest::paneRendersEveryLineInOnePass() {
  // A forecast-sized listing: a few highlighted header lines, then plain rows.
  constexpr int kLines = 376'992;
  TRunningApp app;
  app.Trigger(u"menuRangeStat"_s);
  QVERIFY(app.Controller().RunReport(
      [](THost&, TReportPane& pane) {
        pane.AddLine(u"Прогноз (Forecast)"_s);
        pane.HighlightSpan(0, 0, 7, clRed, clWhite, fsBold);
        pane.AddLine(u"  <b>&\"quoted\""_s);
        pane.HighlightSpan(1, 2, 3, clLeave, clLightGrey, 0);
        QStringList rows;
        rows.reserve(kLines - 2);
        for (int i = 0; i < kLines - 2; ++i)
          rows.append(IntPadLeft(8, i + 1) + u"   3  11  17  25  30  36"_s);
        TReportPane listing;
        listing.ReplaceLines(rows);
        pane.Append(listing);
      },
      nullptr));
  app.Controller().Work().WaitForFinished();
  QTextEdit* edit = app.form->PanelShowResult->RichEditShowResult;
  QTextDocument* document = edit->document();
  QCOMPARE(document->blockCount(), kLines);
  QCOMPARE(document->begin().text(), u"Прогноз (Forecast)"_s);
  QCOMPARE(FormatAt(document->begin(), 0).foreground().color(), QColor(255, 0, 0));
  QCOMPARE(FormatAt(document->begin().next(), 2).background().color(), QColor(230, 230, 230));
  QCOMPARE(document->begin().next().text(), u"  <b>&\"quoted\""_s);
  QCOMPARE(document->lastBlock().text(), IntPadLeft(8, kLines - 2) + u"   3  11  17  25  30  36"_s);
  QCOMPARE(edit->textCursor().position(), 0);
  QCOMPARE(edit->verticalScrollBar()->value(), 0);
  QVERIFY(!edit->isReadOnly());
  QCOMPARE(edit->lineWrapMode(), QTextEdit::NoWrap);
}
