#include "core/platform/DirectoryWalker.h"

#include "core/platform/FileOps.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace vantorim::platform {

namespace {

struct LinuxDirent64 {
  std::uint64_t d_ino;
  std::int64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[1];
};

constexpr std::int64_t kNsPerSec = 1000000000LL;

std::int64_t toNs(const struct statx_timestamp& t) { return std::int64_t(t.tv_sec) * kNsPerSec + t.tv_nsec; }

EntryKind kindFromMode(std::uint32_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISLNK(mode)) return EntryKind::Symlink;
  return EntryKind::Other;
}

EntryStat statAt(int dirFd, const char* name) {
  EntryStat s;
  struct statx stx {};
  if (::statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_BASIC_STATS | STATX_BTIME, &stx) != 0) {
    s.error = errno;
    return s;
  }
  s.ok = true;
  s.size = std::int64_t(stx.stx_size);
  s.lastWriteNs = toNs(stx.stx_mtime);
  s.lastAccessNs = toNs(stx.stx_atime);
  s.statusChangeNs = toNs(stx.stx_ctime);
  s.hasBirthTime = (stx.stx_mask & STATX_BTIME) != 0;
  s.birthNs = s.hasBirthTime ? toNs(stx.stx_btime) : 0;
  s.inode = stx.stx_ino;
  s.device = makedev(stx.stx_dev_major, stx.stx_dev_minor);  // equal to st_dev
  s.links = stx.stx_nlink;
  s.mode = stx.stx_mode;
  s.kind = kindFromMode(s.mode);
  s.uid = stx.stx_uid;
  return s;
}

struct RawEntry {
  std::uint32_t nameOffset;
  std::uint64_t ino;
  unsigned char type;
};

// Reads every entry of an open folder; false with errno set on a read error.
bool readFolder(int fd, std::vector<char>& names, std::vector<RawEntry>& entries, int& error) {
  alignas(8) static thread_local char buffer[64 * 1024];
  for (;;) {
    const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    for (long pos = 0; pos < n;) {
      const auto* d = reinterpret_cast<const LinuxDirent64*>(buffer + pos);
      pos += d->d_reclen;
      const char* name = d->d_name;
      if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
      const std::size_t len = std::strlen(name);
      entries.push_back({std::uint32_t(names.size()), d->d_ino, d->d_type});
      names.insert(names.end(), name, name + len + 1);
    }
  }
}

}  // namespace

QDateTime dateTimeFromNs(std::int64_t ns) {
  // Floor division so times before 1970 stay right.
  std::int64_t ms = ns / 1000000;
  if (ns % 1000000 < 0) --ms;
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

EntryStat statPath(const QString& path) {
  return statAt(AT_FDCWD, QFile::encodeName(path).constData());
}

const QString& WalkEntry::name() const {
  if (!m_nameDone) {
    m_name = QString::fromUtf8(m_rawName, qsizetype(std::strlen(m_rawName)));
    m_nameDone = true;
  }
  return m_name;
}

const EntryStat& WalkEntry::stat() const {
  if (!m_statDone) {
    m_stat = statAt(m_dirFd, m_rawName);
    m_statDone = true;
  }
  return m_stat;
}

EntryInfo WalkEntry::info() const {
  EntryInfo i;
  i.path = path();
  i.name = name();
  i.kind = m_kind;
  i.depth = m_depth;
  i.stat = stat();
  return i;
}

QString DirectoryWalker::folderPath(const QString& path) {
  QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  if (!p.endsWith('/')) p += '/';
  return p;
}

bool DirectoryWalker::walk(const QString& root) {
  const QString folder = folderPath(root);
  if (cancelled()) return false;
  FolderAction action = onFolder ? onFolder(folder, 0) : FolderAction::Enter;
  if (action == FolderAction::Skip) {
    if (onFolderDone) onFolderDone(folder, 0);
    return true;
  }
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    if (onError) onError(folder, systemErrorText(errno));
    return false;
  }
  std::uint64_t device = 0;
  if (m_options.oneVolume) {
    struct stat st {};
    if (::fstat(fd, &st) == 0) device = st.st_dev;
  }
  walkFolder(fd, folder, 0, device, action);
  return !cancelled();
}

void DirectoryWalker::walkFolder(int fd, const QString& folder, int depth, std::uint64_t rootDevice,
                                 FolderAction action) {
  const bool reportEntries = action == FolderAction::Enter || action == FolderAction::SkipSubfolders;
  const bool enterSubfolders = (action == FolderAction::Enter || action == FolderAction::SkipEntries) &&
                               m_options.recursive && (m_options.maxDepth < 0 || depth < m_options.maxDepth);
  std::vector<char> names;
  std::vector<RawEntry> entries;
  names.reserve(4096);
  entries.reserve(64);
  int error = 0;
  if (!readFolder(fd, names, entries, error) && onError) onError(folder, systemErrorText(error));

  std::vector<std::uint32_t> subfolders;
  WalkEntry entry;
  entry.m_folder = &folder;
  entry.m_depth = depth;
  entry.m_dirFd = fd;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (cancelled()) break;
    const RawEntry& raw = entries[i];
    const char* name = names.data() + raw.nameOffset;
    entry.m_rawName = name;
    entry.m_ino = raw.ino;
    entry.m_statDone = false;
    switch (raw.type) {
      case DT_REG: entry.m_kind = EntryKind::File; break;
      case DT_DIR: entry.m_kind = EntryKind::Folder; break;
      case DT_LNK: entry.m_kind = EntryKind::Symlink; break;
      case DT_UNKNOWN: {
        const EntryStat& s = entry.stat();
        entry.m_kind = s.ok ? kindFromMode(s.mode) : EntryKind::Other;
        break;
      }
      default: entry.m_kind = EntryKind::Other; break;
    }
    if (!reportEntries && !(enterSubfolders && entry.m_kind == EntryKind::Folder)) continue;
    entry.m_nameDone = false;
    bool enter = true;
    if (reportEntries && onEntry) enter = onEntry(entry);
    if (enter && enterSubfolders && entry.m_kind == EntryKind::Folder) subfolders.push_back(raw.nameOffset);
  }

  for (std::uint32_t offset : subfolders) {
    if (cancelled()) break;
    const char* name = names.data() + offset;
    const QString sub = folder + QString::fromUtf8(name) + '/';
    const int subFd = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (subFd < 0) {
      // A folder replaced by a link or removed meanwhile is simply gone from the walk.
      if (errno != ENOENT && errno != ELOOP && errno != ENOTDIR && onError) onError(sub, systemErrorText(errno));
      continue;
    }
    if (m_options.oneVolume) {
      struct stat st {};
      if (::fstat(subFd, &st) != 0 || std::uint64_t(st.st_dev) != rootDevice) {
        ::close(subFd);
        continue;
      }
    }
    const FolderAction subAction = onFolder ? onFolder(sub, depth + 1) : FolderAction::Enter;
    if (subAction == FolderAction::Skip) {
      ::close(subFd);
      if (onFolderDone) onFolderDone(sub, depth + 1);
      continue;
    }
    walkFolder(subFd, sub, depth + 1, rootDevice, subAction);
  }
  ::close(fd);
  if (onFolderDone) onFolderDone(folder, depth);
}

}  // namespace vantorim::platform
