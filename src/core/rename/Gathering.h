#pragma once
// Gathering the files to rename, the destination check and relative paths.

#include "core/rename/RenameMessages.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vantorim::rename {

// The old-name and new-name lists of a rename: entry i of newPaths is the new
// full path of entry i of oldPaths. `recursionRoot` (with trailing '/') is set
// when the files were gathered by walking a folder.
struct NameLists {
  QStringList oldPaths;
  QStringList newPaths;
  QString recursionRoot;
};

enum class TargetMode { Rename = 0, Move = 1, Copy = 2 };

// One marked item of an explorer list, in the order the list shows it.
struct MarkedItem {
  QString path;
  bool isFolder = false;
};

enum class GatherSource { Marked, Recursive, FileList };

struct GatherRequest {
  GatherSource source = GatherSource::Marked;
  QList<MarkedItem> marked;      // Marked
  QString currentFolder;         // Recursive: the folder the explorer shows
  QStringList patterns{"*.*"};   // Recursive: file patterns, in order
  bool fileListAttached = false; // FileList
  QStringList fileList;          // FileList: full paths in the list's order
  bool previewActive = false;    // nothing marked clears the preview instead of a message
  std::function<void()> pump;    // called once per folder of a recursive walk
};

struct GatherResult {
  NameLists lists;
  bool ok = false;                  // false: the operation ends (with `message` when set)
  Message message = Message::None;
  bool clearPreview = false;        // ok with empty lists: the preview is to be emptied
};

GatherResult gatherFiles(const GatherRequest& request);

// The patterns of a filter text: "*.*" alone, else the parts between '|'.
QStringList splitFilePatterns(const QString& filter);

// Where new names go: in place, or into a destination folder.
struct Placement {
  TargetMode mode = TargetMode::Rename;
  QString targetField;  // the destination as typed; checked by checkTarget()
};

// The destination with a trailing '/' for move and copy; NoTargetDirectory when
// the field is empty. Rename in place checks nothing and yields an empty text.
Message checkTarget(const Placement& placement, QString& targetDirectory);

// The part of `folder` (with trailing '/') behind the recursion root; empty
// when there is no root or the folder is not below it.
QString relativePath(const QString& folder, const QString& recursionRoot);

// The drive check and walk-up of the destination choice: the folder a chooser
// starts in for the field text, "/" when the volume does not answer.
QString destinationStartFolder(const QString& fieldText, bool* driveReady = nullptr);

}  // namespace vantorim::rename
