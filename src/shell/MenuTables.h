#pragma once
// The main menu and the language-dependent captions, as data. The window builds its menu
// from kMenuItems (tree order: every parent comes before its children) and SetCaptions
// applies the caption columns of the current language. Members of TMainMenu carry the
// items' names, so code and tests reach every item by its name.

#include <QString>
#include <cstdint>
#include <span>

class QAction;

// Every item of the main menu. Items with children are submenus (their QMenu and their
// menu action both carry the item's name).
struct TMainMenu {
  QAction *menuFile{}, *menuLottoNew{}, *menuReopen{}, *menuReopen01{}, *menuReopen02{},
      *menuReopen03{}, *menuReopen04{}, *menuSaveReport{}, *menuPrint{}, *menuExport{},
      *menuExportClipBoard{}, *menuExportExcel{}, *menuExportWord{}, *menuExit{};
  QAction* menuTirazhi{};
  QAction *menuAnalysis{}, *menuTiraMap{}, *menuHotCold{}, *menuEven{}, *menuSleepy{},
      *menuFirstBall{}, *menuSummaBalls{}, *menuIntervals{}, *menuRepeats{}, *menuDifference{};
  QAction *menuPrognoz{}, *menuPrognozCombi{}, *menuBacktest{}, *menuRandomNumberGenerator{};
  QAction *menuProfi{}, *menuCalculator{}, *menuKarusel{}, *menuDogon{}, *menuSkips{},
      *menuRangeStat{}, *menuSlice{}, *menuBasesUpload{};
  QAction *menuResearches{}, *menuKENO{}, *menuFotons{}, *menuNewIdeas{}, *menuMixer{},
      *menuSpectrum{}, *menuMetki{}, *menuSumPairs{}, *menuKadry{}, *menuAnalizHotBalls{},
      *menuPopUpBalls{}, *menuAnalizFields{}, *menuPairs{}, *menuOrdinaty{}, *menuGroups{},
      *menuClusters{}, *menuCaterpillar{}, *menuNeuralNet{};
  QAction *menu49s{}, *menuTotalValue{}, *menuHiLoOddEven{}, *menuBonusBallColour{}, *menuHiLo{},
      *menu65sys7{}, *menuPrognoz65sys7{}, *menuAnalizOddEvenG{}, *menuAnalizHiLoM{},
      *menuAnalizOddEvenM{}, *menuAnalizHiLoG{}, *menuSingle{}, *menuPrognozSingle{}, *menuGride{},
      *menuPrognozTreble{};
  QAction *menuTreble{}, *menuExtractor{}, *menuPositions{}, *menuSeries{}, *menuCycles{},
      *menuReserved{}, *menuTables{}, *menuCodes{}, *menuSharyCount{}, *menuCodesAuto{},
      *menuRain{}, *menuPrognozDouble{}, *menuFilterFromLast{}, *menuSumForBets{},
      *menuIntervalsProf{}, *menuTriplets{}, *menuWinCodes{}, *menuTest{}, *menuEven5x36{},
      *menuActivity{};
  QAction *menuHelp{}, *menuManual{}, *menuAbout{};
  QAction *menuEmpty{}, *menuLanguage{};
};

enum TMenuFlag : uint8_t {
  mfNone = 0,
  mfSubmenu = 1,         // has children
  mfDisabled = 2,        // disabled in the form and never enabled
  mfHidden = 4,          // never visible
  mfSeparatorBefore = 8  // a separator line above the item
};

struct TMenuItemDef {
  QAction* TMainMenu::*Member;
  const char16_t* Name;
  const char16_t* Parent;   // nullptr: on the menu bar
  const char16_t* English;  // the caption when the language is not "rus"
  const char16_t* Russian;  // the caption when it is "rus" (same text when fixed)
  uint8_t Flags;
};

std::span<const TMenuItemDef> MenuItems();

// Captions of controls that follow the language, found by object name in the window; a
// control that is not built yet is skipped. A panel's caption is its title.
struct TControlCaptionDef {
  const char16_t* Name;
  const char16_t* English;
  const char16_t* Russian;
};

std::span<const TControlCaptionDef> ControlCaptions();

// The caption of a table row in a language ("rus" gives the Russian column).
QString CaptionIn(const TMenuItemDef& item, const QString& language);
QString CaptionIn(const TControlCaptionDef& control, const QString& language);
