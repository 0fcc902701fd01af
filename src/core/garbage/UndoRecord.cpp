#include "core/garbage/UndoRecord.h"

#include "core/common/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace vantorim::garbage {

platform::OpResult writeUndoRecord(const QString& path, const QStringList& lines) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QString error;
  if (!common::writeFileAtomic(path, common::joinLinesCrLf(lines), &error))
    return platform::OpResult::failure(error);
  return platform::OpResult::success();
}

std::optional<QStringList> readUndoRecord(const QString& path) {
  QString text;
  if (!common::readTextFile(path, text)) return std::nullopt;
  return common::splitLines(text);
}

}  // namespace vantorim::garbage
