#include "PanelControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

QLabel* MakePanelLabel(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QSpinBox* MakeSpinEdit(QWidget* parent, const QString& name, const TSpinEditDef& def,
                       const QRect& geometry) {
  auto* spinEdit = new QSpinBox(parent);
  spinEdit->setObjectName(name);
  spinEdit->setGeometry(geometry);
  spinEdit->setRange(def.MinValue, def.MaxValue);
  spinEdit->setValue(def.Value);
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

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry, bool checked) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setChecked(checked);
  return box;
}

QRadioButton* MakeRadioButton(QWidget* parent, const QString& name, const QString& text,
                              const QRect& geometry, bool checked) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setChecked(checked);
  return button;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  return button;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  return edit;
}

THistoryControls MakeHistoryControls(QWidget* parent, const QString& prefix,
                                     const TSpinEditDef& def, bool russianLabel) {
  const QString history = prefix + QStringLiteral("History");
  THistoryControls controls{};
  if (russianLabel)
    controls.Russian =
        MakePanelLabel(parent, QStringLiteral("lb") + history, QStringLiteral("История"), 16, 28);
  // The English label is lb<Prefix>HistoryEng beside a Russian one, else lb<Prefix>History.
  controls.English = MakePanelLabel(
      parent, QStringLiteral("lb") + history + (russianLabel ? QStringLiteral("Eng") : QString()),
      QStringLiteral("History"), 16, 44);
  controls.Edit = MakeSpinEdit(parent, QStringLiteral("se") + history, def, QRect(16, 62, 80, 24));
  return controls;
}
