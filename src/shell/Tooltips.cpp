#include "Tooltips.h"

#include <QSpinBox>
#include <QString>
#include <QWidget>
#include <array>

using namespace Qt::StringLiterals;

namespace {

struct TTooltipDef {
  const char16_t* Name;  // the control's object name, or its start when it ends with '*'
  const char16_t* English;
  const char16_t* Russian;
};

constexpr auto kTooltips = std::to_array<TTooltipDef>({
    {u"seNextTira",
     u"The draw the reports and the forecast are for: only the draws before it count",
     u"Тираж, для которого строятся отчёты и прогноз: учитываются только тиражи до него"},
    {u"poleSharyEnable", u"The balls the forecast may use; empty: every ball",
     u"Шары, из которых составляется прогноз; пусто: все шары"},
    {u"btnSharyEnableAll", u"Every ball", u"Все шары"},
    {u"btnSharyEnableClear", u"Empty the list (every ball)", u"Очистить список (все шары)"},
    {u"seFilterFromLastHistory", u"How many real draws the match history lists",
     u"Сколько реальных тиражей показывает история совпадений"},
    {u"se*History", u"How many past draws the series and tables cover",
     u"Сколько прошлых тиражей охватывают ряд и таблицы"},
    {u"seHotColdOkno", u"The past draws whose balls make the hot, warm and cold classes",
     u"Прошлые тиражи, по шарам которых шары делятся на горячие, тёплые и холодные"},
    {u"checkHotColdMarkov", u"Add the Markov tables of the three classes",
     u"Добавить таблицы Маркова трёх классов"},
    {u"checkHotColdWinCode", u"Add the WinCodes of the history and their frequency",
     u"Добавить ВинКоды истории и их частоту"},
    {u"checkHotColdFrequencyTable", u"Add the frequency of the balls of the window",
     u"Добавить частоту шаров окна"},
    {u"checkRangeStatStepsSort", u"Sort the gaps after the first one",
     u"Сортировать шаги после первого"},
    {u"check*Sort", u"Order the frequency table by count",
     u"Упорядочить таблицу частот по частоте"},
    {u"check*Series", u"Show where each value occurs in the series",
     u"Показать, где встречается каждое значение ряда"},
    {u"check*SeriesShow", u"Show where each value occurs in the series",
     u"Показать, где встречается каждое значение ряда"},
    {u"checkDifferenceWinCode", u"Add the difference codes of the history and their frequency",
     u"Добавить коды разниц истории и их частоту"},
    {u"checkDifferenceSource", u"Add the pooled differences and their zones",
     u"Добавить все разницы окна и их зоны"},
    {u"seRepeatsCount", u"How many earlier draws make the group a draw repeats from",
     u"Сколько предыдущих тиражей составляют группу, из которой повторяются шары"},
    {u"seRepeatsOtstup", u"From a draw back to the newest draw of its group",
     u"Отступ от тиража до последнего тиража его группы"},
    {u"seSumForBetsLevel", u"The level the sum of a draw is compared with",
     u"Уровень, с которым сравнивается сумма тиража"},
    {u"rbSumForBets*", u"A hit: the sum at or below the level, or at or above it",
     u"Попадание: сумма не выше уровня или не ниже его"},
    {u"poleRangeStatSource", u"Any series of numbers, newest first",
     u"Любой ряд чисел, новые первыми"},
    {u"checkRangeStatSteps", u"Show the gaps between the occurrences of each value",
     u"Показать шаги между появлениями каждого значения"},
    {u"checkRangeStatMarkov", u"Add the Markov table of the series",
     u"Добавить таблицу Маркова ряда"},
    {u"btnRangeStatRefresh", u"Run the report for the series (F5)",
     u"Построить отчёт по ряду (F5)"},
    {u"btnRangeStatReverse", u"Turn the series round", u"Развернуть ряд"},
    {u"btnRangeStatClear", u"Empty the series", u"Очистить ряд"},
    {u"sePrognozNumCombiShow", u"M: how many combinations the automatic selection shows",
     u"M: сколько комбинаций показывает автовыбор"},
    {u"cbPrognozAuto", u"Show only the automatic selection", u"Показывать только автовыбор"},
    {u"btnPrognozNew", u"Walk every combination through the ticked filters",
     u"Перебрать все комбинации через отмеченные фильтры"},
    {u"btnPrognozShow", u"Show the last forecast again, with a new selection",
     u"Показать последний прогноз снова, с новым автовыбором"},
    {u"poleFilterChetnie", u"Allowed numbers of even balls, e.g. \" 1 .. 4\"",
     u"Допустимое число чётных шаров, например \" 1 .. 4\""},
    {u"poleFilterSleepy", u"Allowed numbers of neighbouring pairs, e.g. \" 0 1\"",
     u"Допустимое число пар соседних шаров, например \" 0 1\""},
    {u"poleFilterSumBalls", u"Allowed sums, e.g. \" 72 .. 107\"",
     u"Допустимые суммы, например \" 72 .. 107\""},
    {u"poleFilterFirstBall", u"Allowed first / last balls, e.g. \" 1 .. 10 / 25 .. 36\"",
     u"Допустимые первый / последний шары, например \" 1 .. 10 / 25 .. 36\""},
    {u"poleFilterHotCold", u"Allowed hot/warm/cold codes, X for any digit, e.g. \"212  0XX\"",
     u"Допустимые коды горячих/тёплых/холодных, X - любая цифра, например \"212  0XX\""},
    {u"poleFilterDifferences", u"Allowed difference zone codes, X for any digit",
     u"Допустимые коды зон разниц, X - любая цифра"},
    {u"poleFilterAnyRange*Win", u"Allowed numbers of balls from the set",
     u"Допустимое число шаров из набора"},
    {u"poleFilterAnyRange*", u"A set of balls, e.g. \"1 .. 9\"",
     u"Набор шаров, например \"1 .. 9\""},
    {u"checkFilter*", u"Use this filter in the next forecast",
     u"Учитывать этот фильтр в следующем прогнозе"},
    {u"checkSkipsLastFiltered", u"List only the fotons whose skip is in the list beside",
     u"Показывать только фотоны, чей пропуск есть в списке рядом"},
    {u"poleSkipsLastFilter", u"Allowed skips, e.g. \"0 .. 5\" (0: never flashed)",
     u"Допустимые пропуски, например \"0 .. 5\" (0: не выпадал)"},
    {u"cbSkipsFreqShow20", u"The skip frequency prints at most 20 values",
     u"Частота пропусков показывает не более 20 значений"},
    {u"cbSkipsFreqSort", u"Sort the skip frequency by count", u"Сортировать частоту пропусков"},
    {u"cbSkipsDrop", u"The foton kind: how many balls, and how many of them must come up",
     u"Вид фотона: сколько шаров и сколько из них должно выпасть"},
    {u"checkTiraMapShowNext", u"Also fill the rows of the analysed draw and the nine after it",
     u"Заполнять и строки анализируемого тиража и девяти следующих"},
    {u"checkIntervalsMarkov", u"Add a Markov table for each interval (a click runs the report)",
     u"Добавить таблицу Маркова каждого интервала (щелчок строит отчёт)"},
    {u"seIntervalsSet", u"The stored set of intervals that Save writes and that is shown",
     u"Хранимый набор интервалов: его показывают и в него пишет Save"},
    {u"editInterval*", u"A set of balls, e.g. \"1 .. 9\"", u"Набор шаров, например \"1 .. 9\""},
    {u"seSliceSize", u"S: balls in each slice", u"S: шаров в каждом срезе"},
    {u"seSliceMaxSkip", u"M: list only slices whose every ball came up within M draws; 0: all",
     u"M: показывать только срезы, все шары которых выпадали за последние M тиражей; 0: все"},
    {u"seCalculatorDraw", u"D: the balls drawn", u"D: шаров в тираже"},
    {u"seCalculatorLotto", u"L: the highest ball", u"L: наибольший шар"},
    {u"seCalculatorBalls", u"B: the balls a combination matches", u"B: угаданных шаров"},
    {u"editDogonStartStake", u"Start stake", u"Начальная ставка"},
    {u"editDogonNumStakes", u"Number of stakes", u"Число ставок"},
    {u"editDogonCost", u"Start cost", u"Начальные затраты"},
    {u"editDogonProfit", u"Profit", u"Профит"},
    {u"editDogonOdds", u"Profit", u"Профит"},
    {u"seDogonSteps", u"Number of steps", u"Число шагов"},
    {u"se*RangeSize", u"Balls in each range of the pool", u"Шаров в каждом ряду пула"},
    {u"se*PoolSize", u"Ranges in the pool", u"Рядов в пуле"},
    {u"seFilterFromLastOkno", u"W: how many past draws each row is compared with",
     u"W: со сколькими прошлыми тиражами сравнивается каждая строка"},
    {u"btnFilterFromLastFromClipboard", u"Take the table to filter from the clipboard",
     u"Взять таблицу для фильтрации из буфера обмена"},
    {u"btnFilterFromLastFromPrognoz", u"Take the table the last forecast showed",
     u"Взять таблицу последнего показанного прогноза"},
    {u"checkFilterFromLastFilter", u"Keep only the rows whose match counts pass the filter",
     u"Оставить только строки, число совпадений которых проходит фильтр"},
    {u"poleFilterFromLastFilter",
     u"Allowed counts of draws sharing 0 / 1 / 2 / ... balls with a row; empty: any",
     u"Допустимое число тиражей с 0 / 1 / 2 / ... общими шарами; пусто: любое"},
    {u"btnFilterFromLastRefresh", u"Filter the table and list the rows kept",
     u"Отфильтровать таблицу и показать оставшиеся строки"},
    {u"btnFilterFromLastToClipboard", u"Copy the rows kept to the clipboard",
     u"Скопировать оставшиеся строки в буфер обмена"},
    {u"btnFilterFromLastShowHistory", u"The match counts of the real draws",
     u"Число совпадений реальных тиражей"},
    {u"seBacktestFrom", u"The first draw the backtest tests; auto: the 100th before the last",
     u"Первый проверяемый тираж; авто: сотый от последнего"},
    {u"seBacktestTo", u"The last draw the backtest tests; auto: the last draw",
     u"Последний проверяемый тираж; авто: последний тираж"},
    {u"btnBacktest", u"Run these filters as of every draw of the range and judge them",
     u"Применить эти фильтры к каждому тиражу диапазона и оценить их"},
    {u"btnBasesRecognize", u"Turn the listing pasted into the result pane into draw lines",
     u"Превратить вставленный в окно результатов список в строки тиражей"},
});

// "se*History" matches seEvenHistory: the start before '*' and the end after it.
bool Matches(QStringView pattern, QStringView name) {
  const qsizetype star = pattern.indexOf(u'*');
  if (star < 0) return pattern == name;
  return name.startsWith(pattern.left(star)) && name.endsWith(pattern.mid(star + 1)) &&
         name.size() >= pattern.size() - 1;
}

}  // namespace

void ApplyTooltips(QWidget& window, const QString& language) {
  const bool russian = language == u"rus"_s;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    const QString name = widget->objectName();
    if (name.isEmpty()) continue;
    for (const TTooltipDef& def : kTooltips) {
      if (!Matches(QStringView(def.Name), name)) continue;
      QString tip = QString::fromUtf16(russian ? def.Russian : def.English);
      if (auto* spin = qobject_cast<QSpinBox*>(widget))
        tip += u" ("_s + QString::number(spin->minimum()) + u" .. "_s +
               QString::number(spin->maximum()) + u')';
      widget->setToolTip(tip);
      break;
    }
  }
}
