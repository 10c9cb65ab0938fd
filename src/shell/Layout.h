#pragma once
// The placement rule of the main window's panels for a client area of W x H pixels (the
// window without its menu bar and status bar): the draws panel fills it; PanelMain sits at
// the top left with the analysis panel (PanelEmpty's place) beside it and the result pane
// below, 8 pixels apart and from the edges. A pure computation, so the numbers can be checked
// on their own; TfrmMain::LayoutPanels applies them on every resize and before a command shows
// a panel. What is inside a panel is laid out by the panel's own Qt layout.

#include <QRect>
#include <QSize>

inline constexpr int kPanelMainWidth = 329;
inline constexpr int kPanelMainHeight = 249;
inline constexpr int kPanelTiraMapHeight = 700;
// The smallest window the panels are laid out for; smaller panels scroll.
inline constexpr QSize kMinimumWindowSize{640, 480};

struct TLayoutInput {
  QSize Client;  // W x H, the client area of the window
  QSize PanelMain{kPanelMainWidth, kPanelMainHeight};
};

// Panel rectangles are in the client area's coordinates. No rectangle has a negative size.
struct TPanelLayout {
  QRect PanelTirazhi;
  QRect PanelMain, PanelEmpty;  // every placed analysis panel takes PanelEmpty's rectangle
  QRect PanelShowResult;
  QRect PanelTiraMap;  // the result pane's place, up to 700 pixels high (the map scrolls)
  QRect PanelAbout;
};

TPanelLayout ComputePanelLayout(const TLayoutInput& input);
