// lotrix-cli: the Lotrix engine without a window, for scripts and batch work.
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "Command.h"
#include "PdfOutput.h"

using namespace Qt::StringLiterals;

std::unique_ptr<TCommand> MakeValidateCommand();
std::unique_ptr<TCommand> MakeDrawsCommand();
std::unique_ptr<TCommand> MakeReportCommand();
std::unique_ptr<TCommand> MakeForecastCommand();
std::unique_ptr<TCommand> MakeExportCommand();
std::unique_ptr<TCommand> MakeBacktestCommand();

std::vector<std::unique_ptr<TCommand>> MakeCommands() {
  std::vector<std::unique_ptr<TCommand>> commands;
  commands.push_back(MakeValidateCommand());
  commands.push_back(MakeDrawsCommand());
  commands.push_back(MakeReportCommand());
  commands.push_back(MakeForecastCommand());
  commands.push_back(MakeExportCommand());
  commands.push_back(MakeBacktestCommand());
  return commands;
}

namespace {

void PrintUsage(QTextStream& stream) {
  stream << "Usage: lotrix-cli COMMAND [arguments]\n\n"
            "Lotrix studies the history of one number lottery (K balls out of N). A draws file\n"
            "holds one draw per line: the draw number, then the balls. Its name gives the\n"
            "lottery: \"5x36 results.txt\" is 5 balls out of 36.\n\n"
            "Commands:\n";
  for (const auto& command : MakeCommands())
    stream << "  " << PadRight(10, command->Name()) << command->Summary() << '\n';
  stream << "\nlotrix-cli COMMAND --help shows the options of one command.\n"
            "Exit status: 0 success, 1 invalid data, 2 bad usage.\n\n"
            "Examples:\n"
            "  lotrix-cli validate \"examples/6x49 canada lotto.txt\"\n"
            "  lotrix-cli draws \"examples/5x36 sample.txt\" --sorted\n"
            "  lotrix-cli report range --series-text \"3 7 7 1 3\" --markov --format ansi\n"
         << Qt::flush;
}

}  // namespace

int main(int argc, char** argv) {
  // Only a PDF needs the GUI module (its fonts); it needs no display.
  std::unique_ptr<QCoreApplication> app;
  if (WantsPdf(argc, argv)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(u"lotrix-cli"_s);
  QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 2) {
    PrintUsage(Err());
    return kExitUsage;
  }
  const QString name = arguments[1];
  if (name == u"-h" || name == u"--help" || name == u"help") {
    PrintUsage(Out());
    return kExitOk;
  }
  for (const auto& command : MakeCommands()) {
    if (command->Name() != name) continue;
    arguments.removeAt(1);
    return command->Run(arguments);
  }
  Err() << "lotrix-cli: unknown command \"" << name << "\"\n\n";
  PrintUsage(Err());
  return kExitUsage;
}
