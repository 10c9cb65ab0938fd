#include "PanelFilterFromLast.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"
#include "forecast/ForecastRun.h"

using namespace Qt::StringLiterals;

TPanelFilterFromLast::TPanelFilterFromLast(const QString& name, const QString& caption,
                                           QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  seFilterFromLastOkno = MakeSpinEdit(body, u"seFilterFromLastOkno"_s,
                                      {kMatchWindowDefault, kMatchWindowMin, kMatchWindowMax, 4});
  seFilterFromLastHistory =
      MakeSpinEdit(body, u"seFilterFromLastHistory"_s,
                   {kMatchHistoryDefault, kMatchHistoryMin, kMatchHistoryMax, 3});
  btnFilterFromLastFromClipboard =
      MakeButton(body, u"btnFilterFromLastFromClipboard"_s, u"из Буфера"_s);
  btnFilterFromLastFromPrognoz =
      MakeButton(body, u"btnFilterFromLastFromPrognoz"_s, u"из Прогноза"_s);
  checkFilterFromLastFilter = MakeCheckBox(body, u"checkFilterFromLastFilter"_s, u"Фильтровать"_s);
  poleFilterFromLastFilter = MakeLineEdit(body, u"poleFilterFromLastFilter"_s);
  btnFilterFromLastRefresh = MakeButton(body, u"btnFilterFromLastRefresh"_s, u"Показать"_s);
  btnFilterFromLastToClipboard = MakeButton(body, u"btnFilterFromLastToClipboard"_s, u"в Буфер"_s);
  btnFilterFromLastShowHistory = MakeButton(body, u"btnFilterFromLastShowHistory"_s, u"Показать"_s);

  grid->addWidget(MakeLabel(body, u"lbFilterFromLastOkno"_s, u"Окно"_s), 0, 0);
  grid->addWidget(seFilterFromLastOkno, 0, 1);
  grid->addWidget(MakeLabel(body, u"lbFilterFromLastOknoTirazhi"_s, u"тиражей"_s), 0, 2);
  grid->addWidget(btnFilterFromLastFromClipboard, 0, 3);
  grid->addWidget(btnFilterFromLastFromPrognoz, 0, 4);
  grid->addWidget(checkFilterFromLastFilter, 1, 0, 1, 2);
  grid->addWidget(
      MakeLabel(body, u"lbFilterFromLastFilter"_s, u"Совпадений:  0 / 1 / 2 / 3 / 4 / 5 / ..."_s),
      1, 2, 1, 3);
  grid->addWidget(poleFilterFromLastFilter, 2, 0, 1, 5);
  grid->addWidget(btnFilterFromLastRefresh, 3, 3);
  grid->addWidget(btnFilterFromLastToClipboard, 3, 4);
  grid->addWidget(MakeLabel(body, u"lbFilterFromLastHistory"_s, u"История совпадений"_s), 4, 0, 1,
                  2);
  grid->addWidget(seFilterFromLastHistory, 4, 2);
  grid->addWidget(btnFilterFromLastShowHistory, 4, 3);
  grid->setColumnStretch(5, 1);
}

namespace {

// The match filter of the field, the field rewritten in its normal form.
TMatchFilter ReadMatchFilterEdit(QLineEdit* edit) {
  TMatchFilterText read = ReadMatchFilterText(edit->text());
  edit->setText(read.Text);
  return std::move(read.Filter);
}

}  // namespace

TPastMatchesParams TPanelFilterFromLast::MatchesParams(const TPanelContext& context) {
  ReadMatchFilterEdit(poleFilterFromLastFilter);  // rewritten even when the filter is off
  TPastMatchesParams params;
  params.NextTira = context.NextTira;
  params.Window = seFilterFromLastOkno->value();
  params.Filter = checkFilterFromLastFilter->isChecked();
  params.FilterText = poleFilterFromLastFilter->text();
  params.Tables = m_tables;
  return params;
}

TPastMatchesHistoryParams TPanelFilterFromLast::HistoryParams(const TPanelContext& context) const {
  return {context.NextTira, seFilterFromLastOkno->value(), seFilterFromLastHistory->value()};
}

TPaneJob TPanelFilterFromLast::LoadJob(TSourceOrigin origin, const TPanelContext& context) const {
  return [tables = m_tables, forecast = context.Forecast, origin](THost& host, TReportPane& pane) {
    const bool loaded = origin == TSourceOrigin::Clipboard
                            ? LoadSourceFromClipboard(*tables, host)
                            : LoadSourceFromForecast(*tables, forecast->MainPrognoz.ExportTable);
    WriteReport(nullptr, TPastMatchesSourceParams{origin, tables, !loaded}, pane, &host);
  };
}

void TPanelFilterFromLast::CopyFilteredToClipboard(THost& host) const {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  RowsToClipboard(m_tables->FilteredTable, host);
  QApplication::restoreOverrideCursor();
}

QList<TPanelButton> TPanelFilterFromLast::Buttons() {
  return {
      {btnFilterFromLastFromClipboard, nullptr,
       [this](const TPanelContext& context) { return LoadJob(TSourceOrigin::Clipboard, context); },
       true},
      {btnFilterFromLastFromPrognoz, nullptr,
       [this](const TPanelContext& context) { return LoadJob(TSourceOrigin::Forecast, context); }},
      {btnFilterFromLastRefresh, nullptr,
       [this](const TPanelContext& context) {
         return ReportJob(context.Lottery, MatchesParams(context));
       }},
      {btnFilterFromLastToClipboard, [this](THost& host) { CopyFilteredToClipboard(host); }},
      {btnFilterFromLastShowHistory, nullptr,
       [this](const TPanelContext& context) {
         return ReportJob(context.Lottery, HistoryParams(context));
       }},
  };
}
