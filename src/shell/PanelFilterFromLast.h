#pragma once
// "Совпадения в последних тиражах": a candidate table from the clipboard or the forecast,
// filtered by its matches with the last W draws, the kept rows copied to the clipboard, and
// the match history of the real draws. Nothing runs until a button is pressed.

#include <memory>

#include "AnalysisPanel.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TPanelFilterFromLast : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelFilterFromLast(const QString& name, const QString& caption, QWidget* parent);
  bool FollowsNextTira() const override { return false; }
  QList<TPanelButton> Buttons() override;
  // The filtering's parameters (the filter field rewritten in its normal form first).
  TPastMatchesParams MatchesParams(const TPanelContext& context);
  TPastMatchesHistoryParams HistoryParams(const TPanelContext& context) const;
  // SourceTable and FilteredTable: kept between runs and lotteries until the next load.
  const TPastMatchesTables& Tables() const { return *m_tables; }

  QSpinBox *seFilterFromLastOkno, *seFilterFromLastHistory;
  QPushButton *btnFilterFromLastFromClipboard, *btnFilterFromLastFromPrognoz,
      *btnFilterFromLastRefresh, *btnFilterFromLastToClipboard, *btnFilterFromLastShowHistory;
  QCheckBox* checkFilterFromLastFilter;
  QLineEdit* poleFilterFromLastFilter;

private:
  TPaneJob LoadJob(TSourceOrigin origin, const TPanelContext& context) const;
  void CopyFilteredToClipboard(THost& host) const;

  // Written only by this panel's jobs, which the controller runs one at a time.
  std::shared_ptr<TPastMatchesTables> m_tables = std::make_shared<TPastMatchesTables>();
};
