#pragma once
// Qt's own texts (standard buttons, file dialogs, context menus) in the interface language,
// from Qt's translations installed beside Qt.

class QString;

// Installs the Russian translation of Qt's texts for "rus", removes it otherwise. False when
// the translation files are not installed (Qt's texts then stay English).
bool ApplyQtLanguage(const QString& language);
