#pragma once
// Walks a folder tree with one directory read per folder.
//
// Every folder is opened relative to its parent (openat), read once with
// getdents64, and its entries are handed to the caller with the kind taken
// from the directory entry itself. Status data (size, times, inode) is read
// only when the caller asks for it, so name-only walks never stat. Symbolic
// links are reported as links and never entered; FIFOs, sockets and device
// nodes are reported as `Other` and never opened.
//
//   DirectoryWalker walker;
//   walker.onEntry = [&](const WalkEntry& e) { if (e.isFile()) total += e.size(); return true; };
//   walker.walk("/home/me/Pictures");

#include <QDateTime>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

namespace vantorim::platform {

enum class EntryKind : std::uint8_t { File, Folder, Symlink, Other };

// Status data of one entry (of the entry itself, links not followed).
// Times are nanoseconds since the Unix epoch, UTC.
struct EntryStat {
  bool ok = false;
  int error = 0;                 // errno when !ok
  EntryKind kind = EntryKind::Other;
  std::int64_t size = 0;
  std::int64_t lastWriteNs = 0;
  std::int64_t lastAccessNs = 0;
  std::int64_t statusChangeNs = 0;
  std::int64_t birthNs = 0;      // valid when hasBirthTime
  bool hasBirthTime = false;
  std::uint64_t inode = 0;
  std::uint64_t device = 0;
  std::uint64_t links = 0;
  std::uint32_t mode = 0;
  std::uint32_t uid = 0;

  // Birth time where the file system keeps one, else the last status change.
  std::int64_t createdNs() const { return hasBirthTime ? birthNs : statusChangeNs; }
};

// Converts nanoseconds since the epoch to a date-time (UTC, millisecond precision).
QDateTime dateTimeFromNs(std::int64_t ns);

// A copy of everything known about one entry; outlives the walk.
struct EntryInfo {
  QString path;
  QString name;
  EntryKind kind = EntryKind::Other;
  int depth = 0;
  EntryStat stat;
};

// One entry as seen during the walk. Valid only inside the callback.
class WalkEntry {
public:
  const QString& name() const;  // decoded from UTF-8 on first use
  const char* rawName() const { return m_rawName; }     // bytes as on disk
  const QString& folder() const { return *m_folder; }    // containing folder, trailing '/'
  QString path() const { return *m_folder + name(); }
  EntryKind kind() const { return m_kind; }
  bool isFile() const { return m_kind == EntryKind::File; }
  bool isFolder() const { return m_kind == EntryKind::Folder; }
  bool isSymlink() const { return m_kind == EntryKind::Symlink; }
  bool isOther() const { return m_kind == EntryKind::Other; }
  // Depth of the containing folder: 0 for entries directly in the walked root.
  int depth() const { return m_depth; }
  std::uint64_t inodeHint() const { return m_ino; }  // from the directory entry, no stat

  // Status data, read on first use (one statx call, birth time included).
  const EntryStat& stat() const;
  std::int64_t size() const { return stat().size; }
  QDateTime lastWrite() const { return dateTimeFromNs(stat().lastWriteNs); }
  QDateTime lastAccess() const { return dateTimeFromNs(stat().lastAccessNs); }
  QDateTime created() const { return dateTimeFromNs(stat().createdNs()); }

  // File descriptor of the containing folder, for *at() calls on this entry.
  int folderFd() const { return m_dirFd; }
  EntryInfo info() const;

private:
  friend class DirectoryWalker;
  mutable QString m_name;
  mutable bool m_nameDone = false;
  const char* m_rawName = nullptr;
  const QString* m_folder = nullptr;
  EntryKind m_kind = EntryKind::Other;
  int m_depth = 0;
  int m_dirFd = -1;
  std::uint64_t m_ino = 0;
  mutable EntryStat m_stat;
  mutable bool m_statDone = false;
};

// Reads status data of one path (links not followed), birth time included.
EntryStat statPath(const QString& path);

struct WalkOptions {
  bool recursive = true;      // enter subfolders
  bool oneVolume = false;     // never enter a folder on another volume than the root
  int maxDepth = -1;          // deepest folder depth entered (root 0); -1 without limit
  const std::atomic<bool>* cancel = nullptr;  // polled between entries
};

// What to do with a folder about to be read.
enum class FolderAction : std::uint8_t {
  Enter,           // report its entries and walk its subfolders
  SkipEntries,     // do not report its entries, still walk its subfolders
  SkipSubfolders,  // report its entries, do not walk its subfolders
  Skip,            // neither
};

class DirectoryWalker {
public:
  explicit DirectoryWalker(WalkOptions options = {}) : m_options(options) {}

  // Called before a folder is read (the root too, with depth 0); path has a trailing '/'.
  std::function<FolderAction(const QString& folder, int depth)> onFolder;
  // Called for every entry; for a folder entry, returning false keeps the walk out of it.
  std::function<bool(const WalkEntry& entry)> onEntry;
  // Called when a folder cannot be opened or read; the walk goes on.
  std::function<void(const QString& folder, const QString& error)> onError;
  // Called after all entries and subfolders of a folder were handled.
  std::function<void(const QString& folder, int depth)> onFolderDone;

  // Walks `root` (a symbolic link given as root is followed). Returns false when the
  // root itself cannot be read (reported through onError too) or the walk was cancelled.
  bool walk(const QString& root);

  bool cancelled() const { return m_options.cancel && m_options.cancel->load(std::memory_order_relaxed); }
  const WalkOptions& options() const { return m_options; }

  // Absolute form of a folder path with exactly one trailing '/'.
  static QString folderPath(const QString& path);

private:
  void walkFolder(int fd, const QString& folder, int depth, std::uint64_t rootDevice, FolderAction action);

  WalkOptions m_options;
};

}  // namespace vantorim::platform
