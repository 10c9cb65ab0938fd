#include "InputFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

#include "Command.h"
#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

std::nullopt_t Refuse(const QString& path, const QString& why) {
  Err() << "lotrix-cli: " << path << ": " << why << '\n' << Qt::flush;
  return std::nullopt;
}

// Adds the rows of the complete lines of `pending`, keeping the unfinished last line.
bool TakeLines(QString& pending, bool last, iArray2D& rows, const QString& path) {
  qsizetype end = last ? pending.size() : pending.lastIndexOf(u'\n') + 1;
  if (end <= 0) return true;
  for (iArray& row : TextToRows(SplitLines(QStringView(pending).left(end).toString()))) {
    if (static_cast<int64_t>(rows.size()) >= kMaxDrawRows) {
      Refuse(path, u"more than 2,000,000 lines with numbers, the most this program reads"_s);
      return false;
    }
    rows.push_back(std::move(row));
  }
  pending.remove(0, end);
  return true;
}

}  // namespace

std::optional<iArray2D> ReadRowsFile(const QString& path) {
  QFile file;
  if (path == u"-"_s) {
    if (!file.open(stdin, QIODevice::ReadOnly)) return Refuse(path, file.errorString());
  } else {
    file.setFileName(path);
    if (!QFileInfo(path).isFile()) return Refuse(path, u"no such file"_s);
    if (!file.open(QIODevice::ReadOnly)) return Refuse(path, file.errorString());
  }
  iArray2D rows;
  QStringDecoder decoder;
  QString pending;
  int64_t total = 0;
  for (;;) {
    const QByteArray chunk = file.read(1 << 20);
    if (chunk.isEmpty()) break;
    total += chunk.size();
    if (total > kMaxDrawsFileBytes)
      return Refuse(path, u"larger than 128 MB, the largest file this program reads"_s);
    if (!decoder.isValid())
      decoder =
          QStringDecoder(QStringConverter::encodingForData(chunk).value_or(QStringConverter::Utf8));
    pending += decoder.decode(chunk);
    if (!TakeLines(pending, false, rows, path)) return std::nullopt;
  }
  if (file.error() != QFileDevice::NoError) return Refuse(path, file.errorString());
  if (!TakeLines(pending, true, rows, path)) return std::nullopt;
  return rows;
}

std::optional<uint64_t> SeedOption(const QCommandLineParser& parser, bool* ok) {
  if (!parser.isSet(u"seed"_s)) return std::nullopt;
  bool number = false;
  const uint64_t seed = parser.value(u"seed"_s).trimmed().toULongLong(&number);
  if (number) return seed;
  Err() << "lotrix-cli: --seed needs a whole number, not \"" << parser.value(u"seed"_s) << "\"\n"
        << Qt::flush;
  *ok = false;
  return std::nullopt;
}
