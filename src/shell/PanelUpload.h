#pragma once
// The results-recognition panel: which listing was pasted into the result pane, and the
// button that turns it into draw lines.

#include "AnalysisPanel.h"
#include "core/ResultsRecognition.h"

class QPushButton;
class QRadioButton;

class TPanelUpload : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelUpload(const QString& name, const QString& caption, QWidget* parent);

  TResultsListing Listing() const;
  // Recognize turns the listing pasted into the result pane into draw lines, oldest first.
  QList<TPanelButton> Buttons() override;
  TPaneJob Job(const TPanelContext& context) const override;
  bool HasJob() const override { return true; }
  bool ReadsPane() const override { return true; }

  QRadioButton* rbBasesUpload01;  // "5 x 36 Столото (Россия)"
  QRadioButton* rbBasesUpload02;  // "6 x 45 Столото (Россия)"
  QRadioButton* rbBasesUpload03;  // "7 x 49 Irish 49s", disabled
  QRadioButton* rbBasesUpload04;  // "20 x 80 KENO UNL", disabled
  QPushButton* btnBasesRecognize;
  QPushButton* btnBasesUpload;  // always disabled
};
