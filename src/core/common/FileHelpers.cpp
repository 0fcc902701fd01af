#include "core/common/FileHelpers.h"

#include "core/platform/FileOps.h"
#include "core/platform/SpecialFolders.h"
#include "core/platform/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace vantorim::common {

namespace {

QString folderPart(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? QString() : path.left(slash + 1);
}

// Entries of a folder in the file system's order, hidden ones included.
QFileInfoList entriesOf(const QString& folder) {
  QDir dir(folder);
  return dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Unsorted);
}

// A FIFO, socket or device node; never opened, counts as a system file.
bool isSpecialFile(const QFileInfo& info) {
  return !info.isSymLink() && !info.isFile() && !info.isDir() && info.exists();
}

// A sub-folder the recursive listings visit: a real folder (not a link), name
// not beginning with ".", neither hidden nor system.
bool visitable(const QFileInfo& info, const QStringList& hiddenNames) {
  if (!info.isDir() || info.isSymLink()) return false;
  const QString name = info.fileName();
  if (name.startsWith('.')) return false;
  if (hiddenNames.contains(name)) return false;
  return true;
}

// Names listed in the folder's ".hidden" file.
QStringList hiddenListOf(const QString& folder) {
  QFile f(QDir(folder).filePath(QStringLiteral(".hidden")));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList names;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const QString name = QString::fromUtf8(line).remove('\r');
    if (!name.isEmpty()) names << name;
  }
  return names;
}

void listFolders(const QString& folder, QStringList& list) {
  list << folder;
  const QStringList hidden = hiddenListOf(folder);
  for (const QFileInfo& info : entriesOf(folder))
    if (visitable(info, hidden)) listFolders(folder + info.fileName() + '/', list);
}

void findFiles(const QString& folder, const QRegularExpression& mask, QStringList& list,
               const std::function<void()>& pump) {
  if (pump) pump();
  const QFileInfoList entries = entriesOf(folder);
  for (const QFileInfo& info : entries) {
    if (info.isDir() || isSpecialFile(info)) continue;  // folders and system files are not listed
    if (info.isSymLink() && !info.exists()) continue;   // dangling link
    if (mask.match(info.fileName()).hasMatch()) list << folder + info.fileName();
  }
  const QStringList hidden = hiddenListOf(folder);
  for (const QFileInfo& info : entries)
    if (visitable(info, hidden)) findFiles(folder + info.fileName() + '/', mask, list, pump);
}

std::uint64_t folderSize(const QString& folder, bool recursive) {
  std::uint64_t total = 0;
  for (const QFileInfo& info : entriesOf(folder)) {
    if (info.isSymLink()) continue;  // a link is not the data it points to
    if (info.isDir()) {
      if (recursive && !info.fileName().startsWith('.'))
        total += folderSize(folder + info.fileName() + '/', true);
    } else if (info.isFile()) {
      total += static_cast<std::uint64_t>(info.size());
    }
  }
  return total;
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
  QString f = folder;
  if (!f.endsWith('/')) f += '/';
  return folderSize(f, recursive);
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
  listFolders(folder, list);
}

void FindFilesRecursive(const QString& pathWithMask, QStringList& list, const std::function<void()>& pump) {
  const QString folder = folderPart(pathWithMask);
  if (folder.isEmpty()) return;
  QString mask = pathWithMask.mid(folder.size());
  if (mask.isEmpty() || mask == QLatin1String("*.*")) mask = QStringLiteral("*");
  const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(
                                  mask, QRegularExpression::UnanchoredWildcardConversion),
                              QRegularExpression::CaseInsensitiveOption);
  const QRegularExpression anchored(QRegularExpression::anchoredPattern(re.pattern()),
                                    QRegularExpression::CaseInsensitiveOption);
  findFiles(folder, anchored, list, pump);
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
