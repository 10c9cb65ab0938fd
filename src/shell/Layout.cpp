#include "Layout.h"

#include <algorithm>

namespace {

// A window too small for a panel leaves it empty, never with a negative size.
QRect Box(int left, int top, int width, int height) {
  return QRect(left, top, std::max(0, width), std::max(0, height));
}

}  // namespace

TPanelLayout ComputePanelLayout(const TLayoutInput& input) {
  const int W = input.Window.width();
  const int H = input.Window.height();
  TPanelLayout l;

  l.PanelTirazhi = Box(8, 8, W - 24, H - 8 - 48);
  const int memoHeight = l.PanelTirazhi.height() - 32 - input.SaveButtonHeight - 16;
  l.MemoTirazhi = Box(24, 32, 580, memoHeight);
  // Each label right-aligned with its memo's right edge, 4 pixels above it.
  auto labelOver = [](const QRect& memo, QSize label) {
    return QRect(memo.left() + memo.width() - label.width(), memo.top() - label.height() - 4,
                 label.width(), label.height());
  };
  l.lbTirazhi = labelOver(l.MemoTirazhi, input.LabelTirazhi);
  l.MemoTirazhiUp = QRect(l.MemoTirazhi.left() + l.MemoTirazhi.width() + 24, l.MemoTirazhi.top(),
                          l.MemoTirazhi.width(), l.MemoTirazhi.height());
  l.lbTirazhiUp = labelOver(l.MemoTirazhiUp, input.LabelTirazhiUp);
  // The bottom edge is top + height (the memo's outer edge, not QRect::bottom()).
  l.btnSaveTirazhi = QRect(l.MemoTirazhi.left(), l.MemoTirazhi.top() + l.MemoTirazhi.height() + 8,
                           0, input.SaveButtonHeight);

  l.PanelMain = QRect(QPoint(8, 8), input.PanelMain);
  l.PanelEmpty = Box(l.PanelMain.left() + l.PanelMain.width() + 4, l.PanelMain.top(),
                     W - l.PanelMain.width() - 28, l.PanelMain.height());

  const int resultTop = l.PanelMain.top() + l.PanelMain.height() + 8;
  l.PanelShowResult = Box(l.PanelMain.left(), resultTop, W - 24, H - resultTop - 96);
  l.RichEditShowResult = Box(8, 8, l.PanelShowResult.width() - 16, l.PanelShowResult.height() - 16);

  l.PanelTiraMap = QRect(l.PanelShowResult.left(), l.PanelShowResult.top(),
                         l.PanelShowResult.width(), kPanelTiraMapHeight);
  l.checkTiraMapShowNext =
      QRect(50, kPanelTiraMapHeight - input.ShowNextHeight - 16, 0, input.ShowNextHeight);

  l.PanelAbout = QRect(300, 300, 400, 177);
  return l;
}
