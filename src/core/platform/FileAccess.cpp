#include "core/platform/FileAccess.h"

#include "core/platform/FileOps.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorim::platform {

namespace {
// Non-blocking, so that a pipe put in place of a file cannot hang the run.
constexpr int kReadFlags = O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
}  // namespace

std::shared_ptr<FolderHandle> FolderHandle::duplicate(int folderFd) {
  const int fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return nullptr;
  return std::shared_ptr<FolderHandle>(new FolderHandle(fd));
}

FolderHandle::~FolderHandle() {
  if (m_fd >= 0) ::close(m_fd);
}

int workingFolderFd() { return AT_FDCWD; }

std::uint64_t volumeOfFd(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? std::uint64_t(st.st_dev) : 0;
}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
  if (this != &other) {
    close();
    m_fd = other.m_fd;
    other.m_fd = -1;
  }
  return *this;
}

bool ReadOnlyFile::open(const QString& path, QString* error) {
  close();
  m_fd = ::open(QFile::encodeName(path).constData(), kReadFlags);
  if (m_fd < 0) {
    if (error) *error = systemErrorText(errno);
    return false;
  }
  return true;
}

bool ReadOnlyFile::openAt(int folderFd, const char* name) {
  close();
  m_fd = ::openat(folderFd, name, kReadFlags | O_NOFOLLOW);
  return m_fd >= 0;
}

qint64 ReadOnlyFile::readAt(qint64 offset, char* buffer, qint64 len, QString* error) const {
  qint64 got = 0;
  while (got < len) {
    const ssize_t n = ::pread(m_fd, buffer + got, static_cast<size_t>(len - got), offset + got);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (error) *error = systemErrorText(errno);
      return -1;
    }
    if (n == 0) break;
    got += n;
  }
  return got;
}

long ReadOnlyFile::readSome(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t r = ::read(m_fd, buffer, size);
    if (r < 0 && errno == EINTR) continue;
    return long(r);
  }
}

void ReadOnlyFile::close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

}  // namespace vantorim::platform
