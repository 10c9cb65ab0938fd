#pragma once
// The per-user settings store: the interface language, the four recent draws files, the
// research access value and the saved interval sets. Every value is text. The store keeps no
// cache: each read and write opens the store, does its one operation and closes it again.
//
// Key paths are written as in the Windows registry ("Software\Lotrix\Intervals\Set00").
// The store is an INI file of the user (on Linux $XDG_CONFIG_HOME/Lotrix/Lotrix.ini); the
// root key "Software\Lotrix" holds the top-level values, a deeper path becomes an INI group
// ("Intervals/Set00").

#include <QString>
#include <QStringList>

// Value names and key paths, declared once.
inline constexpr auto kSettingsRootKey = u"Software\\Lotrix";
inline constexpr auto kSettingLanguage = u"Language";
inline constexpr auto kSettingProf = u"Prof";
inline constexpr const char16_t* kSettingReopen[4] = {u"Reopen01", u"Reopen02", u"Reopen03",
                                                      u"Reopen04"};
inline constexpr int kIntervalSets = 10;    // Set00 .. Set09
inline constexpr int kIntervalValues = 12;  // Interval_01 .. Interval_12

inline constexpr auto kLanguageRussian = u"rus";
inline constexpr auto kLanguageEnglish = u"eng";

// "Software\Lotrix\Intervals\SetNN" for set 0..9.
QString IntervalSetKeyPath(int set);
// "Interval_NN" for value 1..12.
QString IntervalValueName(int index);

class TSettings {
public:
  // Whether the root key holds anything (it is created by the first write).
  bool SettingsKeyExists() const;
  // The value under the root key; empty text when it does not exist. Never creates anything.
  QString ReadSetting(const QString& name) const;
  // Writes (creates or replaces) the value under the root key. An empty text is stored as an
  // existing, empty value.
  void WriteSetting(const QString& name, const QString& value);
  QString ReadSettingAt(const QString& keyPath, const QString& name) const;
  void WriteSettingAt(const QString& keyPath, const QString& name, const QString& value);
  // Whether the value exists (also when it is empty).
  bool SettingExistsAt(const QString& keyPath, const QString& name) const;
  // Removes every value of the store.
  void ClearAll();
  // The file that holds the store.
  QString StoreFileName() const;
};

// The interface language: the stored "Language"; when it is neither "rus" nor "eng", "rus"
// is written and the value read again (so a first start is in Russian).
QString ReadLanguage(TSettings& settings);
// Writes "eng" when the stored language is "rus", otherwise "rus". Re-opening the lottery
// (which reads the language back) is the caller's.
void SwitchLanguage(TSettings& settings);

// Recent-files operations, applied to "Reopen01".."Reopen04" (r1..r4):
//   0 New Lottery: "", r1, r2, r3 (writes nothing when r1 is empty)
//   1 entry 1:     unchanged, nothing written
//   2 entry 2:     r2, r1, r3, r4
//   3 entry 3:     r3, r1, r2, r4
//   4 entry 4:     r4, r1, r2, r3
// Any other operation writes nothing. Returns the menu captions "1: " + Reopen01 ..
// "4: " + Reopen04 as read back. Running the open sequence is the caller's.
QStringList RecentFiles(TSettings& settings, int operation);
