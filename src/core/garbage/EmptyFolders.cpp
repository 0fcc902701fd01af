#include "core/garbage/EmptyFolders.h"

#include "core/garbage/FileGathering.h"
#include "core/platform/DirectoryWalker.h"
#include "core/platform/FileOps.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace vantorim::garbage {

namespace {

QString parentOf(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash <= 0 ? QString() : path.left(slash);
}

}  // namespace

EmptyFolderScan findEmptyFolders(const QStringList& roots, const RunControl& control) {
  EmptyFolderScan scan;
  QStringList folders;
  QSet<QString> notEmpty;
  for (const QString& root : roots) {
    const QString top = root.endsWith('/') && root.size() > 1 ? root.chopped(1) : root;
    const bool finished =
        gatherBelow(root, QStringLiteral("*"), GatherWhat::FilesAndFolders, control,
                    [&](const FoundEntry& e) {
                      if (e.kind == FoundEntry::Kind::Folder) {
                        folders << e.path;
                        if (folders.size() % 50 == 0)
                          control.report(RunStage::GatherFolders, folders.size(), 0, e.path);
                        return;
                      }
                      if (e.kind == FoundEntry::Kind::File && e.size == 0) return;
                      // Data below: every folder up to the root holds something.
                      for (QString p = parentOf(e.path); !p.isEmpty() && p.size() > top.size();
                           p = parentOf(p))
                        if (notEmpty.contains(p)) break;
                        else notEmpty.insert(p);
                    });
    if (!finished) {
      scan.cancelled = true;
      return scan;
    }
  }
  scan.foldersFound = folders.size();
  control.report(RunStage::GatherFolders, scan.foldersFound, scan.foldersFound);
  std::sort(folders.begin(), folders.end());
  folders.removeDuplicates();
  for (const QString& f : folders) {
    ++scan.foldersTested;
    if (!notEmpty.contains(f)) scan.folders << f;
  }
  control.report(RunStage::TestFolders, scan.foldersTested, scan.foldersFound);
  return scan;
}

namespace {

// Walks the folder again: true while it holds nothing but empty files and folders.
bool stillEmpty(const QString& folder, const RunControl& control) {
  bool empty = true;
  gatherBelow(folder, QStringLiteral("*"), GatherWhat::FilesAndFolders, control,
              [&](const FoundEntry& e) {
                if (e.kind == FoundEntry::Kind::Folder) return;
                if (e.kind != FoundEntry::Kind::File || e.size != 0) empty = false;
              });
  return empty;
}

}  // namespace

EmptyFolderDeletion deleteEmptyFolders(const QStringList& folders, const RunControl& control) {
  EmptyFolderDeletion out;
  const qint64 total = folders.size();
  for (qint64 i = total - 1; i >= 0; --i) {
    if (control.cancelled()) {
      out.cancelled = true;
      return out;
    }
    const QString& f = folders[i];
    control.report(RunStage::TrashItems, total - i, total, f);
    const platform::EntryStat st = platform::statPath(f);
    if (!st.ok) continue;  // gone already, for example with a parent trashed before
    if (st.kind != platform::EntryKind::Folder) {
      out.skipped.push_back({f, QCoreApplication::translate("vantorim::garbage", "no longer a folder")});
      continue;
    }
    if (!stillEmpty(f, control)) {
      out.skipped.push_back({f, QCoreApplication::translate("vantorim::garbage", "the folder is no longer empty")});
      continue;
    }
    const platform::OpResult r = platform::moveToTrash(f);
    if (r)
      out.trashed << f;
    else
      out.skipped.push_back({f, r.error});
  }
  return out;
}

}  // namespace vantorim::garbage
