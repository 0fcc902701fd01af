#include "core/platform/FileStatus.h"

#include <QFile>

#include <sys/stat.h>

namespace vantorim::platform {

std::optional<FileStatus> fileStatus(const QString& path) {
  struct stat st;
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  FileStatus s;
  if (S_ISREG(st.st_mode))
    s.kind = FileStatus::Kind::File;
  else if (S_ISDIR(st.st_mode))
    s.kind = FileStatus::Kind::Folder;
  else if (S_ISLNK(st.st_mode))
    s.kind = FileStatus::Kind::SymLink;
  s.size = static_cast<qint64>(st.st_size);
  s.device = static_cast<quint64>(st.st_dev);
  s.inode = static_cast<quint64>(st.st_ino);
  s.changeTimeNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
  s.modifyTimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return s;
}

}  // namespace vantorim::platform
