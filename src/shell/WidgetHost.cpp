#include "WidgetHost.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

using namespace Qt::StringLiterals;

void TWidgetHost::ShowMessage(const QString& text) {
  // Message lines are separated by a single CR; the box wants line feeds.
  QString shown = text;
  shown.replace(u'\r', u'\n');
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok,
                  m_parent);
  box.setObjectName(u"MessageBox"_s);
  box.exec();
}

QString TWidgetHost::AskOpenFile(const QString& startDirectory) {
  return QFileDialog::getOpenFileName(m_parent, QString(), startDirectory);
}

QString TWidgetHost::AskSaveFile() { return QFileDialog::getSaveFileName(m_parent); }

bool TWidgetHost::AskPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, m_parent);
  return dialog.exec() == QDialog::Accepted;
}

QString TWidgetHost::AskSaveFileAs(const QString& proposedPath, const QString& filter) {
  return QFileDialog::getSaveFileName(m_parent, QString(), proposedPath, filter);
}

TUnsavedAnswer TWidgetHost::AskUnsavedChanges(const QString& text) {
  QString shown = text;
  shown.replace(u'\r', u'\n');
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), shown,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
  box.setObjectName(u"UnsavedChangesBox"_s);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return TUnsavedAnswer::Save;
    case QMessageBox::Discard:
      return TUnsavedAnswer::Discard;
    default:
      return TUnsavedAnswer::Cancel;
  }
}

bool TWidgetHost::OpenDocument(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString TWidgetHost::ClipboardText() { return QGuiApplication::clipboard()->text(); }

void TWidgetHost::SetClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

QChar TWidgetHost::DecimalSeparator() const {
  const QString separator = QLocale().decimalPoint();
  return separator.isEmpty() ? QLatin1Char('.') : separator.front();
}
