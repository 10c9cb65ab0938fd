#include "AnalysisPanel.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAnalysisPanel::TAnalysisPanel(const QString& name, const QString& caption, QWidget* parent)
    : QFrame(parent),
      m_caption(new QLabel(caption, this)),
      m_body(new QWidget),
      m_grid(new QGridLayout(m_body)) {
  setObjectName(name);
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  m_caption->setObjectName(name + u"Caption"_s);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(name + u"Scroll"_s);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(m_body);
  m_body->setObjectName(name + u"Body"_s);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(m_caption);
  layout->addWidget(scroll, 1);
  // The controls keep to the top left; the room to their right and below stays free.
  m_grid->setContentsMargins(8, 4, 8, 4);
  m_grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  hide();
}

QString TAnalysisPanel::Caption() const { return m_caption->text(); }

void TAnalysisPanel::SetCaption(const QString& caption) {
  m_caption->setText(caption);
  m_caption->adjustSize();
}

TPaneJob TAnalysisPanel::Job(const TPanelContext&) const { return {}; }

void TAnalysisPanel::RerunOnChange(QSpinBox* spinEdit) {
  connect(spinEdit, &QSpinBox::valueChanged, this, &TAnalysisPanel::ParametersChanged);
}

void TAnalysisPanel::RerunOnChange(QAbstractButton* checkBox) {
  connect(checkBox, &QAbstractButton::toggled, this, &TAnalysisPanel::ParametersChanged);
}

void TAnalysisPanel::RerunOnClick(QAbstractButton* checkBox) {
  connect(checkBox, &QAbstractButton::clicked, this, &TAnalysisPanel::ParametersChanged);
}

TPaneJob ReportJob(const TLottery* lottery, TReportParams params) {
  // The worker reads the open lottery in place: nothing replaces or edits it while a report
  // runs (opening, saving and the language switch are refused until the work has ended).
  return [lottery, params = std::move(params)](THost& host, TReportPane& pane) {
    WriteReport(lottery, params, pane, &host);
    if (TCharts charts = ReportCharts(lottery, params); !charts.empty())
      pane.Charts = std::make_shared<const TCharts>(std::move(charts));
  };
}

TPaneJob TReportPanel::Job(const TPanelContext& context) const {
  return ReportJob(context.Lottery, Params(context.NextTira, context.DecimalSeparator));
}
