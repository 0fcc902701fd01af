#include "core/platform/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorim::platform {

std::shared_ptr<FolderHandle> FolderHandle::duplicate(int folderFd) {
  const int fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return nullptr;
  return std::shared_ptr<FolderHandle>(new FolderHandle(fd));
}

FolderHandle::~FolderHandle() {
  if (m_fd >= 0) ::close(m_fd);
}

int workingFolderFd() { return AT_FDCWD; }

int openForReadAt(int folderFd, const char* name) {
  return ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

long readSome(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t r = ::read(fd, buffer, size);
    if (r < 0 && errno == EINTR) continue;
    return long(r);
  }
}

void closeFile(int fd) {
  if (fd >= 0) ::close(fd);
}

std::uint64_t volumeOfFd(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? std::uint64_t(st.st_dev) : 0;
}

QString volumeRoot(const QString& path, std::uint64_t* device) {
  QString probe = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  struct stat st {};
  while (::stat(QFile::encodeName(probe).constData(), &st) != 0 && probe != "/") probe = QFileInfo(probe).path();
  if (device) *device = st.st_dev;
  QString root = probe;
  while (root != "/") {
    const QString parent = QFileInfo(root).path();
    struct stat ps {};
    if (::stat(QFile::encodeName(parent).constData(), &ps) != 0 || ps.st_dev != st.st_dev) break;
    root = parent;
  }
  return root;
}

}  // namespace vantorim::platform
