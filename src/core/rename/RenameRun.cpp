#include "core/rename/RenameRun.h"

#include "core/common/TextFile.h"
#include "core/platform/FileOps.h"
#include "core/rename/NameText.h"

#include <QFileInfo>

namespace vantorim::rename {

namespace {

QString uniqueName(const QString& path) {
  if (!QFileInfo::exists(path)) return path;
  const NameParts parts = splitPath(path);
  for (qint64 k = 1;; ++k) {
    const QString tried = parts.folder + parts.name + u'_' + QString::number(k) + parts.extension;
    if (!QFileInfo::exists(tried)) return tried;
  }
}

}  // namespace

bool readLog(const QString& logPath, QStringList& lines) {
  QString text;
  if (!common::readTextFile(logPath, text)) return false;
  lines = common::splitLines(text);
  return true;
}

bool writeLog(const QString& logPath, const QStringList& lines, QString* error) {
  if (const auto made = platform::makePath(folderOf(logPath)); !made) {
    if (error) *error = made.error;
    return false;
  }
  return common::writeFileAtomic(logPath, common::joinLinesCrLf(lines), error);
}

RunResult runRename(const RunRequest& request) {
  RunResult result;
  const qsizetype total = std::min(request.oldPaths.size(), request.newPaths.size());
  for (qsizetype i = 0; i < total; ++i) {
    if (request.cancel && request.cancel->load()) {
      result.cancelled = true;
      break;
    }
    const QString& from = request.oldPaths.at(i);
    QString to = request.newPaths.at(i);
    if (request.makeNamesUnique) to = uniqueName(to);
    if (to == from) {
      ++result.unchanged;  // nothing to do; not a failure
    } else {
      platform::OpResult op = platform::makePath(folderOf(to));
      if (op) {
        op = request.mode == TargetMode::Copy ? platform::copyNoOverwrite(from, to)
                                              : platform::renameNoReplace(from, to);
      }
      if (op) {
        ++result.done;
        if (request.mode != TargetMode::Copy) {
          result.log.append(from);
          result.log.append(to);
        }
      } else {
        RunFailure failure{from, to, op.error};
        if (request.onFailure) request.onFailure(failure);
        result.failures.append(std::move(failure));
      }
    }
    if (request.onProgress) request.onProgress(i + 1, total);
  }
  // Written once, at the end; a copy run leaves an empty log.
  result.logWritten = writeLog(request.logPath, result.log, &result.logError);
  result.undoPossible = request.mode != TargetMode::Copy && result.logWritten;
  return result;
}

UndoResult undoRename(const QString& logPath) {
  UndoResult result;
  QStringList lines;
  if (!readLog(logPath, lines)) return result;
  result.logRead = true;
  for (qsizetype k = 0; k + 1 < lines.size(); k += 2) {
    if (platform::renameNoReplace(lines.at(k + 1), lines.at(k))) ++result.restored;
    else ++result.failed;
  }
  return result;
}

}  // namespace vantorim::rename
