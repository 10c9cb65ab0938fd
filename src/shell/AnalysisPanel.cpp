#include "AnalysisPanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>

using namespace Qt::StringLiterals;

#include <array>

namespace {

constexpr auto kPanels = std::to_array<TAnalysisPanelDef>({
    {u"PanelHotCold", u"Горячие. Теплые. Холодные. (Hot. Warm. Cold)", true},
    {u"PanelSkips", u"Пропуски (Skips)", true},
    {u"PanelSummaBalls", u"Сумма Шаров (Sum)", true},
    {u"PanelLastTira", u"Повторы (Repeats)", true},
    {u"Panel65sys7", u"65 sys 7", true},
    {u"PanelTest", u"Тесты", true},
    {u"PanelTiraMap", u"Карта тиражей (Draws map)", false},
    {u"PanelTreble", u"Treble", true},
    {u"PanelEven", u"Четные (Even)", true},
    {u"PanelDogon", u"Стратегия мартингейл (Martingale strategy)", true},
    {u"PanelNeuralNet", u"Нейронная сеть (Neural network)", true},
    {u"PanelPrognoz", u"Прогноз (Forecast)", true},
    {u"PanelIntervals", u"Интервалы (Intervals)", true},
    {u"PanelIntervalsProf", u"Интервалы (Проф)", true},
    {u"PanelCalculator", u"Combinations Calculator", true},
    {u"PanelSleepy", u"Слипы (Consecutive numbers)", true},
    {u"PanelFirstBall", u"Первый Шар (First ball) / Последний Шар (Last ball)", true},
    {u"PanelFilterFromLast", u"Совпадения в последних тиражах", true},
    {u"PanelKarusel", u"Карусели (Wheeling systems)", true},
    {u"PanelDifference", u"Разницы (Difference)", true},
    {u"PanelImage", u"", false},
    {u"PanelPositions", u"Positions", true},
    {u"PanelUpload", u"Обновление баз", true},
    {u"PanelSumForBets", u"Sum for Bets", true},
    {u"PanelRandomNumberGenerator", u"Генератор Случайных Чисел (Random Number Generator)", true},
    {u"PanelTriplets", u"Триплеты (Triplets)", true},
    {u"PanelRangeStat", u"Ряд (Range)", true},
    {u"PanelEven5x36", u"Четные для 5х36", true},
    {u"PanelActivity", u"Activity", true},
    {u"PanelSlice", u"Срезы (Slice)", true},
});

}  // namespace

std::span<const TAnalysisPanelDef> AnalysisPanels() { return kPanels; }

TAnalysisPanel::TAnalysisPanel(const QString& name, const QString& caption, QWidget* parent)
    : QFrame(parent), m_caption(new QLabel(caption, this)) {
  setObjectName(name);
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  m_caption->setObjectName(name + u"Caption"_s);
  m_caption->move(8, 2);
  m_caption->adjustSize();
  hide();
}

QString TAnalysisPanel::Caption() const { return m_caption->text(); }

void TAnalysisPanel::SetCaption(const QString& caption) {
  m_caption->setText(caption);
  m_caption->adjustSize();
}

void TAnalysisPanel::RerunOnChange(QSpinBox* spinEdit) {
  connect(spinEdit, &QSpinBox::valueChanged, this, &TAnalysisPanel::ParametersChanged);
}

void TAnalysisPanel::RerunOnChange(QAbstractButton* checkBox) {
  connect(checkBox, &QAbstractButton::toggled, this, &TAnalysisPanel::ParametersChanged);
}
