#pragma once
// The random pools: the generator panel, the KENO button of "Интервалы (Проф)" (the same
// report from the generator's two parameters) and the research variant "Четные для 5х36".

#include "AnalysisPanel.h"

class QPushButton;

class TPanelRandomNumberGenerator : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelRandomNumberGenerator(const QString& name, const QString& caption, QWidget* parent);
  bool HasJob() const override { return true; }
  bool FollowsNextTira() const override { return false; }
  TPaneJob Job(const TPanelContext& context) const override;
  QList<TPanelButton> Buttons() override;

  QSpinBox *seRNGRangeSize, *seRNGPoolSize;
  QPushButton* btnRandomNumberGenerator;
};

class TPanelIntervalsProf : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelIntervalsProf(const QString& name, const QString& caption, QWidget* parent);
  QList<TPanelButton> Buttons() override;

  QPushButton* btnKENORandomNumberGenerator;
};

class TPanelEven5x36 : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelEven5x36(const QString& name, const QString& caption, QWidget* parent);
  bool HasJob() const override { return true; }
  bool FollowsNextTira() const override { return false; }
  TPaneJob Job(const TPanelContext& context) const override;
  QList<TPanelButton> Buttons() override;

  QSpinBox *seEven5x36RangeSize, *seEven5x36PoolSize;
  QPushButton* btnEven5x36RNG;
};

// The pool report of these sizes for the analysed draw and the available balls.
TPoolParams PoolParams(const TPanelContext& context, int rangeSize, int poolSize,
                       TPoolReportKind kind = TPoolReportKind::Standard);
