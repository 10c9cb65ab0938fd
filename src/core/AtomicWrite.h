#pragma once
// Writing a whole file so that it is either replaced by every byte or left as it was. Every
// file the program writes (settings aside) goes through here: the draws file, exports.

#include <QByteArray>
#include <QString>

struct TWriteOutcome {
  bool Written = false;
  QString Reason;  // why it failed, in the system's words ("No space left on device")
};

// Writes `bytes` to a temporary file beside `path` without buffering, so that a short write
// (full disk, file size limit, quota) is seen at once, checks the device once more, and only
// then renames the temporary over `path`. Any failure removes the temporary and keeps the
// old file byte for byte. An existing path that is not a writable regular file fails.
TWriteOutcome WriteFileAtomically(const QString& path, const QByteArray& bytes);
