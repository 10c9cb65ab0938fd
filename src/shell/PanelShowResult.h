#pragma once
// The result pane: RichEditShowResult on its panel. Reports arrive as a finished document
// (prepared off the GUI thread), which replaces the pane's content in one step; the chart of a
// one-number report can be shown beside it.

#include <QFrame>
#include <memory>
#include <vector>

class QCheckBox;
class QTextDocument;
class QTextEdit;
class TChartView;
class TReportPane;
struct TChartModel;
using TCharts = std::vector<TChartModel>;

class TPanelShowResult : public QFrame {
  Q_OBJECT
public:
  explicit TPanelShowResult(QWidget* parent);

  // The document becomes the pane's content (the pane owns it); caret at the start,
  // scrolled to the top.
  void ShowDocument(std::unique_ptr<QTextDocument> document);
  // Builds the document of a pane on this thread and shows it (small panes, tests).
  void ShowPane(const TReportPane& pane);
  void Clear();
  QString Text() const;
  // The charts of the report shown (none: the chart box and view are hidden). "График
  // (Chart)" shows them beside the text.
  void ShowCharts(std::shared_ptr<const TCharts> charts);
  // The charts of the report shown; none when it has no chart.
  const TCharts& Charts() const;

  QTextEdit* RichEditShowResult;
  QCheckBox* cbShowChart;
  TChartView* ChartShowResult;

private:
  void UpdateChart();
  std::shared_ptr<const TCharts> m_charts;
};
