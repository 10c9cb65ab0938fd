#include "Layout.h"

#include <algorithm>

namespace {

constexpr int kMargin = 8;

// A window too small for a panel leaves it empty, never with a negative size.
QRect Box(int left, int top, int width, int height) {
  return QRect(left, top, std::max(0, width), std::max(0, height));
}

}  // namespace

TPanelLayout ComputePanelLayout(const TLayoutInput& input) {
  const int W = input.Client.width();
  const int H = input.Client.height();
  TPanelLayout l;
  l.PanelTirazhi = Box(kMargin, kMargin, W - 2 * kMargin, H - 2 * kMargin);
  l.PanelMain = QRect(QPoint(kMargin, kMargin), input.PanelMain);
  l.PanelEmpty =
      Box(l.PanelMain.left() + l.PanelMain.width() + 4, l.PanelMain.top(),
          W - kMargin - (l.PanelMain.left() + l.PanelMain.width() + 4), l.PanelMain.height());
  const int resultTop = l.PanelMain.top() + l.PanelMain.height() + kMargin;
  l.PanelShowResult = Box(l.PanelMain.left(), resultTop, W - 2 * kMargin, H - resultTop - kMargin);
  l.PanelTiraMap = Box(l.PanelShowResult.left(), l.PanelShowResult.top(), l.PanelShowResult.width(),
                       std::min(kPanelTiraMapHeight, l.PanelShowResult.height()));
  l.PanelAbout = QRect(300, 300, 400, 177);
  return l;
}
