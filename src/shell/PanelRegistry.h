#pragma once
// Every analysis panel of the window: its object name, its caption and the class that builds
// its controls. A panel whose controls are not built yet is a plain frame. Adding a panel is
// its class and one row here, plus its menu command's row in the controller's table.

#include <QString>
#include <span>

class QWidget;
class TAnalysisPanel;

struct TPanelDef {
  const char16_t* Name;
  const char16_t* Caption;
  bool Placed;  // takes PanelEmpty's bounds (PlacePanel); false for the draws map and PanelImage
  TAnalysisPanel* (*Make)(const QString& name, const QString& caption, QWidget* parent);
};

// Every analysis panel, in the order prHideAll hides them.
std::span<const TPanelDef> PanelDefs();
