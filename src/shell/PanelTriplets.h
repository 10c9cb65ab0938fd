#pragma once
// The Triplets panel (Researches): "Обновить" lists the close triples of the analysed draw.
// Its other controls stand as they did in the research build and do nothing.

#include "AnalysisPanel.h"

class QPushButton;

class TPanelTriplets : public TReportPanel {
  Q_OBJECT
public:
  TPanelTriplets(const QString& name, const QString& caption, QWidget* parent);
  TReportParams Params(int nextTira, QChar decimalSeparator) const override;
  QList<TPanelButton> Buttons() override;

  QPushButton* btnTripletsShow;
};
