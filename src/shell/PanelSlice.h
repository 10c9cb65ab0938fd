#pragma once
// The Slices panel: history, slice size and maximum skip; its two buttons run the slice
// report and the TotalWin history. A parameter change runs nothing.

#include "AnalysisPanel.h"

class QPushButton;
class QSpinBox;

class TPanelSlice : public TReportPanel {
  Q_OBJECT
public:
  TPanelSlice(const QString& name, const QString& caption, QWidget* parent);
  TReportParams Params(int nextTira, QChar decimalSeparator) const override;
  QList<TPanelButton> Buttons() override;

  QLabel *lbSliceHistory, *lbSliceHistoryEng;
  QSpinBox* seSliceHistory;
  QLabel *lbSliceSize, *lbSliceSizeEng;
  QSpinBox* seSliceSize;
  QLabel *lbSliceMaxSkip, *lbSliceMaxSkipEng;
  QSpinBox* seSliceMaxSkip;
  QLabel *lbSliceShow, *lbSliceShowEng;
  QPushButton* btnSliceShow;
  QLabel *lbSliceTotalWinHistory, *lbSliceTotalWinHistoryEng;
  QPushButton* btnSliceTotalWinHistory;
};
