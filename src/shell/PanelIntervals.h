#pragma once
// The Intervals panel: twelve interval texts, the history length, the Markov switch and the
// stored interval sets. A run (menu command, Refresh, a click on the Markov switch) writes
// the texts back in canonical form and stores them as set 0; choosing a set shows its texts.

#include <array>

#include "AnalysisPanel.h"
#include "core/Settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TPanelIntervals : public TReportPanel {
  Q_OBJECT
public:
  TPanelIntervals(const QString& name, const QString& caption, QWidget* parent);
  TReportParams Params(int nextTira, QChar decimalSeparator) const override;
  QList<TPanelButton> Buttons() override;
  void BeforeJob(const TPanelContext& context) override;
  bool FollowsNextTira() const override { return false; }

  // The texts of stored set n, unchanged (LoadIntervalSet): at every opening with 0.
  void ShowSet(int set);
  // The open lottery's MaxBall, which the canonical texts are clipped to.
  void SetMaxBall(int maxBall) { m_maxBall = maxBall; }

  QLabel* lbIntervalsHistory;
  QLabel* lbIntervalsHistoryEng;
  QSpinBox* seIntervalsHistory;
  std::array<QLineEdit*, kIntervalValues> Edits;  // editInterval01 .. editInterval12
  QCheckBox* checkIntervalsMarkov;
  QLabel* lbIntervalsSet;
  QLabel* lbIntervalsSetEng;
  QSpinBox* seIntervalsSet;
  QPushButton* btnIntervalsSetSave;
  QPushButton* btnIntervalsRefresh;

private:
  // Every edit in canonical form, then stored as set n.
  void NormaliseAndSave(int set);
  int m_maxBall = 0;
  TSettings m_settings;
};
