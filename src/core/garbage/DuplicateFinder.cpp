#include "core/garbage/DuplicateFinder.h"

#include "core/garbage/FileGathering.h"
#include "core/platform/FileOps.h"
#include "core/platform/DirectoryWalker.h"
#include "core/platform/SpecialFolders.h"

#include <QCoreApplication>

namespace vantorim::garbage {

DuplicateSearchResult searchDuplicates(const QStringList& roots, const QString& masks,
                                       const RunControl& control) {
  DuplicateSearchResult result;
  std::vector<FileRecord> files;
  for (const QString& root : roots) {
    const bool finished =
        gatherBelow(root, masks, GatherWhat::Files, control, [&](const FoundEntry& e) {
          if (e.kind != FoundEntry::Kind::File) return;  // links and devices are never compared
          files.push_back({e.path, e.size, e.device, e.inode, e.changeTimeNs});
          if (files.size() % 250 == 0)
            control.report(RunStage::GatherFiles, static_cast<qint64>(files.size()), 0, e.path);
        });
    if (!finished) {
      result.cancelled = true;
      return result;
    }
  }
  result.filesFound = static_cast<qint64>(files.size());
  control.report(RunStage::GatherFiles, result.filesFound, result.filesFound);

  GroupingResult grouped = groupIdenticalFiles(std::move(files), control);
  result.candidates = grouped.stats.candidates;
  result.duplicates = grouped.stats.duplicates;
  result.problems = std::move(grouped.problems);
  result.cancelled = grouped.cancelled;
  for (ContentGroup& g : grouped.groups) {
    DuplicateGroup group;
    for (FileRecord& f : g.files) group.push_back({std::move(f), false});
    result.groups.push_back(std::move(group));
  }
  return result;
}

void markDuplicatesForDeletion(std::vector<DuplicateGroup>& groups) {
  for (DuplicateGroup& g : groups)
    for (std::size_t i = 0; i < g.size(); ++i) g[i].marked = i != 0;
}

namespace {

QString changedReason(const FileRecord& f) {
  const platform::EntryStat st = platform::statPath(f.path);
  if (!st.ok) return QCoreApplication::translate("vantorim::garbage", "the file no longer exists");
  if (st.kind != platform::EntryKind::File || st.size != f.size ||
      st.statusChangeNs != f.changeTimeNs || (f.inode != 0 && st.inode != f.inode))
    return QCoreApplication::translate("vantorim::garbage", "the file changed since it was compared");
  return {};
}

}  // namespace

TrashOutcome deleteMarkedDuplicates(const std::vector<DuplicateGroup>& groups,
                                    const RunControl& control) {
  TrashOutcome out;
  qint64 total = 0, done = 0;
  for (const DuplicateGroup& g : groups)
    for (const DuplicateEntry& e : g) total += e.marked ? 1 : 0;
  for (const DuplicateGroup& g : groups) {
    // A marked file is deleted as a copy only while an unmarked file of its
    // group is still there as it was compared. A group marked whole is the
    // user's explicit choice.
    bool hasKeeper = true;
    for (const DuplicateEntry& e : g) {
      if (e.marked) continue;
      hasKeeper = false;
      const QString why = changedReason(e.file);
      if (why.isEmpty()) {
        hasKeeper = true;
        break;
      }
    }
    for (const DuplicateEntry& e : g) {
      if (!e.marked) continue;
      if (control.cancelled()) {
        out.cancelled = true;
        return out;
      }
      ++done;
      control.report(RunStage::TrashItems, done, total, e.file.path);
      if (platform::isInProtectedSystemFolder(e.file.path)) {
        out.skipped.push_back({e.file.path, QCoreApplication::translate(
                                                "vantorim::garbage", "inside a protected system folder")});
        continue;
      }
      if (!hasKeeper) {
        out.skipped.push_back({e.file.path, QCoreApplication::translate(
                                                "vantorim::garbage",
                                                "the kept file of its group is gone or changed")});
        continue;
      }
      if (const QString why = changedReason(e.file); !why.isEmpty()) {
        out.skipped.push_back({e.file.path, why});
        continue;
      }
      const platform::OpResult r = platform::moveToTrash(e.file.path);
      if (r)
        out.trashed << e.file.path;
      else
        out.skipped.push_back({e.file.path, r.error});
    }
  }
  return out;
}

}  // namespace vantorim::garbage
