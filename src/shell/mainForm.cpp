#include "mainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>

#include "AnalysisPanel.h"
#include "Controller.h"
#include "PanelAbout.h"
#include "PanelMain.h"
#include "PanelRegistry.h"
#include "PanelShowResult.h"
#include "PanelTirazhi.h"
#include "QtLanguage.h"
#include "Tooltips.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

TfrmMain::TfrmMain(TWidgetHost& host, QWidget* parent) : QMainWindow(parent) {
  setObjectName(u"frmMain"_s);
  setWindowTitle(QString::fromUtf16(kProgramTitle));
  QFont font(u"Tahoma"_s, 8);
  setFont(font);
  BuildMenu();
  BuildPanels();

  ProgressBusy = new QProgressBar(this);
  ProgressBusy->setObjectName(u"ProgressBusy"_s);
  ProgressBusy->setMaximumWidth(240);
  btnBusyCancel = new QPushButton(this);
  btnBusyCancel->setObjectName(u"btnBusyCancel"_s);
  btnBusyCancel->setText(u"Cancel"_s);
  lbStatus = new QLabel(this);
  lbStatus->setObjectName(u"lbStatus"_s);
  statusBar()->addWidget(lbStatus);
  statusBar()->addPermanentWidget(ProgressBusy);
  statusBar()->addPermanentWidget(btnBusyCancel);
  auto shortcut = [this](const QString& name, const QKeySequence& keys) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
  };
  // The same keys on every platform (a desktop's own scheme may have no Quit key).
  actSaveDraws = shortcut(u"actSaveDraws"_s, QKeySequence(Qt::CTRL | Qt::Key_S));
  actRerun = shortcut(u"actRerun"_s, QKeySequence(Qt::Key_F5));
  Menu.menuLottoNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Menu.menuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  Menu.menuManual->setShortcut(QKeySequence(Qt::Key_F1));

  m_controller = std::make_unique<TController>(*this, host);
  // FormCreate: at the screen's top-left corner, 340 x 600 (no smaller than the panels need).
  setMinimumSize(kMinimumWindowSize);
  setGeometry(0, 0, 340, 600);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildMenu() {
  for (const TMenuItemDef& item : MenuItems()) {
    const QString name = QString::fromUtf16(item.Name);
    QMenu* parentMenu =
        item.Parent != nullptr ? m_submenus.value(QString::fromUtf16(item.Parent)) : nullptr;
    if (parentMenu != nullptr && (item.Flags & mfSeparatorBefore) != 0) parentMenu->addSeparator();
    QAction* action = nullptr;
    if ((item.Flags & mfSubmenu) != 0) {
      auto* submenu = new QMenu(CaptionIn(item, u"rus"_s), this);
      submenu->setObjectName(name);
      m_submenus.insert(name, submenu);
      action = parentMenu != nullptr ? parentMenu->addMenu(submenu) : menuBar()->addMenu(submenu);
    } else {
      action = new QAction(CaptionIn(item, u"rus"_s), this);
      if (parentMenu != nullptr)
        parentMenu->addAction(action);
      else
        menuBar()->addAction(action);
    }
    action->setObjectName(name);
    if ((item.Flags & mfDisabled) != 0) action->setEnabled(false);
    if ((item.Flags & mfHidden) != 0) action->setVisible(false);
    Menu.*(item.Member) = action;
  }
  Menu.menuResearches->setVisible(false);  // shown only with the research access value
}

void TfrmMain::BuildPanels() {
  auto* client = new QWidget(this);
  client->setObjectName(u"ClientArea"_s);
  setCentralWidget(client);
  client->installEventFilter(this);  // FormResize: the panels follow the client area

  PanelTirazhi = new TPanelTirazhi(client);
  PanelMain = new TPanelMain(client);
  PanelMain->hide();
  PanelEmpty = new QFrame(client);
  PanelEmpty->setObjectName(u"PanelEmpty"_s);
  PanelEmpty->setFrameShape(QFrame::StyledPanel);
  PanelEmpty->hide();
  PanelShowResult = new TPanelShowResult(client);
  for (const TPanelDef& def : PanelDefs()) {
    const QString name = QString::fromUtf16(def.Name);
    TAnalysisPanel* panel = def.Make(name, QString::fromUtf16(def.Caption), client);
    m_panels.insert(name, panel);
    m_panelOrder.append(panel);
  }
  PanelAbout = new TPanelAbout(client);
}

void TfrmMain::SetCaptions(const QString& language) {
  ApplyQtLanguage(language);
  QString accelerators;  // the letters the menu bar's items already use
  for (const TMenuItemDef& item : MenuItems()) {
    // The recent-files entries carry their paths; their captions come from the list.
    if (item.Parent != nullptr && QStringView(item.Parent) == u"menuReopen") continue;
    QString caption = CaptionIn(item, language);
    // The menu bar's own items get Alt + a letter no other item of the bar has.
    if (item.Parent == nullptr && (item.Flags & mfDisabled) == 0 &&
        item.Member != &TMainMenu::menuLanguage) {
      for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar letter = caption[i].toLower();
        if (!letter.isLetter() || accelerators.contains(letter)) continue;
        accelerators += letter;
        caption.insert(i, u'&');
        break;
      }
    }
    (Menu.*(item.Member))->setText(caption);
  }
  for (const TControlCaptionDef& def : ControlCaptions()) {
    const QString name = QString::fromUtf16(def.Name);
    const QString caption = CaptionIn(def, language);
    if (name == u"PanelTirazhi"_s) {
      PanelTirazhi->SetCaption(caption);
    } else if (auto* panel = m_panels.value(name)) {
      panel->SetCaption(caption);
    } else if (auto* button = findChild<QAbstractButton*>(name)) {
      button->setText(caption);
    } else if (auto* label = findChild<QLabel*>(name)) {
      label->setText(caption);
      label->adjustSize();
    }
  }
  ApplyTooltips(*this, language);
  LayoutPanels();  // label sizes changed
}

void TfrmMain::LayoutPanels() {
  TLayoutInput input;
  input.Client = centralWidget()->size();
  input.PanelMain = PanelMain->size();
  const TPanelLayout layout = ComputePanelLayout(input);
  PanelTirazhi->setGeometry(layout.PanelTirazhi);
  PanelMain->move(layout.PanelMain.topLeft());
  PanelEmpty->setGeometry(layout.PanelEmpty);
  for (const TPanelDef& def : PanelDefs())
    if (def.Placed) PlacePanel(m_panels.value(QString::fromUtf16(def.Name)));
  PanelShowResult->setGeometry(layout.PanelShowResult);
  if (auto* map = m_panels.value(u"PanelTiraMap"_s)) map->setGeometry(layout.PanelTiraMap);
  PanelAbout->setGeometry(layout.PanelAbout);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  // The client area got its new size (the window's, less the menu bar and status bar).
  if (watched == centralWidget() && event->type() == QEvent::Resize) LayoutPanels();
  return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::PlacePanel(QWidget* panel) {
  if (panel != nullptr) panel->setGeometry(PanelEmpty->geometry());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // The close box and Exit: unsaved edits are asked about, a running report is cancelled.
  if (!m_controller->PrepareToClose()) {
    event->ignore();
    return;
  }
  m_controller->SaveSession();
  event->accept();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_activated) return;
  m_activated = true;
  // FormActivate, once the window is on screen and the event loop runs.
  QMetaObject::invokeMethod(m_controller.get(), &TController::FormActivate, Qt::QueuedConnection);
}
