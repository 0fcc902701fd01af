#pragma once
// Low-level reading for engines that go through many files: a file opened read
// only (by path or relative to a folder descriptor) with positioned and
// sequential reads, folder descriptors that outlive a walk, and the volume a
// descriptor lies on. Few system calls per file: one open, the reads, one close.

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vantorim::platform {

// A duplicate of a folder's descriptor that outlives the walk of that folder, so
// files in it can still be opened relative to it (for example by worker threads).
class FolderHandle {
public:
  static std::shared_ptr<FolderHandle> duplicate(int folderFd);  // nullptr on failure
  ~FolderHandle();
  int fd() const { return m_fd; }
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;

private:
  explicit FolderHandle(int fd) : m_fd(fd) {}
  int m_fd;
};

// Stands for the working folder in openAt calls, so `name` may be any path.
int workingFolderFd();

// Device number of the volume holding an open descriptor; 0 on failure.
std::uint64_t volumeOfFd(int fd);

// A file opened for reading. A FIFO or device put in place of a file never
// blocks the open.
class ReadOnlyFile {
public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile() { close(); }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  ReadOnlyFile(ReadOnlyFile&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
  ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;

  // Opens `path`; false with `error` set when it cannot be opened.
  bool open(const QString& path, QString* error);
  // Opens `name` in the folder `folderFd` without following a final link.
  bool openAt(int folderFd, const char* name);
  bool isOpen() const { return m_fd >= 0; }
  // Reads up to `len` bytes at `offset`; returns the count (short at the end
  // of the file) or -1 with `error` set.
  qint64 readAt(qint64 offset, char* buffer, qint64 len, QString* error) const;
  // Reads on from the current position: up to `size` bytes, 0 at the end, -1 on error.
  long readSome(char* buffer, std::size_t size);
  void close();

private:
  int m_fd = -1;
};

}  // namespace vantorim::platform
