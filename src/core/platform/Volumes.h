#pragma once
// Mounted volumes: which volume holds a path, whether it is ready, and what the
// drive lists show about each one.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace vantorim::platform {

// Kind of drive, in the order the drive panels and the "MediaTypes" flags use.
enum TMediaType : std::uint8_t {
  dtUnknown = 0,
  dtNotExists = 1,
  dtRemovable = 2,
  dtFixed = 3,
  dtRemote = 4,
  dtCDROM = 5,
  dtRAMDisk = 6
};

// One line of /proc/self/mountinfo, unescaped.
struct MountEntry {
  QString mountPoint;
  QString fsType;
  QString source;  // device or remote source
  QString root;    // root of the mount within its file system (bind mounts)
};

// Parses the text of /proc/self/mountinfo; malformed lines are skipped.
QList<MountEntry> parseMountInfo(const QByteArray& text);

// The mount table of this process.
QList<MountEntry> readMountTable();

// Type of a mounted file system; nullopt for pseudo file systems that are not drives.
// `removable` tells whether the backing block device is removable.
std::optional<TMediaType> classifyMount(const QString& fsType, const QString& source, bool removable);

struct VolumeInfo {
  QString root;    // mount point, with a trailing '/'
  QString device;  // source of the mount
  QString fsName;  // file-system type, e.g. "ext4"
  TMediaType mediaType = dtUnknown;
  QString label;       // file-system label, may be empty
  QString serialText;  // file-system UUID, else the label, else the statvfs f_fsid in hex
  bool ready = false;  // statvfs of the root succeeded
  std::uint64_t totalBytes = 0;
  std::uint64_t freeBytes = 0;       // free for the super-user
  std::uint64_t availableBytes = 0;  // free for this user
  std::uint64_t blockSize = 0;       // fundamental block size (f_frsize)
  std::uint64_t totalBlocks = 0;
  std::uint64_t freeBlocks = 0;
  std::uint64_t maxNameLength = 0;
};

// Mount point (with a trailing '/') of the volume that holds `path`; "/" when unknown.
// The path need not exist: its nearest existing parent decides.
QString volumeRoot(const QString& path);

// True when statvfs of the volume root holding `pathOrRoot` succeeds.
bool DriveReady(const QString& pathOrRoot);

// Data of the volume that holds `path`.
std::optional<VolumeInfo> volumeOf(const QString& path);

// All mounted volumes that are drives (pseudo file systems left out), ordered by
// mount point; each mount point once.
QList<VolumeInfo> listVolumes();

}  // namespace vantorim::platform
