#include "PanelTirazhi.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "Layout.h"
#include "PaneDocument.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

QPlainTextEdit* MakeMemo(QWidget* parent, const QString& name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setFont(ResultPaneFont());
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

void ShowText(QPlainTextEdit* memo, const QString& text) {
  memo->setPlainText(text);
  memo->moveCursor(QTextCursor::End);
  memo->ensureCursorVisible();
}

}  // namespace

TPanelTirazhi::TPanelTirazhi(QWidget* parent) : QFrame(parent) {
  setObjectName(u"PanelTirazhi"_s);
  setFrameShape(QFrame::StyledPanel);
  m_title = new QLabel(this);
  m_title->setObjectName(u"PanelTirazhiCaption"_s);
  m_title->move(8, 4);
  MemoTirazhi = MakeMemo(this, u"MemoTirazhi"_s);
  MemoTirazhiUp = MakeMemo(this, u"MemoTirazhiUp"_s);
  lbTirazhi = new QLabel(this);
  lbTirazhi->setObjectName(u"lbTirazhi"_s);
  lbTirazhiUp = new QLabel(this);
  lbTirazhiUp->setObjectName(u"lbTirazhiUp"_s);
  btnSaveTirazhi = new QPushButton(this);
  btnSaveTirazhi->setObjectName(u"btnSaveTirazhi"_s);
  btnSaveTirazhi->resize(100, 25);
  hide();
}

void TPanelTirazhi::SetCaption(const QString& caption) {
  m_title->setText(caption);
  m_title->adjustSize();
}

QString TPanelTirazhi::Caption() const { return m_title->text(); }

void TPanelTirazhi::ShowDraws(const TDrawsTexts& texts) {
  ShowText(MemoTirazhi, texts.MemoTirazhi);
  ShowText(MemoTirazhiUp, texts.MemoTirazhiUp);
  MemoTirazhi->setReadOnly(texts.Partial());
  MemoTirazhi->document()->setModified(false);  // what the file holds: nothing to save yet
  btnSaveTirazhi->setEnabled(!texts.Partial());
}

void TPanelTirazhi::ApplyLayout(const TPanelLayout& layout) {
  MemoTirazhi->setGeometry(layout.MemoTirazhi);
  MemoTirazhiUp->setGeometry(layout.MemoTirazhiUp);
  lbTirazhi->setGeometry(layout.lbTirazhi);
  lbTirazhiUp->setGeometry(layout.lbTirazhiUp);
  btnSaveTirazhi->move(layout.btnSaveTirazhi.topLeft());
}
