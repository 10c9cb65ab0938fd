#include "AnalysisPanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>

using namespace Qt::StringLiterals;

TAnalysisPanel::TAnalysisPanel(const QString& name, const QString& caption, QWidget* parent)
    : QFrame(parent), m_caption(new QLabel(caption, this)) {
  setObjectName(name);
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  m_caption->setObjectName(name + u"Caption"_s);
  m_caption->move(8, 2);
  m_caption->adjustSize();
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

TPaneJob TReportPanel::Job(const TPanelContext& context) const {
  // The worker reads the open lottery in place: nothing replaces or edits it while a report
  // runs (opening, saving and the language switch are refused until the work has ended).
  return [lottery = context.Lottery, params = Params(context.NextTira, context.DecimalSeparator)](
             THost&, TReportPane& pane) { WriteReport(lottery, params, pane); };
}
