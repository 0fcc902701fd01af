#include "core/garbage/FileGathering.h"

#include "core/platform/FileStatus.h"

#include <QDir>
#include <QDirIterator>
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

FoundEntry entryFor(const QString& path) {
  FoundEntry e;
  e.path = path;
  if (const auto st = platform::fileStatus(path)) {
    using K = platform::FileStatus::Kind;
    e.kind = st->kind == K::File     ? FoundEntry::Kind::File
             : st->kind == K::Folder ? FoundEntry::Kind::Folder
                                     : FoundEntry::Kind::Other;
    e.size = st->size;
    e.device = st->device;
    e.inode = st->inode;
    e.changeTimeNs = st->changeTimeNs;
  } else {
    e.size = -1;
  }
  return e;
}

}  // namespace

bool gatherBelow(const QString& root, const QString& masks, GatherWhat what,
                 const RunControl& control, const std::function<void(const FoundEntry&)>& onEntry) {
  const QStringList list = splitMasks(masks);
  if (list.isEmpty()) return !control.cancelled();
  std::vector<QRegularExpression> patterns;
  for (const QString& m : list)
    patterns.emplace_back(QRegularExpression::wildcardToRegularExpression(
                              m, QRegularExpression::UnanchoredWildcardConversion),
                          QRegularExpression::CaseInsensitiveOption);
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    if (control.cancelled()) return false;
    const QString path = it.next();
    const QString name = it.fileName();
    const bool matches = std::any_of(patterns.cbegin(), patterns.cend(), [&](const auto& re) {
      const auto m = re.match(name);
      return m.hasMatch() && m.capturedLength() == name.size();
    });
    if (!matches) continue;
    FoundEntry e = entryFor(path);
    if (e.kind == FoundEntry::Kind::Folder && what == GatherWhat::Files) continue;
    onEntry(e);
  }
  return !control.cancelled();
}

}  // namespace vantorim::garbage
