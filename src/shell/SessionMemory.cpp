#include "SessionMemory.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/Settings.h"

using namespace Qt::StringLiterals;

namespace {

const QString kGeometry = u"Geometry"_s;
const QString kState = u"State"_s;
const QString kLastFolder = u"LastFolder"_s;

// The controls that hold a parameter: not the inner field of a spin box.
template <typename TVisit>
void ForEachControl(const QWidget& root, const QStringList& skip, TVisit visit) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    const QString name = widget->objectName();
    if (name.isEmpty() || skip.contains(name)) continue;
    if (qobject_cast<QSpinBox*>(widget) || qobject_cast<QCheckBox*>(widget) ||
        qobject_cast<QRadioButton*>(widget) ||
        (qobject_cast<QLineEdit*>(widget) && !qobject_cast<QSpinBox*>(widget->parentWidget())))
      visit(widget, name);
  }
}

}  // namespace

void SaveWindowState(const QMainWindow& window, TSettings& settings) {
  const QString key = QString::fromUtf16(kWindowKey);
  settings.WriteSettingAt(key, kGeometry, QString::fromLatin1(window.saveGeometry().toBase64()));
  settings.WriteSettingAt(key, kState, QString::fromLatin1(window.saveState().toBase64()));
}

bool RestoreWindowState(QMainWindow& window, const TSettings& settings) {
  const QString key = QString::fromUtf16(kWindowKey);
  const QByteArray geometry =
      QByteArray::fromBase64(settings.ReadSettingAt(key, kGeometry).toLatin1());
  if (geometry.isEmpty() || !window.restoreGeometry(geometry)) return false;
  window.restoreState(QByteArray::fromBase64(settings.ReadSettingAt(key, kState).toLatin1()));
  return true;
}

QString LastDialogFolder(const TSettings& settings) {
  const QString folder = settings.ReadSettingAt(QString::fromUtf16(kWindowKey), kLastFolder);
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberDialogFolder(TSettings& settings, const QString& chosenFile) {
  if (chosenFile.isEmpty()) return;
  settings.WriteSettingAt(QString::fromUtf16(kWindowKey), kLastFolder,
                          QFileInfo(chosenFile).absolutePath());
}

void SaveControlValues(const QWidget& root, TSettings& settings, const QStringList& skip) {
  const QString key = QString::fromUtf16(kControlsKey);
  ForEachControl(root, skip, [&](QWidget* widget, const QString& name) {
    QString value;
    if (auto* spin = qobject_cast<QSpinBox*>(widget))
      value = QString::number(spin->value());
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
      value = button->isChecked() ? u"1"_s : u"0"_s;
    else if (auto* field = qobject_cast<QLineEdit*>(widget))
      value = field->text();
    settings.WriteSettingAt(key, name, value);
  });
}

void RestoreControlValues(QWidget& root, const TSettings& settings, const QStringList& skip) {
  const QString key = QString::fromUtf16(kControlsKey);
  ForEachControl(root, skip, [&](QWidget* widget, const QString& name) {
    if (!settings.SettingExistsAt(key, name)) return;
    const QString value = settings.ReadSettingAt(key, name);
    const QSignalBlocker quiet(widget);
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
      bool number = false;
      const int v = value.toInt(&number);
      if (number) spin->setValue(v);  // clamped to the control's range
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setChecked(value == u"1"_s);
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      field->setText(value);
    }
  });
}
