#pragma once
// The Repeats panel: the history length, the size of the source group and its distance.

#include "AnalysisPanel.h"

class QSpinBox;

class TPanelLastTira : public TReportPanel {
  Q_OBJECT
public:
  TPanelLastTira(const QString& name, const QString& caption, QWidget* parent);

  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbRepeatsHistory;     // "История"
  QLabel* lbRepeatsHistoryEng;  // "History"
  QSpinBox* seRepeatsHistory;
  QLabel* lbRepeatsCount;     // "Число тиражей"
  QLabel* lbRepeatsCountEng;  // "Number of the Draws"
  QSpinBox* seRepeatsCount;
  QLabel* lbRepeatsOtstup;     // "Отступ"
  QLabel* lbRepeatsOtstupEng;  // "Indent"
  QSpinBox* seRepeatsOtstup;
};
