#include "PanelUpload.h"

#include <QPushButton>
#include <QRadioButton>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelUpload::TPanelUpload(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  rbBasesUpload01 = MakeRadioButton(this, u"rbBasesUpload01"_s, u"5 x 36 Столото (Россия)"_s,
                                    QRect(16, 28, 220, 20), true);
  rbBasesUpload02 = MakeRadioButton(this, u"rbBasesUpload02"_s, u"6 x 45 Столото (Россия)"_s,
                                    QRect(16, 52, 220, 20));
  rbBasesUpload03 =
      MakeRadioButton(this, u"rbBasesUpload03"_s, u"7 x 49 Irish 49s"_s, QRect(16, 76, 220, 20));
  rbBasesUpload04 =
      MakeRadioButton(this, u"rbBasesUpload04"_s, u"20 x 80 KENO UNL"_s, QRect(16, 100, 220, 20));
  rbBasesUpload03->setEnabled(false);
  rbBasesUpload04->setEnabled(false);
  btnBasesRecognize =
      MakeButton(this, u"btnBasesRecognize"_s, u"Распознать"_s, QRect(260, 28, 100, 28));
  btnBasesUpload = MakeButton(this, u"btnBasesUpload"_s, u"Загрузить"_s, QRect(260, 64, 100, 28));
  btnBasesUpload->setEnabled(false);
}

TResultsListing TPanelUpload::Listing() const {
  return rbBasesUpload02->isChecked() ? TResultsListing::Lotto6x45 : TResultsListing::Lotto5x36;
}

QList<TPanelButton> TPanelUpload::Buttons() { return {{btnBasesRecognize, nullptr}}; }

TPaneJob TPanelUpload::Job(const TPanelContext& context) const {
  return [lines = context.PaneLines, listing = Listing()](THost&, TReportPane& pane) {
    pane.ReplaceLines(RecognizeResults(lines, listing));
  };
}
