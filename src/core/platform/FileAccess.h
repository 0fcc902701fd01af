#pragma once
// Low-level file access for engines that stream many files: raw descriptors, opened
// relative to a folder, and the volume a path lies on.

#include <QString>

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

// Stands for the working folder in *At calls, so `name` may be any path.
int workingFolderFd();

// Opens `name` in the folder `folderFd` for reading: links are
// not followed, and a FIFO or device never blocks the call. Returns -1 on failure.
int openForReadAt(int folderFd, const char* name);
// Reads up to `size` bytes; 0 at the end, -1 on error.
long readSome(int fd, char* buffer, std::size_t size);
void closeFile(int fd);

// Device number of the volume holding an open descriptor; 0 on failure.
std::uint64_t volumeOfFd(int fd);

}  // namespace vantorim::platform
