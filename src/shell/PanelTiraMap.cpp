#include "PanelTiraMap.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPainter>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kLeft = 50;  // the first cell column

}  // namespace

TTiraMapView::TTiraMapView(QWidget* parent) : QWidget(parent) { setObjectName(u"TiraMapView"_s); }

void TTiraMapView::SetMap(TTiraMap map) {
  m_map = std::move(map);
  updateGeometry();
  update();
}

QSize TTiraMapView::sizeHint() const {
  const int s = m_map.Cell;
  return QSize(kLeft + m_map.MaxBall * (s + 1) + 8, s + kTiraMapRows * (s + 1) + 4);
}

void TTiraMapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int s = m_map.Cell;
  QFont small = font();
  small.setPointSize(7);
  painter.setFont(small);
  const QColor green(37, 143, 37);
  for (int i = 0; i < kTiraMapRows; ++i) {
    const int top = s + i * (s + 1);
    const bool history = i < kTiraMapHistoryRows;
    if (static_cast<size_t>(i) < m_map.Labels.size()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(QRect(10, top, kLeft - 12, s), Qt::AlignVCenter | Qt::AlignLeft,
                       QString::number(m_map.Labels[static_cast<size_t>(i)]));
    }
    const iArray* filled = static_cast<size_t>(i) < m_map.Filled.size()
                               ? &m_map.Filled[static_cast<size_t>(i)]
                               : nullptr;
    for (int j = 0; j < m_map.MaxBall; ++j) {
      const QRect cell(kLeft + j * (s + 1), top, s, s);
      const bool drawn =
          filled != nullptr && std::binary_search(filled->begin(), filled->end(), j + 1);
      painter.fillRect(cell, drawn     ? green
                             : history ? QColor(Qt::white)
                                       : palette().color(QPalette::Button));
      painter.setPen(Qt::black);
      painter.drawRect(cell.adjusted(0, 0, -1, -1));
      if (history) {
        painter.setPen(drawn ? Qt::white : Qt::black);
        painter.drawText(cell, Qt::AlignCenter, QString::number(j + 1));
      }
    }
  }
}

TPanelTiraMap::TPanelTiraMap(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  MapView = new TTiraMapView(Body());
  checkTiraMapShowNext = MakeCheckBox(Body(), u"checkTiraMapShowNext"_s, u"Show next"_s, true);
  Grid()->addWidget(MapView, 0, 0);
  Grid()->addWidget(checkTiraMapShowNext, 1, 0);
  RerunOnClick(checkTiraMapShowNext);
}

void TPanelTiraMap::BeforeJob(const TPanelContext& context) {
  MapView->SetMap(
      BuildTiraMap(*context.Lottery, {context.NextTira, checkTiraMapShowNext->isChecked()}));
}

void TPanelTiraMap::Reset(const TLottery& lottery) {
  TTiraMap empty = BuildTiraMap(TLottery{}, {});
  empty.MaxBall = lottery.MaxBall;
  empty.Cell = lottery.LottoClass == 1 || lottery.LottoClass == 2 ? 20 : 14;
  empty.Labels.clear();
  empty.Filled.clear();
  MapView->SetMap(std::move(empty));
}
