#include "core/common/FileHelpers.h"

#include "core/platform/Attributes.h"
#include "core/platform/DirectoryWalker.h"
#include "core/platform/FileOps.h"
#include "core/platform/SpecialFolders.h"
#include "core/platform/Volumes.h"

#include <QDir>

#include <algorithm>
#include <QFileInfo>
#include <QRegularExpression>

namespace vantorim::common {

namespace {

QString folderPart(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? QString() : path.left(slash + 1);
}

using platform::AttributeReader;
using platform::DirectoryWalker;
using platform::WalkEntry;

// A sub-folder the recursive listings visit: a real folder (links are never
// entered), name not beginning with ".", neither hidden nor system.
bool visitable(const WalkEntry& entry, AttributeReader& attributes) {
  if (!entry.isFolder() || entry.name().startsWith('.')) return false;
  return (attributes.read(entry, platform::AttrHidden | platform::AttrSystem) &
          (platform::AttrHidden | platform::AttrSystem)) == 0;
}

bool isLatin1Upper(char32_t c) { return (c >= 65 && c <= 90) || (c >= 192 && c <= 214) || (c >= 216 && c <= 221); }
bool isLatin1Lower(char32_t c) { return (c >= 97 && c <= 122) || (c >= 224 && c <= 246) || (c >= 248 && c <= 253); }

template <typename Map>
QString mapCodePoints(const QString& text, Map map) {
  QList<uint> cps = text.toUcs4();
  for (uint& c : cps) c = map(c);
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData()), cps.size());
}

}  // namespace

QString UniqueFileName(const QString& path) {
  const QString folder = folderPart(path);
  const QString name = path.mid(folder.size());
  const qsizetype dot = name.lastIndexOf('.');
  const QString base = dot < 0 ? name : name.left(dot);
  const QString ext = dot < 0 ? QString() : name.mid(dot);
  const auto taken = [](const QString& p) {
    const QFileInfo info(p);
    return (info.exists() || info.isSymLink()) && !(info.isDir() && !info.isSymLink());
  };
  if (!taken(path)) return path;
  for (qint64 n = 1;; ++n) {
    const QString candidate = folder + base + '_' + QString::number(n) + ext;
    if (!taken(candidate)) return candidate;
  }
}

bool RecycleFile(const QString& path) { return platform::moveToTrash(path).ok; }

std::uint64_t FolderSize(const QString& folder, bool recursive) {
  platform::WalkOptions options;
  options.recursive = recursive;
  DirectoryWalker walker(options);
  std::uint64_t total = 0;
  walker.onEntry = [&](const WalkEntry& e) {
    if (e.isFile()) total += static_cast<std::uint64_t>(std::max<std::int64_t>(0, e.size()));
    return e.isFolder() && !e.name().startsWith('.');
  };
  walker.walk(folder);
  return total;
}

QStringList WindowsFolder() { return platform::protectedSystemFolders(); }

QString NearestExistingFolder(const QString& path) {
  QString p = path;
  for (;;) {
    if (p.size() > 1 && p.endsWith('/')) p.chop(1);
    const qsizetype slash = p.lastIndexOf('/');
    if (slash < 0) return QStringLiteral("/");
    p.truncate(slash + 1);
    if (QFileInfo(p).isDir()) return p;
    if (p == QLatin1String("/")) return p;
  }
}

void ListFoldersRecursive(const QString& folderPath, QStringList& list) {
  const QString folder = folderPart(folderPath);
  if (folder.isEmpty()) return;
  DirectoryWalker walker;
  AttributeReader attributes;
  bool first = true;
  walker.onFolder = [&](const QString& path, int) {
    list << (first ? folder : path);  // the root exactly as given
    first = false;
    return platform::FolderAction::Enter;
  };
  walker.onEntry = [&](const WalkEntry& e) { return visitable(e, attributes); };
  walker.walk(folder);
}

void FindFilesRecursive(const QString& pathWithMask, QStringList& list, const std::function<void()>& pump) {
  const QString folder = folderPart(pathWithMask);
  if (folder.isEmpty()) return;
  QString mask = pathWithMask.mid(folder.size());
  if (mask.isEmpty() || mask == QLatin1String("*.*")) mask = QStringLiteral("*");
  const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(mask),
                              QRegularExpression::CaseInsensitiveOption);
  DirectoryWalker walker;
  AttributeReader attributes;
  const qsizetype rootLength = DirectoryWalker::folderPath(folder).size();
  walker.onFolder = [&](const QString&, int) {
    if (pump) pump();
    return platform::FolderAction::Enter;
  };
  walker.onEntry = [&](const WalkEntry& e) {
    if (e.isFolder()) return visitable(e, attributes);
    // FIFOs, sockets and devices are system files; links count when they lead to a file.
    const bool file = e.isFile() || (e.isSymlink() && QFileInfo(e.path()).isFile());
    if (file && re.match(e.name()).hasMatch() &&
        !(attributes.read(e, platform::AttrSystem) & platform::AttrSystem))
      list << folder + e.path().mid(rootLength);  // keeps the folder as the caller wrote it
    return false;
  };
  walker.walk(folder);
}

bool DriveReady(const QString& pathOrRoot) { return platform::DriveReady(pathOrRoot); }

QString RemoveInvalidChars(const QString& path) {
  static const QString folderInvalid = QStringLiteral("\"*<=>?|");
  static const QString nameInvalid = QString::fromUtf8("!\"$%&()*+,/:;<=>?[\\]^`|\u00A7\u00B0\u00B4");
  const QString folder = folderPart(path);
  QString cleanFolder, cleanName;
  for (const QChar c : folder)
    if (!folderInvalid.contains(c)) cleanFolder += c;
  for (const QChar c : path.mid(folder.size()))
    if (!nameInvalid.contains(c)) cleanName += c;
  return cleanFolder + cleanName;
}

QString LowerCaseLatin1(const QString& text) {
  return mapCodePoints(text, [](uint c) -> uint {
    if (c <= 0xFF) return isLatin1Upper(c) ? c + 32 : c;
    return QChar::toLower(static_cast<char32_t>(c));
  });
}

QString UpperCaseLatin1(const QString& text) {
  return mapCodePoints(text, [](uint c) -> uint {
    if (c <= 0xFF) return isLatin1Lower(c) ? c - 32 : c;
    return QChar::toUpper(static_cast<char32_t>(c));
  });
}

}  // namespace vantorim::common
