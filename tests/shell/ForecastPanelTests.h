#pragma once
// Desktop tests of the forecast: the filter panel PanelPrognoz and the forecast controls of
// PanelMain, "New" and "Show" in the background with progress and Cancel, the fields in
// their normal form after a run, and the showing of every combination of 5 of 36.

#include <QObject>
#include <QTemporaryDir>

class TForecastPanelTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void controlsCarryTheirCaptionsDefaultsAndLimits();
  void menuShowsThePanelAndTheForecastControls();
  void newShowsTheForecastAndRewritesTheFields();
  void showRepeatsTheShowing();
  void cancelLeavesNoResult();
  void nothingPassingStillShowsTheFilterStatistics();
  void newWhileWorkRunsIsRefused();
  void languageSwitchChangesTheAnyRangeCaptions();
  void everyCombinationOf5Of36IsShown();

private:
  QTemporaryDir m_dir;
};
