#pragma once
// The result pane: RichEditShowResult on its panel. Reports arrive as a finished document
// (prepared off the GUI thread), which replaces the pane's content in one step.

#include <QFrame>
#include <memory>

class QTextDocument;
class QTextEdit;
class TReportPane;

class TPanelShowResult : public QFrame {
  Q_OBJECT
public:
  explicit TPanelShowResult(QWidget* parent);

  // The document becomes the pane's content (the pane owns it); caret at the start,
  // scrolled to the top.
  void ShowDocument(std::unique_ptr<QTextDocument> document);
  // Builds the document of a pane on this thread and shows it (small panes, tests).
  void ShowPane(const TReportPane& pane);
  void Clear();
  QString Text() const;

  QTextEdit* RichEditShowResult;
};
