#include "PanelControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

template <typename TWidget>
TWidget* Named(TWidget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
  return Named(new QLabel(text, parent), name);
}

QSpinBox* MakeSpinEdit(QWidget* parent, const QString& name, const TSpinEditDef& def) {
  auto* spinEdit = Named(new QSpinBox(parent), name);
  spinEdit->setRange(def.MinValue, def.MaxValue);
  spinEdit->setValue(def.Value);
  spinEdit->setMinimumWidth(80);
  // A typed number counts once it is complete (Enter, leaving the field, the arrows or the
  // wheel): typing 45 must not run the report for 4 first.
  spinEdit->setKeyboardTracking(false);
  // The spin box's own text field: typing stops at MaxLength characters.
  if (auto* edit = spinEdit->findChild<QLineEdit*>()) edit->setMaxLength(def.MaxLength);
  return spinEdit;
}

int SpinEditMaxLength(const QSpinBox* spinEdit) {
  const auto* edit = spinEdit->findChild<const QLineEdit*>();
  return edit != nullptr ? edit->maxLength() : 0;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& text, bool checked) {
  auto* box = Named(new QCheckBox(text, parent), name);
  box->setChecked(checked);
  return box;
}

QRadioButton* MakeRadioButton(QWidget* parent, const QString& name, const QString& text,
                              bool checked) {
  auto* button = Named(new QRadioButton(text, parent), name);
  button->setChecked(checked);
  return button;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text) {
  auto* button = Named(new QPushButton(text, parent), name);
  button->setMinimumWidth(100);
  return button;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QString& text) {
  return Named(new QLineEdit(text, parent), name);
}

void AddLabelledSpin(QGridLayout* grid, int column, QLabel* russian, QLabel* english,
                     QSpinBox* spin) {
  if (russian != nullptr) grid->addWidget(russian, 0, column);
  if (english != nullptr) grid->addWidget(english, 1, column);
  grid->addWidget(spin, 2, column, Qt::AlignLeft);
}

THistoryControls AddHistoryControls(QWidget* parent, QGridLayout* grid, const QString& prefix,
                                    const TSpinEditDef& def, bool russianLabel) {
  const QString history = prefix + u"History"_s;
  THistoryControls controls{};
  if (russianLabel) controls.Russian = MakeLabel(parent, u"lb"_s + history, u"История"_s);
  controls.English =
      MakeLabel(parent, u"lb"_s + history + (russianLabel ? u"Eng"_s : QString()), u"History"_s);
  controls.Edit = MakeSpinEdit(parent, u"se"_s + history, def);
  AddLabelledSpin(grid, 0, controls.Russian, controls.English, controls.Edit);
  return controls;
}
