#pragma once
// The layout rule of the main window: where every panel goes for a window of W x H pixels
// (the window's outer size). A pure computation, so the numbers can be checked on their own;
// TfrmMain::LayoutPanels applies them on every resize and before a command shows a panel.

#include <QRect>
#include <QSize>

inline constexpr int kPanelMainWidth = 329;
inline constexpr int kPanelMainHeight = 249;
inline constexpr int kPanelTiraMapHeight = 700;

// Sizes of the few controls whose size the rule reads.
struct TLayoutInput {
  QSize Window;  // W x H, the outer size of the window
  QSize PanelMain{kPanelMainWidth, kPanelMainHeight};
  int SaveButtonHeight = 25;  // btnSaveTirazhi
  QSize LabelTirazhi;         // lbTirazhi
  QSize LabelTirazhiUp;       // lbTirazhiUp
  int ShowNextHeight = 17;    // checkTiraMapShowNext
};

// Panel rectangles are in the window's client coordinates; the draws controls are relative
// to PanelTirazhi, RichEditShowResult to PanelShowResult, checkTiraMapShowNext to
// PanelTiraMap.
struct TPanelLayout {
  QRect PanelTirazhi, MemoTirazhi, lbTirazhi, MemoTirazhiUp, lbTirazhiUp, btnSaveTirazhi;
  QRect PanelMain, PanelEmpty;  // every analysis panel takes PanelEmpty's rectangle
  QRect PanelShowResult, RichEditShowResult;
  QRect PanelTiraMap, checkTiraMapShowNext;
  QRect PanelAbout;
};

TPanelLayout ComputePanelLayout(const TLayoutInput& input);
