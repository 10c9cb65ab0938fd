#include "BusyState.h"

#include <QApplication>
#include <QCursor>
#include <array>

namespace {

constexpr auto kBusyControls = std::to_array<const char16_t*>({
    u"seNextTira",
    u"poleSharyEnable",
    u"btnSharyEnableAll",
    u"btnSharyEnableClear",
    u"seRNGRangeSize",
    u"seRNGPoolSize",
    u"btnRandomNumberGenerator",
    u"btnBalancedRangeGenerator",
    u"btnPrognozNew",
    u"btnPrognozShow",
    u"sePrognozNumCombiShow",
    u"cbPrognozAuto",
    u"checkFilterChetnie",
    u"poleFilterChetnie",
    u"checkFilterSleepy",
    u"poleFilterSleepy",
    u"checkFilterSumBalls",
    u"poleFilterSumBalls",
    u"checkFilterFirstBall",
    u"poleFilterFirstBall",
    u"checkFilterHotCold",
    u"poleFilterHotCold",
    u"checkFilterDifferences",
    u"poleFilterDifferences",
    u"checkFilterAnyRange0",
    u"poleFilterAnyRange0",
    u"poleFilterAnyRange0Win",
    u"checkFilterAnyRange1",
    u"poleFilterAnyRange1",
    u"poleFilterAnyRange1Win",
    u"checkFilterAnyRange2",
    u"poleFilterAnyRange2",
    u"poleFilterAnyRange2Win",
    u"checkFilterAnyRange3",
    u"poleFilterAnyRange3",
    u"poleFilterAnyRange3Win",
    u"checkFilterAnyRange4",
    u"poleFilterAnyRange4",
    u"poleFilterAnyRange4Win",
    u"checkFilterAnyRange5",
    u"poleFilterAnyRange5",
    u"poleFilterAnyRange5Win",
    u"checkFilterAnyRange6",
    u"poleFilterAnyRange6",
    u"poleFilterAnyRange6Win",
    u"checkFilterAnyRange7",
    u"poleFilterAnyRange7",
    u"poleFilterAnyRange7Win",
    u"checkFilterAnyRange8",
    u"poleFilterAnyRange8",
    u"poleFilterAnyRange8Win",
    u"checkFilterAnyRange9",
    u"poleFilterAnyRange9",
    u"poleFilterAnyRange9Win",
    u"btnFilterFromLastFromClipboard",
    u"btnFilterFromLastFromPrognoz",
    u"btnFilterFromLastToClipboard",
    u"btnFilterFromLastRefresh",
    u"btnFilterFromLastShowHistory",
    u"btnSkipsRefresh",
    u"seSkipsHistory",
    u"cbSkipsDrop",
    u"checkSkipsLastSort",
    u"checkSkipsLastFiltered",
    u"poleSkipsLastFilter",
    u"seSummaBallsHistory",
    u"checkSummaBallsSort",
    u"seDifferenceHistory",
    u"checkDifferenceSource",
    u"seIntervalsHistory",
    u"editInterval01",
    u"editInterval02",
    u"editInterval03",
    u"editInterval04",
    u"editInterval05",
    u"editInterval06",
    u"editInterval07",
    u"editInterval08",
    u"editInterval09",
    u"editInterval10",
    u"editInterval11",
    u"editInterval12",
    u"btnIntervalsRefresh",
});
static_assert(kBusyControls.size() == 83);

}  // namespace

std::span<const char16_t* const> BusyControlNames() { return kBusyControls; }

TSetBusy::TSetBusy(QWidget* window, QWidget* panel) : m_focus(QApplication::focusWidget()) {
  (void)panel;  // the override cursor covers the window and all its panels
  if (window != nullptr) {
    for (const char16_t* name : kBusyControls) {
      QWidget* control = window->findChild<QWidget*>(QString::fromUtf16(name));
      if (control == nullptr) continue;  // a panel not built in this window
      // The control's own state, not the one inherited from a disabled parent.
      m_enabled.append({control, !control->testAttribute(Qt::WA_ForceDisabled)});
      control->setEnabled(false);
    }
  }
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

TSetBusy::~TSetBusy() {
  QApplication::restoreOverrideCursor();
  for (const auto& [control, wasEnabled] : m_enabled)
    if (control) control->setEnabled(wasEnabled);
  if (m_focus && m_focus->isEnabled() && m_focus->isVisible())
    m_focus->setFocus(Qt::OtherFocusReason);
}
