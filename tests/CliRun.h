#pragma once
// Runs the real lotrix-cli (or another program) as a script would, in the C locale so that
// decimals and system messages do not depend on the machine.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct TCliRun {
  int Code = -1;
  QString Out, Err;
  QStringList Lines() const { return Out.split(u'\n'); }
};

inline TCliRun RunProgram(const QString& program, const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

inline TCliRun RunCli(const QStringList& arguments) {
  return RunProgram(QString::fromUtf8(LOTRIX_CLI_PATH), arguments);
}

// A bundled example by its file name.
inline QString Example(const QString& name) {
  return QString::fromUtf8(LOTRIX_EXAMPLES_DIR) + u'/' + name;
}
