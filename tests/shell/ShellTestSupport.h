#pragma once
// Shared pieces of the desktop tests: the bundled examples, the real window started as the
// program starts it, and checks of the result pane's document against a report pane.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "ScriptedHost.h"
#include "core/ReportPane.h"
#include "core/ReportRender.h"
#include "shell/Controller.h"
#include "shell/PanelTirazhi.h"
#include "shell/mainForm.h"

inline QString ExamplesDir() {
  return QDir(QString::fromUtf8(LOTRIX_EXAMPLES_DIR)).canonicalPath();
}

// A copy of a bundled example under a new name, so saves never touch the examples.
inline QString CopyExample(const QTemporaryDir& dir, const QString& example, const QString& name) {
  const QString target = dir.filePath(name);
  QFile::remove(target);
  if (!QFile::copy(ExamplesDir() + u'/' + example, target)) return {};
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
  return target;
}

// The real window on the offscreen screen, started as the program starts it.
struct TRunningApp {
  TScriptedHost host;
  std::unique_ptr<TfrmMain> form;

  explicit TRunningApp(const QStringList& openAnswers = {}) {
    host.OpenAnswers = openAnswers;
    form = std::make_unique<TfrmMain>(host);
    form->show();
    QCoreApplication::processEvents();  // delivers FormActivate
  }
  QAction* Item(const QString& name) const { return form->findChild<QAction*>(name); }
  void Trigger(const QString& name) const { Item(name)->trigger(); }
  QString MemoText() const { return form->PanelTirazhi->MemoTirazhi->toPlainText(); }
  TController& Controller() const { return form->Controller(); }
  // Waits until no report runs any more, also the re-run that a change during a report
  // queued for afterwards.
  void Settle() const {
    while (Controller().Work().IsRunning()) Controller().Work().WaitForFinished();
  }
};

// The named, shown controls under `root` that a user cannot see in the window's client area,
// neither directly nor by scrolling the scroll area they are in.
inline QStringList UnreachableControls(const QMainWindow& window, const QWidget& root) {
  QStringList unreachable;
  const QWidget* client = window.centralWidget();
  const QRect clientRect = client->rect();
  for (const QWidget* widget : root.findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || !widget->isVisibleTo(&root)) continue;
    // Qt's own parts (a scroll area's bars, a spin box's field) and a scroll area's page.
    if (widget->objectName().startsWith(QStringLiteral("qt_")) ||
        widget->objectName().endsWith(QStringLiteral("Body")))
      continue;
    const QScrollArea* scroll = nullptr;
    for (const QWidget* up = widget->parentWidget(); up != nullptr && !scroll;
         up = up->parentWidget())
      scroll = qobject_cast<const QScrollArea*>(up);
    if (scroll != nullptr && !scroll->widget()->isAncestorOf(widget)) continue;
    const QWidget* frame = scroll != nullptr ? scroll : widget;
    const QRect inClient(frame->mapTo(client, QPoint(0, 0)), frame->size());
    bool seen = !inClient.isEmpty() && clientRect.contains(inClient);
    if (scroll != nullptr) {
      // Inside the scrolled page, and the page's scroll bars reach all of it.
      const QRect inPage(widget->mapTo(scroll->widget(), QPoint(0, 0)), widget->size());
      seen = seen && scroll->widget()->rect().contains(inPage);
    }
    if (!seen) unreachable.append(widget->objectName());
  }
  return unreachable;
}

inline QTextCharFormat FormatAt(const QTextBlock& block, int column) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int start = fragment.position() - block.position();
    if (column >= start && column < start + fragment.length()) return fragment.charFormat();
  }
  return {};
}

inline QColor ToColor(TColor c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// Every line of the pane is a block of the document with the same text, and every styled
// run has exactly its colour, background and weight.
inline void VerifyDocumentMatchesPane(const QTextDocument& document, const TReportPane& pane) {
  QCOMPARE(document.blockCount(), pane.LineCount());
  QTextBlock block = document.begin();
  for (int i = 0; i < pane.LineCount(); ++i, block = block.next()) {
    QCOMPARE(block.text(), pane.Line(i));
    for (const TStyledRun& run : ResolveRuns(pane.Lines()[static_cast<size_t>(i)])) {
      const QTextCharFormat format = FormatAt(block, run.Start);
      if (run.Color)
        QCOMPARE(format.foreground().color(), ToColor(*run.Color));
      else
        QVERIFY(!format.hasProperty(QTextFormat::ForegroundBrush));
      if (run.Background)
        QCOMPARE(format.background().color(), ToColor(*run.Background));
      else
        QVERIFY(!format.hasProperty(QTextFormat::BackgroundBrush));
      if (run.Style) QCOMPARE(format.fontWeight() == QFont::Bold, (*run.Style & fsBold) != 0);
    }
  }
}
