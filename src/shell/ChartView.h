#pragma once
// The charts of a report drawn with Qt Charts: the value series of the history above (the
// analysed draw's value as a red point) and the frequency bars below (its bar red). A report
// with several charts (one per interval, per slice) offers them in a list above.

#include <QWidget>
#include <memory>
#include <vector>

struct TChartModel;
using TCharts = std::vector<TChartModel>;
class QChartView;
class QComboBox;

class TChartView : public QWidget {
  Q_OBJECT
public:
  explicit TChartView(QWidget* parent);
  // Shows the charts; the one chosen in the list stays chosen while the report's charts keep
  // their titles (the next draw of the same slices), else the first.
  void SetCharts(std::shared_ptr<const TCharts> charts);

  QComboBox* cbChartPart;
  QChartView *SeriesView, *BarsView;

private:
  void Draw(const TChartModel& chart);
  std::shared_ptr<const TCharts> m_charts;  // shared with the result pane
};
