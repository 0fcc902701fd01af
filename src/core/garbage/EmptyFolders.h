#pragma once
// Empty folders: folders below the search roots whose recursive size is 0
// (they hold nothing but empty files and empty folders), moved to the trash
// deepest first. The roots themselves are never taken.

#include "core/garbage/RunControl.h"

#include <QStringList>

#include <vector>

namespace vantorim::garbage {

struct EmptyFolderScan {
  QStringList folders;  // sorted; parents before their subfolders; no trailing "/"
  qint64 foldersFound = 0;   // "Zu prüfende Verzeichnisse"
  qint64 foldersTested = 0;  // "Geprüfte Verzeichnisse"
  bool cancelled = false;
};

// A folder counts as empty when every file at any depth below it has size 0.
// A link, device, pipe or socket anywhere below it makes it not empty: it may
// point at data the user keeps.
EmptyFolderScan findEmptyFolders(const QStringList& roots, const RunControl& control = {});

struct EmptyFolderDeletion {
  QStringList trashed;
  std::vector<ItemProblem> skipped;  // no longer empty, or the trash refused
  bool cancelled = false;
};

// Moves the folders to the trash from the last to the first (deepest first).
// Each folder is checked again right before: one that is no longer empty is
// skipped and reported.
EmptyFolderDeletion deleteEmptyFolders(const QStringList& folders, const RunControl& control = {});

}  // namespace vantorim::garbage
