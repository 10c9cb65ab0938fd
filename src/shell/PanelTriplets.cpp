#include "PanelTriplets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelTriplets::TPanelTriplets(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  btnTripletsShow = MakeButton(body, u"btnTripletsShow"_s, u"Обновить"_s);
  grid->addWidget(btnTripletsShow, 0, 0);
  // The research controls without an effect.
  int column = 1;
  for (const QString& label : {u"Окно"_s, u"Число Сетов"_s, u"История"_s}) {
    grid->addWidget(new QLabel(label, body), 0, column);
    auto* spin = new QSpinBox(body);
    spin->setEnabled(false);
    grid->addWidget(spin, 1, column++);
  }
  int row = 2;
  for (const QString& label : {u"Исходники"_s, u"Счет (Score)"_s, u"Any range 02"_s,
                               u"Any range 03"_s, u"Any range 04"_s}) {
    auto* box = new QCheckBox(label, body);
    box->setEnabled(false);
    auto* edit = new QLineEdit(body);
    edit->setEnabled(false);
    grid->addWidget(box, row, 0);
    grid->addWidget(edit, row++, 1, 1, 3);
  }
  auto* forecast = new QPushButton(u"Прогноз"_s, body);
  forecast->setEnabled(false);
  grid->addWidget(forecast, 1, 0);
  grid->setVerticalSpacing(2);
}

QList<TPanelButton> TPanelTriplets::Buttons() { return {{btnTripletsShow, nullptr}}; }

TReportParams TPanelTriplets::Params(int nextTira, QChar) const {
  return TTripletsParams{nextTira};
}
