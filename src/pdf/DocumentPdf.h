#pragma once
// A rich-text document laid out on A4 pages as a PDF, for the window's "Save report as…" and
// lotrix-cli's --format pdf. On Qt GUI (text layout), so it is a library of its own above the
// engine's layers.

#include <QByteArray>
#include <QString>

class QTextDocument;

// A PDF is laid out page by page: a report of more lines than this is refused (HTML and text
// are not).
inline constexpr int kMaxPdfLines = 100'000;

// The document's pages as the bytes of a PDF titled `title`.
QByteArray DocumentPdf(const QTextDocument& document, const QString& title);
