#pragma once
// What the window remembers from one run to the next, as values beside those the settings
// store defines (never changing them): the window's geometry and state, the folder of the
// last file dialog, and the parameter controls of the panels.

#include <QString>

class QMainWindow;
class QWidget;
class TSettings;

// "Software\Lotrix\Window" and "Software\Lotrix\Controls".
inline constexpr auto kWindowKey = u"Software\\Lotrix\\Window";
inline constexpr auto kControlsKey = u"Software\\Lotrix\\Controls";

void SaveWindowState(const QMainWindow& window, TSettings& settings);
// False when nothing was stored (a first start).
bool RestoreWindowState(QMainWindow& window, const TSettings& settings);

QString LastDialogFolder(const TSettings& settings);
void RememberDialogFolder(TSettings& settings, const QString& chosenFile);

// Every spin edit, check box, radio button and single-line field under `root` with an object
// name, except those in `skip` (set anew for every lottery). Restoring sends no signals, so
// nothing re-runs.
void SaveControlValues(const QWidget& root, TSettings& settings, const QStringList& skip);
void RestoreControlValues(QWidget& root, const TSettings& settings, const QStringList& skip);
