#pragma once
// The main window: the menu (built from MenuTables), the panels and the layout rule. It
// holds the views only; every command goes to TController.

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "Layout.h"
#include "MenuTables.h"

class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class TAnalysisPanel;
class TController;
class TPanelAbout;
class TPanelMain;
class TPanelShowResult;
class TPanelTirazhi;
class TWidgetHost;

class TfrmMain : public QMainWindow {
  Q_OBJECT
public:
  // FormCreate: builds the window at 0, 0, 340 x 600 with every menu item and panel.
  // `host` answers messages and dialogs (scripted in tests); the window does not own it.
  explicit TfrmMain(TWidgetHost& host, QWidget* parent = nullptr);
  ~TfrmMain() override;

  TMainMenu Menu;  // every menu item by name
  QMenu* Submenu(const QString& name) const { return m_submenus.value(name); }

  TPanelMain* PanelMain;
  QFrame* PanelEmpty;
  TPanelShowResult* PanelShowResult;
  TPanelTirazhi* PanelTirazhi;
  TPanelAbout* PanelAbout;
  QProgressBar* ProgressBusy;
  QPushButton* btnBusyCancel;
  QLabel* lbStatus;  // the lottery, its draw count and the analysed draw
  // Shortcuts without a menu item: Ctrl+S saves the draws, F5 runs the shown report again.
  QAction* actSaveDraws;
  QAction* actRerun;

  // The analysis panel with this object name (nullptr when there is none).
  TAnalysisPanel* AnalysisPanel(const QString& name) const { return m_panels.value(name); }
  QList<TAnalysisPanel*> AnalysisPanelList() const { return m_panelOrder; }
  // The analysis panel of this class (each panel class is built once).
  template <typename TPanel>
  TPanel* Panel() const {
    return findChild<TPanel*>();
  }

  TController& Controller() { return *m_controller; }

  // Every caption of the two caption tables in the language.
  void SetCaptions(const QString& language);
  // The placement rule for the client area's current size.
  void LayoutPanels();
  // Gives the panel PanelEmpty's bounds.
  void PlacePanel(QWidget* panel);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  void BuildMenu();
  void BuildPanels();

  QHash<QString, QMenu*> m_submenus;
  QHash<QString, TAnalysisPanel*> m_panels;
  QList<TAnalysisPanel*> m_panelOrder;
  std::unique_ptr<TController> m_controller;
  bool m_activated = false;
};
