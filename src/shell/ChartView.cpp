#include "ChartView.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/Chart.h"

using namespace Qt::StringLiterals;

namespace {

QChartView* MakeView(QWidget* parent, const QString& name) {
  auto* view = new QChartView(new QChart(), parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->chart()->legend()->hide();
  return view;
}

// A new chart for the view (the old one goes with it). Small fonts and margins: the chart
// shares the pane with the report's text and must stay legible at 800 × 600.
QChart* Renew(QChartView* view, const QString& title) {
  auto* chart = new QChart();
  chart->legend()->hide();
  chart->setTitle(title);
  QFont font = chart->titleFont();
  font.setPointSizeF(std::max(7.0, font.pointSizeF() * 0.8));
  chart->setTitleFont(font);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundRoundness(0);
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
  return chart;
}

void SmallLabels(QAbstractAxis* axis) {
  QFont font = axis->labelsFont();
  font.setPointSizeF(7.5);
  axis->setLabelsFont(font);
}

// Draws and values are whole numbers: ticks on whole numbers, about eight of them.
void WholeNumberTicks(QValueAxis* axis) {
  if (axis == nullptr) return;
  SmallLabels(axis);
  const double low = std::floor(axis->min()), high = std::ceil(axis->max());
  axis->setRange(low, std::max(high, low + 1));
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(low);
  // About eight along the draws, four up the values (the chart is wider than high).
  const double ticks = axis->orientation() == Qt::Horizontal ? 8 : 4;
  axis->setTickInterval(std::max(1.0, std::ceil((high - low) / ticks)));
  axis->setLabelFormat(u"%d"_s);
}

// The tick step of counts up to `top`: the smallest of 1, 2, 5 times a power of ten that
// leaves at most four steps, so that the labels stay legible in a small window.
double RoundStep(double top) {
  for (double decade = 1;; decade *= 10)
    for (const double times : {1.0, 2.0, 5.0})
      if (top / (decade * times) <= 4) return decade * times;
}

// The values under the bars (bar i stands at i): every one when they are few, else every
// k-th, so that the labels never overlap or elide in a small window.
QAbstractAxis* BarValueAxis(const std::vector<int64_t>& values, QChart* chart) {
  constexpr size_t kMostLabels = 12;
  auto* axis = new QCategoryAxis(chart);
  const size_t step = std::max<size_t>(1, (values.size() + kMostLabels - 1) / kMostLabels);
  for (size_t i = 0; i < values.size(); i += step)
    axis->append(QString::number(values[i]), static_cast<qreal>(i));
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setRange(-0.5, static_cast<qreal>(values.size()) - 0.5);
  axis->setGridLineVisible(false);
  SmallLabels(axis);
  return axis;
}

// The draw and value of the series nearest the pointer (the draws run up one by one).
QString SeriesTip(const std::vector<int>& draws, const std::vector<int64_t>& values, double x) {
  if (draws.empty()) return {};
  const auto at = std::lower_bound(draws.begin(), draws.end(), static_cast<int>(std::lround(x)));
  const size_t i = std::min<size_t>(static_cast<size_t>(at - draws.begin()), draws.size() - 1);
  return u"Тираж (Draw) %1: %2"_s.arg(draws[i]).arg(values[i]);
}

void ShowTip(bool inside, const QString& text) {
  if (inside && !text.isEmpty())
    QToolTip::showText(QCursor::pos(), text);
  else
    QToolTip::hideText();
}

}  // namespace

TChartView::TChartView(QWidget* parent) : QWidget(parent) {
  setObjectName(u"ChartShowResult"_s);
  cbChartPart = new QComboBox(this);
  cbChartPart->setObjectName(u"cbChartPart"_s);
  cbChartPart->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  cbChartPart->hide();
  connect(cbChartPart, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_charts && index >= 0 && static_cast<size_t>(index) < m_charts->size())
      Draw((*m_charts)[static_cast<size_t>(index)]);
  });
  SeriesView = MakeView(this, u"ChartSeries"_s);
  BarsView = MakeView(this, u"ChartBars"_s);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(cbChartPart, 0, Qt::AlignLeft);
  layout->addWidget(SeriesView);
  layout->addWidget(BarsView);
}

void TChartView::SetCharts(std::shared_ptr<const TCharts> shared) {
  m_charts = std::move(shared);
  const TCharts& charts = *m_charts;
  QStringList titles;
  for (const TChartModel& chart : charts) titles.append(chart.Title);
  QStringList shown;
  for (int i = 0; i < cbChartPart->count(); ++i) shown.append(cbChartPart->itemText(i));
  if (titles != shown) {
    const QSignalBlocker quiet(cbChartPart);
    const QString chosen = cbChartPart->currentText();
    cbChartPart->clear();
    cbChartPart->addItems(titles);
    cbChartPart->setCurrentIndex(std::max(0, static_cast<int>(titles.indexOf(chosen))));
  }
  cbChartPart->setVisible(charts.size() > 1);
  const int index = cbChartPart->currentIndex();
  if (index >= 0 && static_cast<size_t>(index) < charts.size())
    Draw(charts[static_cast<size_t>(index)]);
}

void TChartView::Draw(const TChartModel& model) {
  SeriesView->setVisible(!model.Values.empty());  // per-ball bars have no series
  BarsView->setVisible(!model.Bars.empty());      // the backtest has no bars
  QChart* series = Renew(SeriesView, model.Title);
  auto* line = new QLineSeries(series);
  for (size_t i = 0; i < model.Values.size(); ++i)
    line->append(model.Draws[i], static_cast<qreal>(model.Values[i]));
  series->addSeries(line);
  connect(line, &QLineSeries::hovered, this,
          [draws = model.Draws, values = model.Values](const QPointF& at, bool inside) {
            ShowTip(inside, SeriesTip(draws, values, at.x()));
          });
  std::vector<int> indices = model.HitValues;
  if (model.MarkedValue >= 0) indices.push_back(model.MarkedValue);
  if (!indices.empty()) {
    auto* marked = new QScatterSeries(series);
    marked->setColor(Qt::red);
    marked->setMarkerSize(9);
    for (const int index : indices)
      if (index >= 0 && static_cast<size_t>(index) < model.Values.size())
        marked->append(model.Draws[static_cast<size_t>(index)],
                       static_cast<qreal>(model.Values[static_cast<size_t>(index)]));
    series->addSeries(marked);
  }
  series->createDefaultAxes();
  for (QAbstractAxis* axis : series->axes()) WholeNumberTicks(qobject_cast<QValueAxis*>(axis));

  QChart* bars = Renew(BarsView, model.Values.empty() ? model.Title : QString());
  QAbstractBarSeries* barSeries = nullptr;
  if (model.BarColors.empty()) {
    auto* set = new QBarSet(QString(), bars);
    for (const int64_t count : model.Bars) set->append(static_cast<qreal>(count));
    set->setColor(QColor(0x7f, 0x9f, 0xcf));
    set->setSelectedColor(Qt::red);
    if (model.MarkedBar >= 0) set->selectBar(model.MarkedBar);
    auto* plain = new QBarSeries(bars);
    plain->append(set);
    barSeries = plain;
  } else {
    // One set per colour, stacked: each bar stands in the set of its class only.
    auto* classes = new QStackedBarSeries(bars);
    // The classes in the legend's order (hot, warm, cold), then any colour it does not name.
    std::vector<TChartModel::TKey> keys = model.Legend;
    for (const uint32_t color : model.BarColors)
      if (std::none_of(keys.begin(), keys.end(),
                       [color](const TChartModel::TKey& key) { return key.Color == color; }))
        keys.push_back({color, QString()});
    for (const auto& [color, name] : keys) {
      auto* set = new QBarSet(name, bars);
      for (size_t i = 0; i < model.Bars.size(); ++i)
        set->append(model.BarColors[i] == color ? static_cast<qreal>(model.Bars[i]) : 0.0);
      set->setColor(QColor::fromRgb(color));
      set->setBorderColor(QColor::fromRgb(color));
      classes->append(set);
    }
    barSeries = classes;
    if (!model.Legend.empty()) {
      QFont font = bars->legend()->font();
      font.setPointSizeF(7.5);
      bars->legend()->setFont(font);
      bars->legend()->setAlignment(Qt::AlignTop);
      bars->legend()->show();
    }
  }
  bars->addSeries(barSeries);
  connect(barSeries, &QAbstractBarSeries::hovered, this,
          [values = model.BarValues, counts = model.Bars](bool inside, int index, QBarSet*) {
            const auto i = static_cast<size_t>(index);
            ShowTip(inside && i < values.size(),
                    i < values.size() ? u"%1: %2 раз (times)"_s.arg(values[i]).arg(counts[i])
                                      : QString());
          });
  QAbstractAxis* axisX = BarValueAxis(model.BarValues, bars);
  bars->addAxis(axisX, Qt::AlignBottom);
  barSeries->attachAxis(axisX);
  auto* axisY = new QValueAxis(bars);
  const int64_t tallest =
      model.Bars.empty()
          ? 1
          : std::max<int64_t>(1, *std::max_element(model.Bars.begin(), model.Bars.end()));
  const double step = RoundStep(static_cast<double>(tallest));
  axisY->setRange(0, std::ceil(static_cast<double>(tallest) / step) * step);
  axisY->setTickType(QValueAxis::TicksDynamic);
  axisY->setTickAnchor(0);
  axisY->setTickInterval(step);
  SmallLabels(axisY);
  axisY->setLabelFormat(u"%d"_s);
  bars->addAxis(axisY, Qt::AlignLeft);
  barSeries->attachAxis(axisY);
}
