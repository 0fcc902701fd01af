#pragma once
// The status of one path as the file system keeps it, without following a
// final symbolic link. Used where an engine must see whether a file is still
// the one it looked at earlier (same size, same change time).

#include <QString>
#include <QtGlobal>

#include <optional>

namespace vantorim::platform {

struct FileStatus {
  enum class Kind { File, Folder, SymLink, Other };
  Kind kind = Kind::Other;
  qint64 size = 0;
  quint64 device = 0;
  quint64 inode = 0;
  qint64 changeTimeNs = 0;  // last status change (ctime), nanoseconds since the epoch
  qint64 modifyTimeNs = 0;  // last write (mtime)
};

// Empty when the path does not exist or cannot be examined.
std::optional<FileStatus> fileStatus(const QString& path);

}  // namespace vantorim::platform
