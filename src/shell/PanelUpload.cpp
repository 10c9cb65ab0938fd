#include "PanelUpload.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelUpload::TPanelUpload(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  rbBasesUpload01 = MakeRadioButton(body, u"rbBasesUpload01"_s, u"5 x 36 Столото (Россия)"_s, true);
  rbBasesUpload02 = MakeRadioButton(body, u"rbBasesUpload02"_s, u"6 x 45 Столото (Россия)"_s);
  rbBasesUpload03 = MakeRadioButton(body, u"rbBasesUpload03"_s, u"7 x 49 Irish 49s"_s);
  rbBasesUpload04 = MakeRadioButton(body, u"rbBasesUpload04"_s, u"20 x 80 KENO UNL"_s);
  rbBasesUpload03->setEnabled(false);
  rbBasesUpload04->setEnabled(false);
  btnBasesRecognize = MakeButton(body, u"btnBasesRecognize"_s, u"Распознать"_s);
  btnBasesUpload = MakeButton(body, u"btnBasesUpload"_s, u"Загрузить"_s);
  btnBasesUpload->setEnabled(false);
  grid->addWidget(rbBasesUpload01, 0, 0);
  grid->addWidget(rbBasesUpload02, 1, 0);
  grid->addWidget(rbBasesUpload03, 2, 0);
  grid->addWidget(rbBasesUpload04, 3, 0);
  grid->addWidget(btnBasesRecognize, 0, 1);
  grid->addWidget(btnBasesUpload, 1, 1);
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
