#include "PanelTirazhi.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

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
  MemoTirazhi = MakeMemo(this, u"MemoTirazhi"_s);
  MemoTirazhiUp = MakeMemo(this, u"MemoTirazhiUp"_s);
  lbTirazhi = new QLabel(this);
  lbTirazhi->setObjectName(u"lbTirazhi"_s);
  lbTirazhiUp = new QLabel(this);
  lbTirazhiUp->setObjectName(u"lbTirazhiUp"_s);
  btnSaveTirazhi = new QPushButton(this);
  btnSaveTirazhi->setObjectName(u"btnSaveTirazhi"_s);
  btnSaveTirazhi->setMinimumWidth(100);
  // The two lists share the width and take the height; each label sits over its list's
  // right edge, the Save button under the first list.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 4, 16, 8);
  grid->setHorizontalSpacing(24);
  grid->addWidget(m_title, 0, 0, 1, 2);
  grid->addWidget(lbTirazhi, 1, 0, Qt::AlignRight);
  grid->addWidget(lbTirazhiUp, 1, 1, Qt::AlignRight);
  grid->addWidget(MemoTirazhi, 2, 0);
  grid->addWidget(MemoTirazhiUp, 2, 1);
  grid->addWidget(btnSaveTirazhi, 3, 0, Qt::AlignLeft);
  grid->setRowStretch(2, 1);
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
