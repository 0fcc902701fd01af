#pragma once
// A file opened for reading at given offsets, with as few system calls as
// possible: one open, one positioned read per block, one close. For engines
// that read many files piece by piece (the duplicate comparison).

#include <QString>
#include <QtGlobal>

namespace vantorim::platform {

class PositionedReader {
public:
  PositionedReader() = default;
  ~PositionedReader() { close(); }
  PositionedReader(const PositionedReader&) = delete;
  PositionedReader& operator=(const PositionedReader&) = delete;
  PositionedReader(PositionedReader&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
  PositionedReader& operator=(PositionedReader&& other) noexcept;

  // Opens a regular file; false with `error` set when it cannot be opened.
  bool open(const QString& path, QString* error);
  bool isOpen() const { return m_fd >= 0; }
  // Reads up to `len` bytes at `offset`; returns the count (short at the end
  // of the file) or −1 with `error` set.
  qint64 readAt(qint64 offset, char* buffer, qint64 len, QString* error) const;
  void close();

private:
  int m_fd = -1;
};

}  // namespace vantorim::platform
