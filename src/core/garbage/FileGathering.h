#pragma once
// Collecting the files and folders below the search roots for the garbage
// engines, by the file-name masks the user gave.

#include "core/garbage/RunControl.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

namespace vantorim::garbage {

struct FoundEntry {
  enum class Kind { File, Folder, Other };  // Other: links, devices, pipes, sockets
  QString path;  // folders without a trailing "/"
  Kind kind = Kind::Other;
  qint64 size = 0;
  quint64 device = 0;
  quint64 inode = 0;
  qint64 changeTimeNs = 0;
};

enum class GatherWhat { Files, FilesAndFolders };

// Walks `root` and everything below it (never through a link to a folder) and
// calls `onEntry` for each entry whose name matches one of the ";"-separated
// masks; folders are reported only with FilesAndFolders. Returns false when
// cancelled.
bool gatherBelow(const QString& root, const QString& masks, GatherWhat what,
                 const RunControl& control, const std::function<void(const FoundEntry&)>& onEntry);

// The search roots from the chosen folders: each gets a trailing "/", the list
// is sorted and every folder inside another chosen one is dropped, so nothing
// is walked twice.
QStringList chooseSearchRoots(const QStringList& folders);

// The filter box text as file-name masks: "|" separates masks as ";" does.
QString masksFromFilter(const QString& filterText);

}  // namespace vantorim::garbage
