#pragma once
// The draws map panel: the grid of the 20 draws before T and the 10 from T on, painted over
// the map model of the engine; "Show next" fills the lower rows too.

#include "AnalysisPanel.h"
#include "analyses/TiraMap.h"

class QCheckBox;

// Paints one map: a cell per draw and ball, 1 pixel apart, from 50 pixels in.
class TTiraMapView : public QWidget {
  Q_OBJECT
public:
  explicit TTiraMapView(QWidget* parent);
  void SetMap(TTiraMap map);
  const TTiraMap& Map() const { return m_map; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TTiraMap m_map;
};

class TPanelTiraMap : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelTiraMap(const QString& name, const QString& caption, QWidget* parent);
  bool HasJob() const override { return true; }
  // Paints the map of draw T; nothing goes to the result pane.
  void BeforeJob(const TPanelContext& context) override;
  // At every opening: an empty grid of the lottery's balls.
  void Reset(const TLottery& lottery);

  TTiraMapView* MapView;
  QCheckBox* checkTiraMapShowNext;
};
