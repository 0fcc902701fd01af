#include "core/platform/FileAccess.h"


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

}  // namespace vantorim::platform
