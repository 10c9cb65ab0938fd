#pragma once
// An analysis panel: a framed area with its caption at the top edge. Panels whose controls
// are not built yet are plain frames of this class; a panel with controls derives from it.
// AnalysisPanels() lists every panel of the window with its caption.

#include <QFrame>
#include <QString>

#include <span>

class QAbstractButton;
class QLabel;
class QSpinBox;

class TAnalysisPanel : public QFrame {
  Q_OBJECT
public:
  TAnalysisPanel(const QString& name, const QString& caption, QWidget* parent);
  QString Caption() const;
  void SetCaption(const QString& caption);

Q_SIGNALS:
  // A control whose change re-runs the panel's report was changed (the controller binds
  // this to prRefreshResults).
  void ParametersChanged();

protected:
  // Every value change of the spin edit, every toggle of the check box re-runs the report.
  void RerunOnChange(QSpinBox* spinEdit);
  void RerunOnChange(QAbstractButton* checkBox);

  QLabel* m_caption;
};

struct TAnalysisPanelDef {
  const char16_t* Name;
  const char16_t* Caption;
  bool Placed;  // takes PanelEmpty's bounds (PlacePanel); false for the draws map and PanelImage
};

// Every analysis panel, in the order prHideAll hides them.
std::span<const TAnalysisPanelDef> AnalysisPanels();
