#pragma once
// The three time stamps of files and folders.

#include "core/platform/FileOps.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace vantorim::platform {

// A point in time with nanoseconds, seconds since 1970 UTC.
struct FileTime {
  std::int64_t seconds = 0;
  std::int32_t nanoseconds = 0;
  QDateTime toDateTime() const;  // local time, millisecond precision
  static FileTime fromDateTime(const QDateTime& dt);
  friend bool operator==(const FileTime&, const FileTime&) = default;
};

struct FileTimes {
  FileTime created;  // birth time when the file system keeps one, else the last status change
  bool createdIsBirthTime = false;
  FileTime lastWrite;
  FileTime lastAccess;
};

// Reads the times of `path` without following a final symbolic link.
std::optional<FileTimes> readFileTimes(const QString& path, QString* error = nullptr);

// Sets last write and/or last access (nanoseconds kept); an empty one stays as it is.
OpResult setFileTimes(const QString& path, std::optional<FileTime> lastWrite,
                      std::optional<FileTime> lastAccess);

// The creation time cannot be set on this platform; always a failure with the reason.
OpResult setCreationTime(const QString& path, FileTime created);

// The text of that reason, for a once-per-run notice.
QString creationTimeNotSettableText();

}  // namespace vantorim::platform
