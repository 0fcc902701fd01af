#include "core/platform/PositionedReader.h"

#include "core/platform/FileOps.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace vantorim::platform {

PositionedReader& PositionedReader::operator=(PositionedReader&& other) noexcept {
  if (this != &other) {
    close();
    m_fd = other.m_fd;
    other.m_fd = -1;
  }
  return *this;
}

bool PositionedReader::open(const QString& path, QString* error) {
  close();
  // Non-blocking, so that a pipe put in place of a file cannot hang the run.
  m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (m_fd < 0) {
    if (error) *error = systemErrorText(errno);
    return false;
  }
  return true;
}

qint64 PositionedReader::readAt(qint64 offset, char* buffer, qint64 len, QString* error) const {
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

void PositionedReader::close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

}  // namespace vantorim::platform
