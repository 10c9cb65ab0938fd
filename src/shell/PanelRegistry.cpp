#include "PanelRegistry.h"

#include <array>

#include "AnalysisPanel.h"
#include "PanelCalculators.h"
#include "PanelDifference.h"
#include "PanelEvenSleepy.h"
#include "PanelFilterFromLast.h"
#include "PanelFirstLastSum.h"
#include "PanelHotCold.h"
#include "PanelIntervals.h"
#include "PanelLastTira.h"
#include "PanelPools.h"
#include "PanelPrognoz.h"
#include "PanelRangeStat.h"
#include "PanelSkips.h"
#include "PanelSlice.h"
#include "PanelTiraMap.h"
#include "PanelTriplets.h"
#include "PanelUpload.h"

namespace {

template <typename TPanel>
TAnalysisPanel* Make(const QString& name, const QString& caption, QWidget* parent) {
  return new TPanel(name, caption, parent);
}
constexpr auto kFrame = &Make<TAnalysisPanel>;

constexpr auto kPanels = std::to_array<TPanelDef>({
    {u"PanelHotCold", u"Горячие. Теплые. Холодные. (Hot. Warm. Cold)", true, &Make<TPanelHotCold>},
    {u"PanelSkips", u"Пропуски (Skips)", true, &Make<TPanelSkips>},
    {u"PanelSummaBalls", u"Сумма Шаров (Sum)", true, &Make<TPanelSummaBalls>},
    {u"PanelLastTira", u"Повторы (Repeats)", true, &Make<TPanelLastTira>},
    {u"Panel65sys7", u"65 sys 7", true, kFrame},
    {u"PanelTest", u"Тесты", true, &Make<TPanelTest>},
    {u"PanelTiraMap", u"Карта тиражей (Draws map)", false, &Make<TPanelTiraMap>},
    {u"PanelTreble", u"Treble", true, kFrame},
    {u"PanelEven", u"Четные (Even)", true, &Make<TPanelEven>},
    {u"PanelDogon", u"Стратегия мартингейл (Martingale strategy)", true, &Make<TPanelDogon>},
    {u"PanelNeuralNet", u"Нейронная сеть (Neural network)", true, kFrame},
    {u"PanelPrognoz", u"Прогноз (Forecast)", true, &Make<TPanelPrognoz>},
    {u"PanelIntervals", u"Интервалы (Intervals)", true, &Make<TPanelIntervals>},
    {u"PanelIntervalsProf", u"Интервалы (Проф)", true, &Make<TPanelIntervalsProf>},
    {u"PanelCalculator", u"Combinations Calculator", true, &Make<TPanelCalculator>},
    {u"PanelSleepy", u"Слипы (Consecutive numbers)", true, &Make<TPanelSleepy>},
    {u"PanelFirstBall", u"Первый Шар (First ball) / Последний Шар (Last ball)", true,
     &Make<TPanelFirstBall>},
    {u"PanelFilterFromLast", u"Совпадения в последних тиражах", true, &Make<TPanelFilterFromLast>},
    {u"PanelKarusel", u"Карусели (Wheeling systems)", true, kFrame},
    {u"PanelDifference", u"Разницы (Difference)", true, &Make<TPanelDifference>},
    {u"PanelImage", u"", false, kFrame},
    {u"PanelPositions", u"Positions", true, kFrame},
    {u"PanelUpload", u"Обновление баз", true, &Make<TPanelUpload>},
    {u"PanelSumForBets", u"Sum for Bets", true, &Make<TPanelSumForBets>},
    {u"PanelRandomNumberGenerator", u"Генератор Случайных Чисел (Random Number Generator)", true,
     &Make<TPanelRandomNumberGenerator>},
    {u"PanelTriplets", u"Триплеты (Triplets)", true, &Make<TPanelTriplets>},
    {u"PanelRangeStat", u"Ряд (Range)", true, &Make<TPanelRangeStat>},
    {u"PanelEven5x36", u"Четные для 5х36", true, &Make<TPanelEven5x36>},
    {u"PanelActivity", u"Activity", true, kFrame},
    {u"PanelSlice", u"Срезы (Slice)", true, &Make<TPanelSlice>},
});

}  // namespace

std::span<const TPanelDef> PanelDefs() { return kPanels; }
