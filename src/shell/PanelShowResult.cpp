#include "PanelShowResult.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ChartView.h"
#include "PaneDocument.h"
#include "core/Chart.h"

using namespace Qt::StringLiterals;

TPanelShowResult::TPanelShowResult(QWidget* parent) : QFrame(parent) {
  setObjectName(u"PanelShowResult"_s);
  setFrameShape(QFrame::StyledPanel);
  RichEditShowResult = new QTextEdit(this);
  RichEditShowResult->setObjectName(u"RichEditShowResult"_s);
  RichEditShowResult->setFont(ResultPaneFont());
  RichEditShowResult->setLineWrapMode(QTextEdit::NoWrap);
  RichEditShowResult->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEditShowResult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEditShowResult->setAcceptRichText(true);
  RichEditShowResult->setUndoRedoEnabled(false);
  // The pane takes the keyboard only when the user clicks into it (to paste a listing), never
  // because the control that had it was disabled while a report ran.
  RichEditShowResult->setFocusPolicy(Qt::ClickFocus);
  cbShowChart = new QCheckBox(u"График (Chart)"_s, this);
  cbShowChart->setObjectName(u"cbShowChart"_s);
  cbShowChart->hide();
  ChartShowResult = new TChartView(this);
  ChartShowResult->hide();
  connect(cbShowChart, &QCheckBox::toggled, this, [this] { UpdateChart(); });
  auto* layout = new QVBoxLayout(this);  // the pane fills its panel with an 8-pixel margin
  layout->setContentsMargins(8, 8, 8, 8);
  auto* row = new QHBoxLayout();
  row->addWidget(RichEditShowResult, 3);
  row->addWidget(ChartShowResult, 2);
  layout->addLayout(row);
  layout->addWidget(cbShowChart);
  hide();
}

void TPanelShowResult::ShowCharts(std::shared_ptr<const TCharts> charts) {
  m_charts = std::move(charts);
  if (m_charts) ChartShowResult->SetCharts(m_charts);
  UpdateChart();
}

const TCharts& TPanelShowResult::Charts() const {
  static const TCharts none;
  return m_charts ? *m_charts : none;
}

void TPanelShowResult::UpdateChart() {
  cbShowChart->setVisible(m_charts != nullptr);
  ChartShowResult->setVisible(m_charts != nullptr && cbShowChart->isChecked());
}

void TPanelShowResult::ShowDocument(std::unique_ptr<QTextDocument> document) {
  if (!document) return;
  // The previous report's document, unless the view already let go of it.
  const QPointer<QTextDocument> old = RichEditShowResult->document();
  document->setParent(RichEditShowResult);
  RichEditShowResult->setDocument(document.release());
  if (old && old->parent() == RichEditShowResult) old->deleteLater();
  RichEditShowResult->moveCursor(QTextCursor::Start);
  RichEditShowResult->ensureCursorVisible();
  RichEditShowResult->verticalScrollBar()->setValue(0);
  RichEditShowResult->horizontalScrollBar()->setValue(0);
}

void TPanelShowResult::ShowPane(const TReportPane& pane) { ShowDocument(BuildPaneDocument(pane)); }

void TPanelShowResult::Clear() {
  RichEditShowResult->clear();
  ShowCharts(nullptr);  // the charts go with their report
}

QString TPanelShowResult::Text() const { return RichEditShowResult->toPlainText(); }
