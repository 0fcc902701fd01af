#include "core/platform/Attributes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace vantorim::platform {

namespace {

constexpr const char* kDosAttrib = "user.DOSATTRIB";
constexpr const char* kHiddenFile = ".hidden";

// Bits stored in the extended attribute; 0 when absent or unreadable.
std::uint32_t parseDosAttrib(const char* value, ssize_t length) {
  if (length < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) return 0;
  std::uint32_t bits = 0;
  for (ssize_t i = 2; i < length && i < 10; ++i) {
    const char c = value[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else break;
    bits = bits * 16 + std::uint32_t(digit);
  }
  return bits;
}

std::uint32_t dosBitsOf(const QByteArray& path) {
  char value[64];
  const ssize_t n = ::lgetxattr(path.constData(), kDosAttrib, value, sizeof value);
  return n > 0 ? parseDosAttrib(value, n) : 0;
}

std::uint32_t dosBitsAt(int dirFd, const char* name) {
  // No *at variant for xattrs: go through /proc/self/fd only when needed.
  char path[64];
  std::snprintf(path, sizeof path, "/proc/self/fd/%d/", dirFd);
  QByteArray full(path);
  full += name;
  return dosBitsOf(full);
}

QSet<QString> parseHiddenList(const QByteArray& bytes) {
  QSet<QString> names;
  for (QByteArray line : bytes.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (!line.isEmpty()) names.insert(QString::fromUtf8(line));
  }
  return names;
}

std::uint32_t permissionBits(std::uint32_t mode) {
  std::uint32_t bits = 0;
  if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) bits |= AttrReadOnly;
  if (S_ISDIR(mode)) bits |= AttrFolder;
  return bits;
}

OpResult editHiddenList(const QString& path, bool hide) {
  const QFileInfo info(path);
  const QString name = info.fileName();
  if (name.startsWith('.')) {
    if (hide) return OpResult::success();
    return OpResult::failure(QStringLiteral("\"%1\": a name beginning with \".\" is always hidden").arg(name));
  }
  const QString listPath = info.absolutePath() + '/' + kHiddenFile;
  QByteArray old;
  QFile in(listPath);
  if (in.exists()) {
    if (!in.open(QIODevice::ReadOnly)) return OpResult::failure(listPath + ": " + in.errorString());
    old = in.readAll();
  }
  QStringList lines;
  bool present = false;
  for (QByteArray line : old.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (line.isEmpty()) continue;
    const QString entry = QString::fromUtf8(line);
    if (entry == name) {
      present = true;
      if (!hide) continue;
    }
    lines << entry;
  }
  if (hide == present) return OpResult::success();
  if (hide) lines << name;
  if (lines.isEmpty()) {
    if (!QFile::remove(listPath)) return OpResult::failure(listPath + ": cannot remove the file");
    return OpResult::success();
  }
  QSaveFile out(listPath);
  if (!out.open(QIODevice::WriteOnly)) return OpResult::failure(listPath + ": " + out.errorString());
  out.write(lines.join('\n').toUtf8() + '\n');
  if (!out.commit()) return OpResult::failure(listPath + ": " + out.errorString());
  return OpResult::success();
}

OpResult setDosBits(const QByteArray& path, std::uint32_t bits, std::uint32_t which) {
  const std::uint32_t old = dosBitsOf(path);
  const std::uint32_t now = (old & ~which) | (bits & which);
  if (now == old) {
    // Still probe support so a request on a file system without xattrs is reported.
    char probe[8];
    if (::lgetxattr(path.constData(), kDosAttrib, probe, sizeof probe) < 0 && (errno == ENOTSUP))
      return OpResult::failure(QStringLiteral("the file system keeps no system or archive attribute"));
    return OpResult::success();
  }
  int rc;
  if (now == 0) {
    rc = ::lremovexattr(path.constData(), kDosAttrib);
    if (rc != 0 && errno == ENODATA) rc = 0;
  } else {
    char value[16];
    const int len = std::snprintf(value, sizeof value, "0x%x", now);
    rc = ::lsetxattr(path.constData(), kDosAttrib, value, std::size_t(len), 0);
  }
  if (rc == 0) return OpResult::success();
  if (errno == ENOTSUP || errno == EPERM)
    return OpResult::failure(QStringLiteral("the file system keeps no system or archive attribute here"));
  return OpResult::failure(systemErrorText(errno));
}

}  // namespace

QSet<QString> readHiddenList(const QString& folder) {
  QFile f(folder + (folder.endsWith('/') ? "" : "/") + kHiddenFile);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return parseHiddenList(f.readAll());
}

std::uint32_t readAttributes(const QString& path, QString* error) {
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0) {
    if (error) *error = systemErrorText(errno);
    return 0;
  }
  std::uint32_t bits = permissionBits(st.st_mode);
  if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode)) bits |= AttrSystem;
  const QFileInfo info(path);
  const QString name = info.fileName();
  if (name.startsWith('.') || readHiddenList(info.absolutePath()).contains(name)) bits |= AttrHidden;
  bits |= dosBitsOf(native) & (AttrSystem | AttrArchive);
  return bits;
}

OpResult setAttributes(const QString& path, std::uint32_t bits, std::uint32_t which) {
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0) return OpResult::failure(path + ": " + systemErrorText(errno));
  if (which & AttrReadOnly) {
    const bool readOnly = bits & AttrReadOnly;
    mode_t mode = st.st_mode & 07777;
    mode = readOnly ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    if (S_ISLNK(st.st_mode)) {
      // Permissions of a link itself mean nothing on Linux; leave them.
    } else if (mode != (st.st_mode & 07777) && ::chmod(native.constData(), mode) != 0) {
      return OpResult::failure(path + ": " + systemErrorText(errno));
    }
  }
  if (which & AttrHidden) {
    OpResult r = editHiddenList(path, bits & AttrHidden);
    if (!r) return OpResult::failure(path + ": " + r.error);
  }
  if (which & (AttrSystem | AttrArchive)) {
    OpResult r = setDosBits(native, bits, which & (AttrSystem | AttrArchive));
    if (!r) return OpResult::failure(path + ": " + r.error);
  }
  return OpResult::success();
}

std::uint32_t AttributeReader::read(const WalkEntry& entry, std::uint32_t wanted) {
  std::uint32_t bits = entry.isFolder() ? std::uint32_t(AttrFolder) : 0;
  if (entry.isOther()) bits |= AttrSystem;  // FIFOs, sockets and devices
  if (wanted & AttrReadOnly) {
    const EntryStat& s = entry.stat();
    if (s.ok) bits |= permissionBits(s.mode) & AttrReadOnly;
  }
  if (wanted & AttrHidden) {
    if (entry.name().startsWith('.')) {
      bits |= AttrHidden;
    } else {
      if (!m_loaded || m_folder != entry.folder()) {
        m_folder = entry.folder();
        m_loaded = true;
        m_hidden.clear();
        const int fd = ::openat(entry.folderFd(), kHiddenFile, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd >= 0) {
          QByteArray bytes;
          char buf[8192];
          ssize_t n;
          while ((n = ::read(fd, buf, sizeof buf)) > 0) bytes.append(buf, n);
          ::close(fd);
          m_hidden = parseHiddenList(bytes);
        }
      }
      if (m_hidden.contains(entry.name())) bits |= AttrHidden;
    }
  }
  if (wanted & (AttrSystem | AttrArchive))
    bits |= dosBitsAt(entry.folderFd(), entry.rawName()) & (AttrSystem | AttrArchive) & wanted;
  return bits & (wanted | AttrFolder);
}

}  // namespace vantorim::platform
