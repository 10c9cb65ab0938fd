#pragma once
// The busy state around long work: the fixed list of controls that must not be used while a
// report runs is disabled, the hourglass is shown, and everything goes back as it was when
// the guard ends. Each control gets back its own previous state, so a control that was
// disabled before the work stays disabled after it, and nested guards restore in order.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <span>
#include <utility>

// The object names of the controls the busy state disables.
std::span<const char16_t* const> BusyControlNames();

class TSetBusy {
public:
  // Disables every control of BusyControlNames() found under `window` and shows the busy
  // cursor. `panel` is the panel whose controls started the work (its cursor changes too).
  explicit TSetBusy(QWidget* window, QWidget* panel = nullptr);
  ~TSetBusy();
  TSetBusy(const TSetBusy&) = delete;
  TSetBusy& operator=(const TSetBusy&) = delete;

private:
  QList<std::pair<QPointer<QWidget>, bool>> m_enabled;  // control, enabled before
  // The control the user was typing in: disabling it would hand the keyboard to the next
  // widget, so it gets the focus back when the work ends.
  QPointer<QWidget> m_focus;
};
