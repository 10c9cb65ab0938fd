#pragma once
// Builders for the controls of the analysis panels: every control gets its object name and
// its documented range; the panel's grid layout places it, so the panel classes read as
// their parameter tables.

#include <QString>

class QCheckBox;
class QGridLayout;
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

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text);
QSpinBox* MakeSpinEdit(QWidget* parent, const QString& name, const TSpinEditDef& def);
// The number of characters the spin edit's text field accepts.
int SpinEditMaxLength(const QSpinBox* spinEdit);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& text,
                        bool checked = false);
QRadioButton* MakeRadioButton(QWidget* parent, const QString& name, const QString& text,
                              bool checked = false);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text);
QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QString& text = QString());

// A spin edit under its labels ("История" over "History"; a null label is left out), in
// rows 0 to 2 of a grid column.
void AddLabelledSpin(QGridLayout* grid, int column, QLabel* russian, QLabel* english,
                     QSpinBox* spin);

// The history length of a report panel: "История", "History" and the spin edit, named
// lb<Prefix>History, lb<Prefix>HistoryEng and se<Prefix>History (with the English label
// alone, that one is lb<Prefix>History), in column 0 of the grid.
struct THistoryControls {
  QLabel* Russian;  // nullptr when the panel shows only the English label
  QLabel* English;
  QSpinBox* Edit;
};
THistoryControls AddHistoryControls(QWidget* parent, QGridLayout* grid, const QString& prefix,
                                    const TSpinEditDef& def, bool russianLabel = true);
