#pragma once
// The draws panel: the history in file order (editable, saved with btnSaveTirazhi) and the
// same draws with every row's balls sorted.

#include <QFrame>

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct TDrawsTexts;

class TPanelTirazhi : public QFrame {
  Q_OBJECT
public:
  explicit TPanelTirazhi(QWidget* parent);

  void SetCaption(const QString& caption);
  QString Caption() const;
  // Replaces both editors' texts; the caret goes to the end so the latest draws show. Only
  // part of a long history: the editor is read-only and cannot be saved.
  void ShowDraws(const TDrawsTexts& texts);

  QLabel* m_title;
  QPlainTextEdit* MemoTirazhi;
  QPlainTextEdit* MemoTirazhiUp;
  QLabel* lbTirazhi;
  QLabel* lbTirazhiUp;
  QPushButton* btnSaveTirazhi;
};
