#include "core/garbage/FileGathering.h"

#include "core/platform/DirectoryWalker.h"
#include "core/search/FindFile.h"

#include <QDir>

#include <algorithm>

namespace vantorim::garbage {

QStringList chooseSearchRoots(const QStringList& folders) {
  QStringList roots;
  for (const QString& f : folders) {
    if (f.isEmpty()) continue;
    QString r = QDir::cleanPath(f);
    if (!r.endsWith('/')) r += '/';
    roots << r;
  }
  std::sort(roots.begin(), roots.end());
  roots.removeDuplicates();
  QStringList kept;
  for (const QString& r : roots) {
    const bool inside = std::any_of(kept.cbegin(), kept.cend(),
                                    [&](const QString& k) { return r.startsWith(k); });
    if (!inside) kept << r;
  }
  return kept;
}

QString masksFromFilter(const QString& filterText) {
  QString t = filterText;
  return t.replace('|', ';');
}


bool gatherBelow(const QString& root, const QString& masks, GatherWhat what,
                 const RunControl& control, const std::function<void(const FoundEntry&)>& onEntry) {
  search::TFindFile finder;
  finder.Criteria.Files.FileName = masks;
  // ">" walks the folder with its subfolders whatever the list holds.
  finder.Criteria.Files.Location = '>' + root;
  finder.Criteria.Files.Subfolders = true;
  finder.Criteria.Attribute.Attributes = search::ffArchive | search::ffReadonly | search::ffHidden |
                                         search::ffSystem |
                                         (what == GatherWhat::FilesAndFolders ? search::ffDirectory : 0u);
  finder.Criteria.Attribute.ExactMatch = false;
  // Size, inode and change time come from one status read below, for files only.
  finder.Details = false;
  finder.OnFolderChange = [&](search::TFindFile& f, const QString&, search::TFolderIgnore&) {
    if (control.cancelled()) f.Abort();
  };
  finder.OnFileMatch = [&](search::TFindFile&, const QString&, const search::TFileInfo& info) {
    FoundEntry found;
    found.path = info.Path;
    found.kind = info.Kind == platform::EntryKind::File     ? FoundEntry::Kind::File
                 : info.Kind == platform::EntryKind::Folder ? FoundEntry::Kind::Folder
                                                            : FoundEntry::Kind::Other;
    if (found.kind == FoundEntry::Kind::File) {
      const platform::EntryStat st = platform::statPath(info.Path);
      found.size = st.ok ? st.size : -1;
      if (st.ok) {
        found.device = st.device;
        found.inode = st.inode;
        found.changeTimeNs = st.statusChangeNs;
      }
    }
    onEntry(found);
  };
  finder.Execute();
  return !control.cancelled() && !finder.Aborted();
}

}  // namespace vantorim::garbage
