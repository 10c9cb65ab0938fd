#pragma once
// The desktop's host with the tests' recording of messages and queued dialog answers; the
// clipboard and the locale stay the real ones. The print dialog "prints" to PrintAnswer, a
// PDF file (empty: cancelled).

#include <QPrinter>

#include "TestHost.h"
#include "shell/WidgetHost.h"

class TScriptedHost : public TRecordingHost<TWidgetHost> {
public:
  QString PrintAnswer;
  int PrintDialogs = 0;
  bool AskPrinter(QPrinter& printer) override {
    ++PrintDialogs;
    if (PrintAnswer.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintAnswer);
    return true;
  }
};
