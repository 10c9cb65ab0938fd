#include "PanelMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

template <typename T, typename... Args>
T* Make(QWidget* parent, const QString& name, Args&&... args) {
  T* widget = new T(std::forward<Args>(args)..., parent);
  widget->setObjectName(name);
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  QLabel* label = Make<QLabel>(parent, name, text);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TPanelMain::TPanelMain(QWidget* parent) : QFrame(parent) {
  setObjectName(u"PanelMain"_s);
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(kPanelMainWidth, kPanelMainHeight);

  lbNextTira = MakeLabel(this, u"lbNextTira"_s, u"Тираж"_s, 16, 12);
  lbNextTiraEng = MakeLabel(this, u"lbNextTiraEng"_s, u"Next Draw"_s, 16, 28);
  seNextTira = Make<QSpinBox>(this, u"seNextTira"_s);
  seNextTira->setGeometry(96, 14, 90, 24);
  seNextTira->setRange(1, 1);
  seNextTira->setKeyboardTracking(false);

  lbSharyEnable =
      MakeLabel(this, u"lbSharyEnable"_s, u"Доступные Шары (Available numbers)"_s, 16, 52);
  poleSharyEnable = Make<QLineEdit>(this, u"poleSharyEnable"_s);
  poleSharyEnable->setGeometry(16, 70, 297, 24);
  btnSharyEnableClear = Make<QPushButton>(this, u"btnSharyEnableClear"_s, u"X"_s);
  btnSharyEnableClear->setGeometry(16, 98, 40, 24);
  btnSharyEnableAll = Make<QPushButton>(this, u"btnSharyEnableAll"_s, u"All"_s);
  btnSharyEnableAll->setGeometry(60, 98, 60, 24);

  Bevel83 = Make<QFrame>(this, u"Bevel83"_s);
  Bevel83->setFrameShape(QFrame::HLine);
  Bevel83->setGeometry(8, 130, 313, 4);
  Label98 = MakeLabel(this, u"Label98"_s, u"ПРОГНОЗ (FORECAST):"_s, 16, 140);
  Label99 = MakeLabel(this, u"Label99"_s, u"Новый"_s, 16, 160);
  btnPrognozNew = Make<QPushButton>(this, u"btnPrognozNew"_s, u"New"_s);
  btnPrognozNew->setGeometry(16, 176, 70, 26);
  Label103 = MakeLabel(this, u"Label103"_s, u"Показать"_s, 96, 160);
  btnPrognozShow = Make<QPushButton>(this, u"btnPrognozShow"_s, u"Show"_s);
  btnPrognozShow->setGeometry(96, 176, 70, 26);
  Label239 = MakeLabel(this, u"Label239"_s, u"Число прогнозов"_s, 186, 160);
  Label240 = MakeLabel(this, u"Label240"_s, u"Forecasts number"_s, 186, 174);
  sePrognozNumCombiShow =
      MakeSpinEdit(this, u"sePrognozNumCombiShow"_s,
                   {kNumCombiShowDefault, kNumCombiShowMin, kNumCombiShowMax, 3});
  sePrognozNumCombiShow->setGeometry(186, 192, 70, 24);
  cbPrognozAuto = Make<QCheckBox>(this, u"cbPrognozAuto"_s);
  cbPrognozAuto->setGeometry(16, 214, 20, 20);
  Label241 = MakeLabel(this, u"Label241"_s, u"Автовыбор (Auto choise)"_s, 40, 216);
  SetForecastControlsVisible(false);
}

QList<QWidget*> TPanelMain::ForecastControls() const {
  return {Label98,  Label99,       Label103,       Label239,      Label240,
          Label241, btnPrognozNew, btnPrognozShow, cbPrognozAuto, sePrognozNumCombiShow,
          Bevel83};
}

void TPanelMain::SetForecastControlsVisible(bool visible) {
  for (QWidget* control : ForecastControls()) control->setVisible(visible);
}

void TPanelMain::FillForecastParams(TForecastParams& params) const {
  params.NextTira = seNextTira->value();
  params.AvailableBalls = poleSharyEnable->text();
  params.NumCombiShow = sePrognozNumCombiShow->value();
  params.AutoOnly = cbPrognozAuto->isChecked();
}
