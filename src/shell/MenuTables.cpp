#include "MenuTables.h"

#include <array>

#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

using M = TMainMenu;

// Tree order: every submenu before its children, children in menu order.
constexpr std::array kMenu = std::to_array<TMenuItemDef>({
    {&M::menuFile, u"menuFile", nullptr, u"File", u"Файл", mfSubmenu},
    {&M::menuLottoNew, u"menuLottoNew", u"menuFile", u"New Lottery", u"Новая лотерея", mfNone},
    {&M::menuReopen, u"menuReopen", u"menuFile", u"Reopen", u"Открыть", mfSubmenu},
    {&M::menuReopen01, u"menuReopen01", u"menuReopen", u"1: ", u"1: ", mfNone},
    {&M::menuReopen02, u"menuReopen02", u"menuReopen", u"2: ", u"2: ", mfNone},
    {&M::menuReopen03, u"menuReopen03", u"menuReopen", u"3: ", u"3: ", mfNone},
    {&M::menuReopen04, u"menuReopen04", u"menuReopen", u"4: ", u"4: ", mfNone},
    {&M::menuSaveReport, u"menuSaveReport", u"menuFile", u"Save report as…",
     u"Сохранить отчёт как…", mfSeparatorBefore},
    {&M::menuPrint, u"menuPrint", u"menuFile", u"Print…", u"Печать…", mfNone},
    {&M::menuExport, u"menuExport", u"menuFile", u"Export", u"Экспорт", mfSubmenu},
    {&M::menuExportClipBoard, u"menuExportClipBoard", u"menuExport", u"Clipboard", u"Буфер",
     mfNone},
    {&M::menuExportExcel, u"menuExportExcel", u"menuExport", u"Excel", u"Excel", mfNone},
    {&M::menuExportWord, u"menuExportWord", u"menuExport", u"Word", u"Word", mfNone},
    {&M::menuExit, u"menuExit", u"menuFile", u"Exit", u"Выход", mfSeparatorBefore},

    {&M::menuTirazhi, u"menuTirazhi", nullptr, u"Draws", u"Тиражи", mfNone},

    {&M::menuAnalysis, u"menuAnalysis", nullptr, u"Analysis", u"Анализ", mfSubmenu},
    {&M::menuTiraMap, u"menuTiraMap", u"menuAnalysis", u"Draws map", u"Карта тиражей", mfNone},
    {&M::menuHotCold, u"menuHotCold", u"menuAnalysis", u"Hot / Warm / Cold",
     u"Горячие / Теплые / Холодные", mfNone},
    {&M::menuEven, u"menuEven", u"menuAnalysis", u"Even", u"Четные", mfNone},
    {&M::menuSleepy, u"menuSleepy", u"menuAnalysis", u"Consecutive numbers", u"Слипы", mfNone},
    {&M::menuFirstBall, u"menuFirstBall", u"menuAnalysis", u"First / Last ball",
     u"Первый / Последний Шар", mfNone},
    {&M::menuSummaBalls, u"menuSummaBalls", u"menuAnalysis", u"Sum", u"Сумма Шаров", mfNone},
    {&M::menuIntervals, u"menuIntervals", u"menuAnalysis", u"Intervals", u"Интервалы", mfNone},
    {&M::menuRepeats, u"menuRepeats", u"menuAnalysis", u"Repeats", u"Повторы", mfNone},
    {&M::menuDifference, u"menuDifference", u"menuAnalysis", u"Differences", u"Разницы", mfNone},

    {&M::menuPrognoz, u"menuPrognoz", nullptr, u"Forecast", u"Прогноз", mfSubmenu},
    {&M::menuPrognozCombi, u"menuPrognozCombi", u"menuPrognoz", u"Combinations", u"Комбинации",
     mfNone},
    {&M::menuBacktest, u"menuBacktest", u"menuPrognoz", u"Backtest", u"Бэктест", mfNone},
    {&M::menuRandomNumberGenerator, u"menuRandomNumberGenerator", u"menuPrognoz",
     u"Random Number Generator", u"Генератор Случайных Чисел", mfNone},

    {&M::menuProfi, u"menuProfi", nullptr, u"Advanced", u"Профи", mfSubmenu},
    {&M::menuCalculator, u"menuCalculator", u"menuProfi", u"Calculator", u"Калькулятор", mfNone},
    {&M::menuKarusel, u"menuKarusel", u"menuProfi", u"Wheeling systems", u"Карусели", mfDisabled},
    {&M::menuDogon, u"menuDogon", u"menuProfi", u"Martingale strategy", u"Догон", mfNone},
    {&M::menuSkips, u"menuSkips", u"menuProfi", u"Skips", u"Пропуски", mfNone},
    {&M::menuRangeStat, u"menuRangeStat", u"menuProfi", u"Range", u"Ряд", mfNone},
    {&M::menuSlice, u"menuSlice", u"menuProfi", u"Slice", u"Срезы", mfNone},
    {&M::menuBasesUpload, u"menuBasesUpload", u"menuProfi", u"Обновление баз", u"Обновление баз",
     mfNone},

    {&M::menuResearches, u"menuResearches", nullptr, u"Researches", u"Researches", mfSubmenu},
    {&M::menuKENO, u"menuKENO", u"menuResearches", u"KENO", u"KENO", mfNone},
    {&M::menuFotons, u"menuFotons", u"menuResearches", u"Фотоны", u"Фотоны", mfNone},
    {&M::menuNewIdeas, u"menuNewIdeas", u"menuResearches", u"Идеи", u"Идеи", mfSubmenu},
    {&M::menuMixer, u"menuMixer", u"menuNewIdeas", u"Mixer", u"Mixer", mfNone},
    {&M::menuSpectrum, u"menuSpectrum", u"menuNewIdeas", u"Спектр", u"Спектр", mfNone},
    {&M::menuMetki, u"menuMetki", u"menuNewIdeas", u"Метки", u"Метки", mfNone},
    {&M::menuSumPairs, u"menuSumPairs", u"menuNewIdeas", u"Суммы пар", u"Суммы пар", mfDisabled},
    {&M::menuKadry, u"menuKadry", u"menuNewIdeas", u"Кадры", u"Кадры", mfDisabled},
    {&M::menuAnalizHotBalls, u"menuAnalizHotBalls", u"menuNewIdeas", u"Горячие Шары",
     u"Горячие Шары", mfDisabled},
    {&M::menuPopUpBalls, u"menuPopUpBalls", u"menuNewIdeas", u"Всплывающие Шары",
     u"Всплывающие Шары", mfDisabled},
    {&M::menuAnalizFields, u"menuAnalizFields", u"menuNewIdeas", u"Поля", u"Поля", mfDisabled},
    {&M::menuPairs, u"menuPairs", u"menuNewIdeas", u"Пары", u"Пары", mfDisabled},
    {&M::menuOrdinaty, u"menuOrdinaty", u"menuNewIdeas", u"Ординаты", u"Ординаты", mfDisabled},
    {&M::menuGroups, u"menuGroups", u"menuNewIdeas", u"Группы", u"Группы", mfDisabled},
    {&M::menuClusters, u"menuClusters", u"menuNewIdeas", u"Кластеры", u"Кластеры", mfDisabled},
    {&M::menuCaterpillar, u"menuCaterpillar", u"menuResearches", u"Caterpillar", u"Гусеница",
     mfNone},
    {&M::menuNeuralNet, u"menuNeuralNet", u"menuResearches", u"Нейронная сеть", u"Нейронная сеть",
     mfDisabled},
    {&M::menu49s, u"menu49s", u"menuResearches", u"Lotto 49s", u"Lotto 49s", mfSubmenu},
    {&M::menuTotalValue, u"menuTotalValue", u"menu49s", u"Total Value", u"Total Value", mfNone},
    {&M::menuHiLoOddEven, u"menuHiLoOddEven", u"menu49s", u"HiLo / OddEven", u"HiLo / OddEven",
     mfNone},
    {&M::menuBonusBallColour, u"menuBonusBallColour", u"menu49s", u"Bonus Ball Colour",
     u"Bonus Ball Colour", mfDisabled},
    {&M::menuHiLo, u"menuHiLo", u"menu49s", u"HiLo", u"HiLo", mfDisabled | mfHidden},
    {&M::menu65sys7, u"menu65sys7", u"menu49s", u"65 sys 7", u"65 sys 7", mfDisabled | mfHidden},
    {&M::menuPrognoz65sys7, u"menuPrognoz65sys7", u"menu49s", u"Forecast 65 sys 7",
     u"Forecast 65 sys 7", mfDisabled | mfHidden},
    {&M::menuAnalizOddEvenG, u"menuAnalizOddEvenG", u"menu49s", u"OddEven G", u"OddEven G",
     mfDisabled | mfHidden},
    {&M::menuAnalizHiLoM, u"menuAnalizHiLoM", u"menu49s", u"HiLo M", u"HiLo M",
     mfDisabled | mfHidden},
    {&M::menuAnalizOddEvenM, u"menuAnalizOddEvenM", u"menu49s", u"OddEven M", u"OddEven M",
     mfDisabled | mfHidden},
    {&M::menuAnalizHiLoG, u"menuAnalizHiLoG", u"menu49s", u"HiLo G", u"HiLo G",
     mfDisabled | mfHidden},
    {&M::menuSingle, u"menuSingle", u"menu49s", u"Single", u"Single", mfDisabled | mfHidden},
    {&M::menuPrognozSingle, u"menuPrognozSingle", u"menu49s", u"Forecast Single",
     u"Forecast Single", mfDisabled | mfHidden},
    {&M::menuGride, u"menuGride", u"menu49s", u"Grid", u"Grid", mfDisabled | mfHidden},
    {&M::menuPrognozTreble, u"menuPrognozTreble", u"menu49s", u"Forecast Treble",
     u"Forecast Treble", mfDisabled | mfHidden},
    {&M::menuTreble, u"menuTreble", u"menuResearches", u"Treble", u"Treble", mfNone},
    {&M::menuExtractor, u"menuExtractor", u"menuResearches", u"Extractor", u"Extractor", mfNone},
    {&M::menuPositions, u"menuPositions", u"menuResearches", u"Positions", u"Positions", mfNone},
    {&M::menuSeries, u"menuSeries", u"menuResearches", u"Серии", u"Серии", mfNone},
    {&M::menuCycles, u"menuCycles", u"menuResearches", u"Циклы", u"Циклы", mfNone},
    {&M::menuReserved, u"menuReserved", u"menuResearches", u"Резерв", u"Резерв",
     mfDisabled | mfHidden},
    {&M::menuTables, u"menuTables", u"menuResearches", u"Tables", u"Tables", mfNone},
    {&M::menuCodes, u"menuCodes", u"menuResearches", u"Коды", u"Коды", mfNone},
    {&M::menuSharyCount, u"menuSharyCount", u"menuResearches", u"Частые Шары", u"Частые Шары",
     mfNone},
    {&M::menuCodesAuto, u"menuCodesAuto", u"menuResearches", u"Коды (Авто)", u"Коды (Авто)",
     mfNone},
    {&M::menuRain, u"menuRain", u"menuResearches", u"Дождик", u"Дождик", mfNone},
    {&M::menuPrognozDouble, u"menuPrognozDouble", u"menuResearches", u"Double", u"Double", mfNone},
    {&M::menuFilterFromLast, u"menuFilterFromLast", u"menuResearches", u"Past matches",
     u"Past matches", mfNone},
    {&M::menuSumForBets, u"menuSumForBets", u"menuResearches", u"Sum for Bets", u"Sum for Bets",
     mfNone},
    {&M::menuIntervalsProf, u"menuIntervalsProf", u"menuResearches", u"Интервалы (Проф)",
     u"Интервалы (Проф)", mfNone},
    {&M::menuTriplets, u"menuTriplets", u"menuResearches", u"Триплеты", u"Триплеты", mfNone},
    {&M::menuWinCodes, u"menuWinCodes", u"menuResearches", u"WinCodes", u"WinCodes", mfNone},
    {&M::menuTest, u"menuTest", u"menuResearches", u"Test", u"Test", mfNone},
    {&M::menuEven5x36, u"menuEven5x36", u"menuResearches", u"Четные 5х36", u"Четные 5х36", mfNone},
    {&M::menuActivity, u"menuActivity", u"menuResearches", u"Activity", u"Activity", mfNone},

    {&M::menuHelp, u"menuHelp", nullptr, u"Help", u"Помощь", mfSubmenu},
    {&M::menuManual, u"menuManual", u"menuHelp", u"Описание (Manual)", u"Описание (Manual)",
     mfNone},
    {&M::menuAbout, u"menuAbout", u"menuHelp", u"About", u"О программе", mfNone},

    {&M::menuEmpty, u"menuEmpty", nullptr, u"         ", u"         ", mfDisabled},
    {&M::menuLanguage, u"menuLanguage", nullptr, u"Русский", u"English", mfNone},
});

constexpr std::array kControlCaptions = std::to_array<TControlCaptionDef>({
    {u"PanelTirazhi", u"Draws result", u"Результаты тиражей"},
    {u"lbTirazhi", u"In draw order.", u"В порядке выпадения"},
    {u"lbTirazhiUp", u"In numerical order", u"Упорядоченные"},
    {u"checkFilterAnyRange0", u"Any range 0", u"Произвольный ряд 0"},
    {u"checkFilterAnyRange1", u"Any range 1", u"Произвольный ряд 1"},
    {u"checkFilterAnyRange2", u"Any range 2", u"Произвольный ряд 2"},
    {u"checkFilterAnyRange3", u"Any range 3", u"Произвольный ряд 3"},
    {u"checkFilterAnyRange4", u"Any range 4", u"Произвольный ряд 4"},
    {u"checkFilterAnyRange5", u"Any range 5", u"Произвольный ряд 5"},
    {u"checkFilterAnyRange6", u"Any range 6", u"Произвольный ряд 6"},
    {u"checkFilterAnyRange7", u"Any range 7", u"Произвольный ряд 7"},
    {u"checkFilterAnyRange8", u"Any range 8", u"Произвольный ряд 8"},
    {u"checkFilterAnyRange9", u"Any range 9", u"Произвольный ряд 9"},
    {u"checkTiraMapShowNext", u"Show next", u"Показывать следующие"},
    {u"btnSaveTirazhi", u"Save", u"Сохранить"},
    {u"btnBusyCancel", u"Cancel", u"Отмена"},
    {u"checkSkipsLastSort", u"Sort", u"Сортировка"},
    {u"checkSkipsLastFiltered", u"Filter", u"Фильтр"},
    {u"Label281", u"History", u"История"},
    {u"btnSkipsRefresh", u"Refresh", u"Обновить"},
    {u"btnRangeStatRefresh", u"Refresh", u"Обновить"},
    {u"btnRangeStatReverse", u"Reverse", u"Реверс"},
    {u"Label287", u"<-- <-- Source Range <-- <--", u"<-- <-- Исходный ряд <-- <--"},
});

}  // namespace

std::span<const TMenuItemDef> MenuItems() { return kMenu; }
std::span<const TControlCaptionDef> ControlCaptions() { return kControlCaptions; }

QString CaptionIn(const TMenuItemDef& item, const QString& language) {
  return QString::fromUtf16(IsRussian(language) ? item.Russian : item.English);
}

QString CaptionIn(const TControlCaptionDef& control, const QString& language) {
  return QString::fromUtf16(IsRussian(language) ? control.Russian : control.English);
}
