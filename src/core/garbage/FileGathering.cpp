#include "core/garbage/FileGathering.h"

#include "core/platform/DirectoryWalker.h"

#include <QDir>
#include <QRegularExpression>

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

namespace {

QStringList splitMasks(const QString& masks) {
  QStringList out;
  for (const QString& m : masks.split(';')) {
    const QString t = m.trimmed();
    if (!t.isEmpty() && !out.contains(t, Qt::CaseInsensitive)) out << t;
  }
  return out;
}

}  // namespace

bool gatherBelow(const QString& root, const QString& masks, GatherWhat what,
                 const RunControl& control, const std::function<void(const FoundEntry&)>& onEntry) {
  const QStringList list = splitMasks(masks);
  if (list.isEmpty()) return !control.cancelled();
  const bool everything = list.contains(QStringLiteral("*"));
  std::vector<QRegularExpression> patterns;
  for (const QString& m : list)
    patterns.emplace_back(QRegularExpression::wildcardToRegularExpression(m),
                          QRegularExpression::CaseInsensitiveOption);
  platform::WalkOptions options;
  options.cancel = control.cancel;
  platform::DirectoryWalker walker(options);
  walker.onEntry = [&](const platform::WalkEntry& e) {
    if (e.isFolder() && what == GatherWhat::Files) return true;
    const bool matches = everything || std::any_of(patterns.cbegin(), patterns.cend(), [&](const auto& re) {
                           return re.match(e.name()).hasMatch();
                         });
    if (!matches) return true;
    FoundEntry found;
    found.path = e.path();
    found.kind = e.isFile()     ? FoundEntry::Kind::File
                 : e.isFolder() ? FoundEntry::Kind::Folder
                                : FoundEntry::Kind::Other;
    if (e.isFile()) {
      const platform::EntryStat& st = e.stat();
      found.size = st.ok ? st.size : -1;
      found.device = st.device;
      found.inode = st.inode;
      found.changeTimeNs = st.statusChangeNs;
    }
    onEntry(found);
    return true;
  };
  walker.walk(root);
  return !control.cancelled();
}

}  // namespace vantorim::garbage
