#include "core/garbage/UndoRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QSaveFile>
#include <QStringDecoder>

namespace vantorim::garbage {

platform::OpResult writeUndoRecord(const QString& path, const QStringList& lines) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return platform::OpResult::failure(file.errorString());
  QByteArray bytes;
  for (const QString& l : lines) bytes += l.toUtf8() + "\r\n";
  if (file.write(bytes) != bytes.size() || !file.commit())
    return platform::OpResult::failure(file.errorString());
  return platform::OpResult::success();
}

std::optional<QStringList> readUndoRecord(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();  // a list of paths, small
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) {
    QStringDecoder cp1252("windows-1252");
    text = cp1252.isValid() ? QString(cp1252.decode(bytes)) : QString::fromLatin1(bytes);
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace vantorim::garbage
