#include "Settings.h"

#include <QSettings>
#include <QVariant>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A fresh store object per operation: nothing is cached between operations. Only the user's
// own file is used (no organisation-wide or system-wide fallbacks).
std::unique_ptr<QSettings> OpenStore() {
  auto store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, u"Lotrix"_s,
                                           u"Lotrix"_s);
  store->setFallbacksEnabled(false);
  return store;
}

// "Software\Lotrix" -> "" (top level); "Software\Lotrix\Intervals\Set00" -> "Intervals/Set00".
// A path outside the root keeps all its parts as groups.
QString GroupOfKeyPath(const QString& keyPath) {
  const QString root = QString::fromUtf16(kSettingsRootKey);
  QString path = keyPath;
  if (path.compare(root, Qt::CaseInsensitive) == 0)
    path.clear();
  else if (path.startsWith(root + u'\\', Qt::CaseInsensitive))
    path = path.mid(root.size() + 1);
  path.replace(u'\\', u'/');
  while (path.startsWith(u'/')) path.remove(0, 1);
  while (path.endsWith(u'/')) path.chop(1);
  return path;
}

QString KeyOf(const QString& keyPath, const QString& name) {
  const QString group = GroupOfKeyPath(keyPath);
  return group.isEmpty() ? name : group + u'/' + name;
}

// A value edited by hand may read as a list (an unquoted comma in the INI file); callers
// always get text.
QString AsText(const QVariant& value) {
  if (value.metaType().id() == QMetaType::QStringList) return value.toStringList().join(u", "_s);
  return value.toString();
}

void Write(const QString& key, const QString& value) {
  auto store = OpenStore();
  // Stored as a string value even when empty: it exists afterwards and reads as empty.
  store->setValue(key, QVariant(value.isNull() ? QString(u""_s) : value));
  // A store that cannot be written (read-only folder, full disk) leaves status() at
  // AccessError; the write simply does not persist and callers read the old value later.
  store->sync();
}

}  // namespace

QString IntervalSetKeyPath(int set) {
  return QString::fromUtf16(kSettingsRootKey) + u"\\Intervals\\Set"_s +
         QString::number(set).rightJustified(2, u'0');
}

QString IntervalValueName(int index) {
  return u"Interval_"_s + QString::number(index).rightJustified(2, u'0');
}

bool TSettings::SettingsKeyExists() const { return !OpenStore()->allKeys().isEmpty(); }

QString TSettings::ReadSetting(const QString& name) const {
  return ReadSettingAt(QString::fromUtf16(kSettingsRootKey), name);
}

void TSettings::WriteSetting(const QString& name, const QString& value) {
  WriteSettingAt(QString::fromUtf16(kSettingsRootKey), name, value);
}

QString TSettings::ReadSettingAt(const QString& keyPath, const QString& name) const {
  return AsText(OpenStore()->value(KeyOf(keyPath, name)));
}

void TSettings::WriteSettingAt(const QString& keyPath, const QString& name, const QString& value) {
  Write(KeyOf(keyPath, name), value);
}

bool TSettings::SettingExistsAt(const QString& keyPath, const QString& name) const {
  return OpenStore()->contains(KeyOf(keyPath, name));
}

void TSettings::ClearAll() {
  auto store = OpenStore();
  store->clear();
  store->sync();
}

QString TSettings::StoreFileName() const { return OpenStore()->fileName(); }

QString ReadLanguage(TSettings& settings) {
  const QString name = QString::fromUtf16(kSettingLanguage);
  const QString language = settings.ReadSetting(name);
  if (language == QString::fromUtf16(kLanguageRussian) ||
      language == QString::fromUtf16(kLanguageEnglish))
    return language;
  settings.WriteSetting(name, QString::fromUtf16(kLanguageRussian));
  return settings.ReadSetting(name);
}

void SwitchLanguage(TSettings& settings) {
  const QString name = QString::fromUtf16(kSettingLanguage);
  const bool russian = settings.ReadSetting(name) == QString::fromUtf16(kLanguageRussian);
  settings.WriteSetting(name, QString::fromUtf16(russian ? kLanguageEnglish : kLanguageRussian));
}

QStringList RecentFiles(TSettings& settings, int operation) {
  QString r[4];
  for (int i = 0; i < 4; ++i) r[i] = settings.ReadSetting(QString::fromUtf16(kSettingReopen[i]));

  auto writeAll = [&settings](const QString(&values)[4]) {
    for (int i = 3; i >= 0; --i)
      settings.WriteSetting(QString::fromUtf16(kSettingReopen[i]), values[i]);
  };
  switch (operation) {
    case 0:
      // Repeated New Lottery without a chosen file must not shift the list again.
      if (!r[0].isEmpty()) writeAll({QString(), r[0], r[1], r[2]});
      break;
    case 2:
      writeAll({r[1], r[0], r[2], r[3]});
      break;
    case 3:
      writeAll({r[2], r[0], r[1], r[3]});
      break;
    case 4:
      writeAll({r[3], r[0], r[1], r[2]});
      break;
    default:
      break;  // 1 (and anything else): the list stays as it is
  }

  QStringList captions;
  for (int i = 0; i < 4; ++i)
    captions.append(QString::number(i + 1) + u": "_s +
                    settings.ReadSetting(QString::fromUtf16(kSettingReopen[i])));
  return captions;
}
