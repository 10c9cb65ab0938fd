#pragma once
// The Repeats panel: the history length, the size of the source group and its distance.

#include "AnalysisPanel.h"
#include "analyses/Repeats.h"

class QSpinBox;

class TPanelLastTira : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelLastTira(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  TRepeatsParams Params(int nextTira, QChar decimalSeparator) const;

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
