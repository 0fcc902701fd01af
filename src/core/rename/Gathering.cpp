#include "core/rename/Gathering.h"

#include "core/common/FileHelpers.h"

#include <QDir>
#include <QFileInfo>

namespace vantorim::rename {

namespace {
QString withSlash(QString path) {
  if (!path.endsWith(u'/')) path += u'/';
  return path;
}

bool fileNameSuffixIsZip(const QString& path) {
  QString name = path;
  while (name.endsWith(u'/') && name.size() > 1) name.chop(1);
  name = name.mid(name.lastIndexOf(u'/') + 1);
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot >= 0 && name.mid(dot).toLower() == QLatin1String(".zip");
}
}  // namespace

QStringList splitFilePatterns(const QString& filter) {
  if (filter == QLatin1String("*.*")) return {filter};
  return filter.split(u'|');
}

GatherResult gatherFiles(const GatherRequest& request) {
  GatherResult result;
  NameLists& lists = result.lists;
  switch (request.source) {
    case GatherSource::Marked:
      for (const MarkedItem& item : request.marked) {
        if (item.isFolder && !fileNameSuffixIsZip(item.path)) continue;
        lists.oldPaths.append(item.path);
      }
      lists.newPaths = lists.oldPaths;
      if (lists.oldPaths.isEmpty()) {
        if (request.previewActive) {
          result.ok = true;
          result.clearPreview = true;
        } else {
          result.message = Message::NoFileMarked;
        }
        return result;
      }
      break;
    case GatherSource::Recursive: {
      lists.recursionRoot = withSlash(request.currentFolder);
      for (const QString& pattern : request.patterns) {
        if (pattern.isEmpty()) continue;
        common::FindFilesRecursive(lists.recursionRoot + pattern, lists.oldPaths, request.pump);
      }
      lists.newPaths = lists.oldPaths;
      if (lists.oldPaths.isEmpty()) {
        result.message = Message::NoFileFound;
        return result;
      }
      break;
    }
    case GatherSource::FileList:
      if (!request.fileListAttached) return result;  // ends without a message
      lists.oldPaths = request.fileList;
      lists.newPaths = lists.oldPaths;
      if (lists.oldPaths.isEmpty()) {
        result.message = Message::NoFileFound;
        return result;
      }
      break;
  }
  result.ok = true;
  return result;
}

Message checkTarget(const Placement& placement, QString& targetDirectory) {
  targetDirectory.clear();
  if (placement.mode == TargetMode::Rename) return Message::None;
  if (placement.targetField.isEmpty()) return Message::NoTargetDirectory;
  targetDirectory = withSlash(placement.targetField);
  return Message::None;
}

QString relativePath(const QString& folder, const QString& recursionRoot) {
  if (recursionRoot.isEmpty() || !folder.startsWith(recursionRoot)) return {};
  return folder.mid(recursionRoot.size());
}

QString destinationStartFolder(const QString& fieldText, bool* driveReady) {
  if (driveReady) *driveReady = true;
  if (fieldText.isEmpty()) return QDir::homePath() + u'/';
  if (!common::DriveReady(fieldText)) {
    if (driveReady) *driveReady = false;
    return QStringLiteral("/");
  }
  if (QFileInfo(fieldText).isDir()) return withSlash(fieldText);
  return common::NearestExistingFolder(fieldText);
}

}  // namespace vantorim::rename
