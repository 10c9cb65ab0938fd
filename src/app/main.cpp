// lotrix: the desktop program. One main window; the controller does the rest.
#include <QApplication>

#include "shell/WidgetHost.h"
#include "shell/mainForm.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(u"Lotrix"_s);
  TWidgetHost host;
  TfrmMain form(host);
  form.show();
  return QApplication::exec();
}
