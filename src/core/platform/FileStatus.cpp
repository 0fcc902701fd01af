#include "core/platform/FileStatus.h"

#include "core/platform/DirectoryWalker.h"

#include <sys/stat.h>

namespace vantorim::platform {

std::optional<FileStatus> fileStatus(const QString& path) {
  const EntryStat st = statPath(path);
  if (!st.ok) return std::nullopt;
  FileStatus s;
  if (S_ISREG(st.mode))
    s.kind = FileStatus::Kind::File;
  else if (S_ISDIR(st.mode))
    s.kind = FileStatus::Kind::Folder;
  else if (S_ISLNK(st.mode))
    s.kind = FileStatus::Kind::SymLink;
  s.size = st.size;
  s.device = st.device;
  s.inode = st.inode;
  s.changeTimeNs = st.statusChangeNs;
  s.modifyTimeNs = st.lastWriteNs;
  return s;
}

}  // namespace vantorim::platform
