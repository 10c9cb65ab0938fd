#include "DocumentPdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

QByteArray DocumentPdf(const QTextDocument& document, const QString& title) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(title);
    document.print(&writer);
  }  // the writer finishes the file as it goes
  return pdf.data();
}
