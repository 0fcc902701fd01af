#include "core/platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace vantorim::platform {

QString systemErrorText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

namespace {

int renameat2NoReplace(const QByteArray& from, const QByteArray& to) {
#ifdef SYS_renameat2
  return static_cast<int>(
      ::syscall(SYS_renameat2, AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE));
#else
  errno = ENOSYS;
  return -1;
#endif
}

bool existsNoFollow(const QByteArray& path) {
  struct stat st;
  return ::lstat(path.constData(), &st) == 0;
}

}  // namespace

OpResult renameNoReplace(const QString& from, const QString& to) {
  const QByteArray f = QFile::encodeName(from);
  const QByteArray t = QFile::encodeName(to);
  if (renameat2NoReplace(f, t) == 0) return OpResult::success();
  int err = errno;
  if (err == EINVAL || err == ENOSYS || err == ENOTSUP) {
    // The file system cannot rename without replacing. For files a hard link
    // followed by removal of the old name is atomic in refusing a taken name;
    // folders fall back to a check right before the rename.
    struct stat st;
    if (::lstat(f.constData(), &st) != 0) return OpResult::failure(systemErrorText(errno));
    if (!S_ISDIR(st.st_mode) && ::link(f.constData(), t.constData()) == 0) {
      if (::unlink(f.constData()) == 0) return OpResult::success();
      err = errno;
      ::unlink(t.constData());
      return OpResult::failure(systemErrorText(err));
    }
    if (existsNoFollow(t)) return OpResult::failure(systemErrorText(EEXIST));
    if (::rename(f.constData(), t.constData()) == 0) return OpResult::success();
    err = errno;
  }
  if (err == EXDEV) {
    // Another volume: copy, then remove the original (files only).
    QFileInfo info(from);
    if (info.isDir() && !info.isSymLink())
      return OpResult::failure(QStringLiteral("cannot move a folder to another volume"));
    OpResult copied = copyNoOverwrite(from, to);
    if (!copied) return copied;
    if (::unlink(f.constData()) != 0) {
      err = errno;
      ::unlink(t.constData());
      return OpResult::failure(systemErrorText(err));
    }
    return OpResult::success();
  }
  return OpResult::failure(systemErrorText(err));
}

OpResult copyNoOverwrite(const QString& from, const QString& to) {
  const QByteArray f = QFile::encodeName(from);
  const QByteArray t = QFile::encodeName(to);
  const int in = ::open(f.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (in < 0) return OpResult::failure(systemErrorText(errno));
  struct stat st;
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int err = errno;
    ::close(in);
    return OpResult::failure(S_ISREG(st.st_mode) ? systemErrorText(err)
                                                 : QStringLiteral("not a regular file"));
  }
  const int out = ::open(t.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777);
  if (out < 0) {
    const int err = errno;
    ::close(in);
    return OpResult::failure(systemErrorText(err));
  }
  std::vector<char> buf(1 << 20);
  bool ok = true;
  int err = 0;
  for (;;) {
    const ssize_t n = ::read(in, buf.data(), buf.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      err = errno;
      break;
    }
    ssize_t done = 0;
    while (done < n) {
      const ssize_t w = ::write(out, buf.data() + done, static_cast<size_t>(n - done));
      if (w < 0) {
        if (errno == EINTR) continue;
        ok = false;
        err = errno;
        break;
      }
      done += w;
    }
    if (!ok) break;
  }
  if (ok) {
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out, times);
  }
  if (::close(out) != 0 && ok) {
    ok = false;
    err = errno;
  }
  ::close(in);
  if (!ok) {
    ::unlink(t.constData());
    return OpResult::failure(systemErrorText(err));
  }
  return OpResult::success();
}

OpResult makePath(const QString& dir) {
  if (QFileInfo(dir).isDir()) return OpResult::success();
  if (QDir().mkpath(dir)) return OpResult::success();
  return OpResult::failure(QStringLiteral("cannot create folder %1").arg(dir));
}

OpResult moveToTrash(const QString& path) {
  // QFile::moveToTrash writes into the current folder when the data folder is
  // missing; make sure it exists first.
  QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return OpResult::failure(systemErrorText(ENOENT));
  QFile file(path);
  if (file.moveToTrash()) return OpResult::success();
  return OpResult::failure(file.errorString().isEmpty() ? QStringLiteral("cannot move to trash")
                                                        : file.errorString());
}

}  // namespace vantorim::platform
