#pragma once
// The Skips panel: the foton kind, the history, the skip list with its sort and filter, the
// skip frequency and Parsec. Only the buttons run anything.

#include "AnalysisPanel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The foton kinds in their order, "Double" chosen.
QComboBox* MakeFotonKindBox(QWidget* parent, const QString& name);
int FotonTypeOf(const QComboBox* box);

class TPanelSkips : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelSkips(const QString& name, const QString& caption, QWidget* parent);
  bool HasJob() const override { return true; }
  bool FollowsNextTira() const override { return false; }
  // The skip list (btnSkipsRefresh); the filter is written back in its normal form first.
  TPaneJob Job(const TPanelContext& context) const override;
  void BeforeJob(const TPanelContext& context) override;
  QList<TPanelButton> Buttons() override;
  TSkipsParams ListParams(const TPanelContext& context) const;
  TSkipsFrequencyParams FrequencyParams(const TPanelContext& context) const;

  QLabel *Label281, *lbSkipsSkips;
  QSpinBox* seSkipsHistory;
  QComboBox* cbSkipsDrop;
  QPushButton* btnSkipsParsec;
  QCheckBox *checkSkipsLastSort, *checkSkipsLastFiltered;
  QLineEdit* poleSkipsLastFilter;
  QPushButton* btnSkipsRefresh;
  QCheckBox *cbSkipsFreqShow20, *cbSkipsFreqSort;
  QPushButton* btnSkipsFrequency;
};

// The Test panel (Researches): "Test 001" lists the flash of the chosen kind.
class TPanelTest : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelTest(const QString& name, const QString& caption, QWidget* parent);
  bool HasJob() const override { return true; }
  bool FollowsNextTira() const override { return false; }
  TPaneJob Job(const TPanelContext& context) const override;
  QList<TPanelButton> Buttons() override;

  QComboBox* comboTest01;
  QPushButton *btnTest001, *btnTest002;
};
