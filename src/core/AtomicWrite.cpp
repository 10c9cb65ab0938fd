#include "AtomicWrite.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

TWriteOutcome WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  // The reasons in the system's words, as for the failures the device reports.
  if (path.isEmpty()) return {false, qt_error_string(ENOENT)};
  const QFileInfo info(path);
  if (info.isDir()) return {false, qt_error_string(EISDIR)};
  if (info.exists() && (!info.isFile() || !info.isWritable()))
    return {false, qt_error_string(EACCES)};
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return {false, file.errorString()};
  auto fail = [&file] {
    const QString reason = file.errorString();
    file.cancelWriting();
    return TWriteOutcome{false, reason};
  };
  for (qint64 done = 0; done < bytes.size();) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) return fail();
    done += written;
  }
  // Nothing is buffered, but a device that reports a late error must not be committed.
  if (!file.flush() || file.error() != QFileDevice::NoError) return fail();
  if (!file.commit()) return {false, file.errorString()};
  return {true, {}};
}
