// Build tool: turns the Markdown user guide into the PDF the program opens from Help.
//   lotrix_manual SOURCE.md OUTPUT.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 3) {
    std::fputs("usage: lotrix_manual SOURCE.md OUTPUT.pdf\n", stderr);
    return 2;
  }
  QFile source(arguments[1]);
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "lotrix_manual: cannot read %s\n", qPrintable(arguments[1]));
    return 1;
  }
  QTextDocument document;
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
  document.setMarkdown(QString::fromUtf8(source.readAll()));
  QPdfWriter pdf(arguments[2]);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setTitle(QStringLiteral("Lotrix. Описание"));
  pdf.setCreator(QStringLiteral("Lotrix"));
  document.setPageSize(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
  document.print(&pdf);
  return QFile::exists(arguments[2]) ? 0 : 1;
}
