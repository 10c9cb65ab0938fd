#pragma once
// The chart of a report drawn with Qt Charts: the value series of the history above (the
// analysed draw's value as a red point) and the frequency bars below (its bar red).

#include <QWidget>

struct TChartModel;
class QChartView;

class TChartView : public QWidget {
  Q_OBJECT
public:
  explicit TChartView(QWidget* parent);
  void SetChart(const TChartModel& chart);

  QChartView *SeriesView, *BarsView;
};
