#include "core/platform/FileTimes.h"

#include <QFile>
#include <QTimeZone>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace vantorim::platform {

QDateTime FileTime::toDateTime() const {
  return QDateTime::fromMSecsSinceEpoch(seconds * 1000 + nanoseconds / 1000000);
}

FileTime FileTime::fromDateTime(const QDateTime& dt) {
  const qint64 ms = dt.toMSecsSinceEpoch();
  qint64 s = ms / 1000;
  qint64 rest = ms % 1000;
  if (rest < 0) {
    rest += 1000;
    --s;
  }
  return {s, static_cast<std::int32_t>(rest * 1000000)};
}

std::optional<FileTimes> readFileTimes(const QString& path, QString* error) {
  const QByteArray native = QFile::encodeName(path);
  struct statx sx {};
  if (statx(AT_FDCWD, native.constData(), AT_SYMLINK_NOFOLLOW,
            STATX_BTIME | STATX_MTIME | STATX_ATIME | STATX_CTIME, &sx) != 0) {
    if (error) *error = systemErrorText(errno);
    return std::nullopt;
  }
  FileTimes t;
  t.lastWrite = {sx.stx_mtime.tv_sec, static_cast<std::int32_t>(sx.stx_mtime.tv_nsec)};
  t.lastAccess = {sx.stx_atime.tv_sec, static_cast<std::int32_t>(sx.stx_atime.tv_nsec)};
  if (sx.stx_mask & STATX_BTIME) {
    t.created = {sx.stx_btime.tv_sec, static_cast<std::int32_t>(sx.stx_btime.tv_nsec)};
    t.createdIsBirthTime = true;
  } else {
    t.created = {sx.stx_ctime.tv_sec, static_cast<std::int32_t>(sx.stx_ctime.tv_nsec)};
  }
  return t;
}

OpResult setFileTimes(const QString& path, std::optional<FileTime> lastWrite,
                      std::optional<FileTime> lastAccess) {
  struct timespec ts[2];
  ts[0].tv_sec = lastAccess ? lastAccess->seconds : 0;
  ts[0].tv_nsec = lastAccess ? lastAccess->nanoseconds : UTIME_OMIT;
  ts[1].tv_sec = lastWrite ? lastWrite->seconds : 0;
  ts[1].tv_nsec = lastWrite ? lastWrite->nanoseconds : UTIME_OMIT;
  if (!lastWrite && !lastAccess) return OpResult::success();
  if (utimensat(AT_FDCWD, QFile::encodeName(path).constData(), ts, AT_SYMLINK_NOFOLLOW) != 0)
    return OpResult::failure(systemErrorText(errno));
  return OpResult::success();
}

QString creationTimeNotSettableText() {
  return QStringLiteral("The creation time cannot be changed on this system; the other times were set.");
}

OpResult setCreationTime(const QString&, FileTime) {
  return OpResult::failure(creationTimeNotSettableText());
}

}  // namespace vantorim::platform
