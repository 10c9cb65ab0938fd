#include "QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

bool ApplyQtLanguage(const QString& language) {
  static QTranslator* translator = nullptr;
  if (translator != nullptr) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
  }
  if (language != QStringLiteral("rus")) return true;
  auto* russian = new QTranslator(QCoreApplication::instance());
  if (!russian->load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete russian;
    return false;
  }
  QCoreApplication::installTranslator(russian);
  translator = russian;
  return true;
}
