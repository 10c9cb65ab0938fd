#pragma once
// Builders for the controls of the analysis panels: every control gets its object name,
// its place on the panel and its documented range, so the panel classes read as their
// parameter tables.

#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

// The documented numbers of a spin edit: value at start, MinValue, MaxValue, MaxLength.
struct TSpinEditDef {
  int Value;
  int MinValue;
  int MaxValue;
  int MaxLength;
};

QLabel* MakePanelLabel(QWidget* parent, const QString& name, const QString& text, int x, int y);
QSpinBox* MakeSpinEdit(QWidget* parent, const QString& name, const TSpinEditDef& def,
                       const QRect& geometry);
// The number of characters the spin edit's text field accepts.
int SpinEditMaxLength(const QSpinBox* spinEdit);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry, bool checked = false);
QRadioButton* MakeRadioButton(QWidget* parent, const QString& name, const QString& text,
                              const QRect& geometry, bool checked = false);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry);
QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QRect& geometry);

// The history length of a report panel: "История" over "History" over the spin edit, named
// lb<Prefix>History, lb<Prefix>HistoryEng and se<Prefix>History, at the panel's left (with
// the English label alone, that one is lb<Prefix>History).
struct THistoryControls {
  QLabel* Russian;  // nullptr when the panel shows only the English label
  QLabel* English;
  QSpinBox* Edit;
};
THistoryControls MakeHistoryControls(QWidget* parent, const QString& prefix,
                                     const TSpinEditDef& def, bool russianLabel = true);
