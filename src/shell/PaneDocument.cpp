#include "PaneDocument.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <map>

#include "core/ReportRender.h"

using namespace Qt::StringLiterals;

namespace {

QColor ToQColor(TColor c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

QTextCharFormat FormatOf(const TStyledRun& run) {
  QTextCharFormat format;
  if (run.Color) format.setForeground(ToQColor(*run.Color));
  if (run.Background) format.setBackground(ToQColor(*run.Background));
  if (run.Style) {
    const TFontStyles style = *run.Style;
    format.setFontWeight((style & fsBold) != 0 ? QFont::Bold : QFont::Normal);
    format.setFontItalic((style & fsItalic) != 0);
    format.setFontUnderline((style & fsUnderline) != 0);
    format.setFontStrikeOut((style & fsStrikeOut) != 0);
  }
  return format;
}

// One format object per look: a report uses a handful of looks on many lines.
class TFormatCache {
public:
  const QTextCharFormat& Of(const TStyledRun& run) {
    const uint64_t key = (uint64_t{run.Color.value_or(0x1000000)} << 40) ^
                         (uint64_t{run.Background.value_or(0x1000000)} << 12) ^
                         uint64_t { run.Style.value_or(0x80) };
    auto it = m_formats.find(key);
    if (it == m_formats.end()) it = m_formats.emplace(key, FormatOf(run)).first;
    return it->second;
  }

private:
  std::map<uint64_t, QTextCharFormat> m_formats;
};

constexpr int kCancelCheckLines = 4096;

}  // namespace

QFont ResultPaneFont() {
  QFont font(u"Courier New"_s, 8);
  font.setStyleHint(QFont::TypeWriter);
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(8);
  }
  return font;
}

std::unique_ptr<QTextDocument> BuildPaneDocument(const TReportPane& pane,
                                                 const std::atomic<bool>* cancel) {
  auto document = std::make_unique<QTextDocument>();
  document->setUndoRedoEnabled(false);
  document->setDefaultFont(ResultPaneFont());
  QTextCursor cursor(document.get());
  cursor.beginEditBlock();
  const QTextCharFormat plain;
  TFormatCache formats;
  // Unstyled lines go in as one block of text each stretch: far fewer cursor operations. A
  // stretch goes in at every megacharacter, so that it never doubles a long report's memory.
  constexpr qsizetype kStretchChars = qsizetype{1} << 20;
  QString stretch;
  auto flush = [&] {
    if (stretch.isEmpty()) return;
    cursor.insertText(stretch, plain);
    stretch.clear();
  };
  const auto& lines = pane.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (cancel != nullptr && i % kCancelCheckLines == 0 && cancel->load()) return nullptr;
    const TPaneLine& line = lines[i];
    if (i > 0) stretch += u'\n';
    if (line.Spans.empty()) {
      stretch += line.Text;
      if (stretch.size() >= kStretchChars) flush();
      continue;
    }
    flush();
    for (const TStyledRun& run : ResolveRuns(line)) {
      const QString text = line.Text.mid(run.Start, run.Length);
      cursor.insertText(text, run.IsStyled() ? formats.Of(run) : plain);
    }
  }
  flush();
  cursor.endEditBlock();
  return document;
}
