#include "ConsoleHost.h"

#include <QFile>
#include <QLocale>
#include <cstdio>

QString TConsoleHost::ClipboardText() {
  QFile in;
  if (!in.open(stdin, QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(in.readAll());
}

void TConsoleHost::SetClipboardText(const QString& text) {
  QFile out;
  if (out.open(stdout, QIODevice::WriteOnly)) out.write(text.toUtf8());
}

QChar TConsoleHost::DecimalSeparator() const {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QLatin1Char('.') : point.front();
}
