#pragma once
// The common parameter panel at the top left: the analysed draw, the available balls, and
// the forecast controls that only the forecast command shows.

#include <QFrame>

#include "Layout.h"
#include "forecast/ForecastRun.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TPanelMain : public QFrame {
  Q_OBJECT
public:
  explicit TPanelMain(QWidget* parent);

  // Shows or hides Label98 ... Bevel83.
  void SetForecastControlsVisible(bool visible);
  QList<QWidget*> ForecastControls() const;
  // The forecast draw T, the available balls, M and the automatic-only switch.
  void FillForecastParams(TForecastParams& params) const;

  QSpinBox* seNextTira;
  QLabel* lbNextTira;     // "Тираж"
  QLabel* lbNextTiraEng;  // "Next Draw"
  QLineEdit* poleSharyEnable;
  QLabel* lbSharyEnable;
  QPushButton* btnSharyEnableClear;
  QPushButton* btnSharyEnableAll;

  QLabel *Label98, *Label99, *Label103, *Label239, *Label240, *Label241;
  QPushButton *btnPrognozNew, *btnPrognozShow;
  QCheckBox* cbPrognozAuto;
  QSpinBox* sePrognozNumCombiShow;
  QFrame* Bevel83;
};
