#include "core/platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <sys/statvfs.h>

namespace vantorim::platform {

namespace {

// Mount table fields escape space, tab, newline and backslash as \ooo.
QString unescapeMountField(const QByteArray& field) {
  QByteArray out;
  out.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const QByteArray oct = field.mid(i + 1, 3);
      bool ok = false;
      const int code = oct.toInt(&ok, 8);
      if (ok && oct.size() == 3 && code < 256) {
        out += static_cast<char>(code);
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return QFile::decodeName(out);
}

// Names in /dev/disk/by-label escape bytes as \xHH.
QString unescapeUdevName(const QString& name) {
  QByteArray in = QFile::encodeName(name), out;
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == '\\' && i + 3 < in.size() && in[i + 1] == 'x') {
      bool ok = false;
      const int code = in.mid(i + 2, 2).toInt(&ok, 16);
      if (ok) {
        out += static_cast<char>(code);
        i += 3;
        continue;
      }
    }
    out += in[i];
  }
  return QString::fromUtf8(out);
}

QString withSlash(QString path) {
  if (!path.endsWith('/')) path += '/';
  return path;
}

const QSet<QString>& pseudoFileSystems() {
  static const QSet<QString> names = {
      "proc", "sysfs", "cgroup", "cgroup2", "devpts", "devtmpfs", "mqueue", "debugfs",
      "tracefs", "securityfs", "pstore", "bpf", "configfs", "fusectl", "hugetlbfs", "autofs",
      "binfmt_misc", "rpc_pipefs", "efivarfs", "nsfs", "selinuxfs", "fuse.gvfsd-fuse",
      "fuse.portal", "fuse.lxcfs", "nfsd", "rootfs"};
  return names;
}

const QSet<QString>& remoteFileSystems() {
  static const QSet<QString> names = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs",
                                      "fuse.sshfs", "9p", "afs", "ceph", "glusterfs",
                                      "fuse.glusterfs", "davfs", "fuse.rclone"};
  return names;
}

// Whether the block device (or the disk a partition belongs to) is removable.
bool isRemovableDevice(const QString& source) {
  if (!source.startsWith("/dev/")) return false;
  const QString dev = QFileInfo(source).canonicalFilePath();
  if (dev.isEmpty()) return false;
  const QString name = QFileInfo(dev).fileName();
  const QString sys = "/sys/class/block/" + name;
  QString removable = sys + "/removable";
  if (!QFileInfo::exists(removable)) {
    const QString real = QFileInfo(sys).canonicalFilePath();
    if (real.isEmpty()) return false;
    removable = QFileInfo(real).path() + "/removable";
  }
  QFile f(removable);
  if (!f.open(QIODevice::ReadOnly)) return false;
  return f.readAll().trimmed() == "1";
}

// canonical device path -> udev name, for /dev/disk/by-uuid or by-label.
QHash<QString, QString> diskLinks(const QString& folder) {
  QHash<QString, QString> map;
  const QDir dir(folder);
  for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
    const QString target = link.canonicalFilePath();
    if (!target.isEmpty()) map.insert(target, unescapeUdevName(link.fileName()));
  }
  return map;
}

VolumeInfo describe(const MountEntry& m, TMediaType type, const QHash<QString, QString>& uuids,
                    const QHash<QString, QString>& labels) {
  VolumeInfo v;
  v.root = withSlash(m.mountPoint);
  v.device = m.source;
  v.fsName = m.fsType;
  v.mediaType = type;
  if (m.source.startsWith("/dev/")) {
    const QString dev = QFileInfo(m.source).canonicalFilePath();
    v.label = labels.value(dev);
    v.serialText = uuids.value(dev);
  }
  struct statvfs st {};
  if (::statvfs(QFile::encodeName(v.root).constData(), &st) == 0) {
    v.ready = true;
    const std::uint64_t frsize = st.f_frsize ? st.f_frsize : st.f_bsize;
    v.blockSize = frsize;
    v.totalBlocks = st.f_blocks;
    v.freeBlocks = st.f_bfree;
    v.totalBytes = static_cast<std::uint64_t>(st.f_blocks) * frsize;
    v.freeBytes = static_cast<std::uint64_t>(st.f_bfree) * frsize;
    v.availableBytes = static_cast<std::uint64_t>(st.f_bavail) * frsize;
    v.maxNameLength = st.f_namemax;
    if (v.serialText.isEmpty()) v.serialText = v.label;
    if (v.serialText.isEmpty())
      v.serialText = QStringLiteral("%1").arg(static_cast<qulonglong>(st.f_fsid), 8, 16, QChar('0')).toUpper();
  } else if (v.serialText.isEmpty()) {
    v.serialText = v.label;
  }
  return v;
}

// Mounts the system keeps for itself below /proc, /sys, /dev and /run (media
// mounted below /run/media are drives).
bool isSystemMountPoint(const QString& mp) {
  for (const char* prefix : {"/proc", "/sys", "/dev", "/run"})
    if (mp == QLatin1String(prefix) || mp.startsWith(QLatin1String(prefix) + '/'))
      return !mp.startsWith(QLatin1String("/run/media/"));
  return false;
}

// The mount entry whose mount point is the longest prefix of the absolute path.
std::optional<MountEntry> mountHolding(const QString& path) {
  QString p = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
  // The nearest existing parent decides; links are resolved.
  while (!QFileInfo::exists(p) && p != "/") p = QFileInfo(p).path();
  const QString canonical = QFileInfo(p).canonicalFilePath();
  if (!canonical.isEmpty()) p = canonical;
  std::optional<MountEntry> best;
  for (const MountEntry& m : readMountTable()) {
    const QString mp = m.mountPoint;
    const bool holds = mp == "/" || p == mp || p.startsWith(mp + '/');
    if (holds && (!best || mp.size() >= best->mountPoint.size())) best = m;
  }
  return best;
}

}  // namespace

QList<MountEntry> parseMountInfo(const QByteArray& text) {
  QList<MountEntry> entries;
  for (const QByteArray& line : text.split('\n')) {
    const QList<QByteArray> f = line.simplified().split(' ');
    if (f.size() < 10) continue;
    const qsizetype sep = f.indexOf("-", 6);
    if (sep < 0 || sep + 2 >= f.size()) continue;
    MountEntry m;
    m.root = unescapeMountField(f[3]);
    m.mountPoint = unescapeMountField(f[4]);
    m.fsType = unescapeMountField(f[sep + 1]);
    m.source = unescapeMountField(f[sep + 2]);
    if (!m.mountPoint.startsWith('/')) continue;
    entries.push_back(m);
  }
  return entries;
}

QList<MountEntry> readMountTable() {
  QFile f(QStringLiteral("/proc/self/mountinfo"));
  if (!f.open(QIODevice::ReadOnly)) return {MountEntry{"/", "unknown", "", "/"}};
  // /proc files report size 0; readAll still reads until the end.
  return parseMountInfo(f.readAll());
}

std::optional<TMediaType> classifyMount(const QString& fsType, const QString& source, bool removable) {
  if (pseudoFileSystems().contains(fsType)) return std::nullopt;
  if (remoteFileSystems().contains(fsType) || fsType.startsWith("nfs")) return dtRemote;
  if (fsType == "iso9660" || fsType == "udf" || source.startsWith("/dev/sr")) return dtCDROM;
  if (fsType == "tmpfs" || fsType == "ramfs") return dtRAMDisk;
  if (source.startsWith("/dev/")) return removable ? dtRemovable : dtFixed;
  if (fsType == "overlay" || fsType == "zfs" || fsType == "btrfs" || fsType == "fuseblk") return dtFixed;
  return dtUnknown;
}

QString volumeRoot(const QString& path) {
  const auto m = mountHolding(path);
  return m ? withSlash(m->mountPoint) : QStringLiteral("/");
}

bool DriveReady(const QString& pathOrRoot) {
  if (pathOrRoot.isEmpty()) return false;
  QString p = pathOrRoot;
  if (!QDir::isAbsolutePath(p)) return false;
  // A path that does not exist has no ready drive behind it unless a parent exists.
  struct statvfs st {};
  return ::statvfs(QFile::encodeName(volumeRoot(p)).constData(), &st) == 0;
}

std::optional<VolumeInfo> volumeOf(const QString& path) {
  const auto m = mountHolding(path);
  if (!m) return std::nullopt;
  const auto type = classifyMount(m->fsType, m->source, isRemovableDevice(m->source));
  return describe(*m, type.value_or(dtUnknown), diskLinks("/dev/disk/by-uuid"),
                  diskLinks("/dev/disk/by-label"));
}

QList<VolumeInfo> listVolumes() {
  const QList<MountEntry> table = readMountTable();
  // A later mount on the same point hides the earlier one.
  QHash<QString, MountEntry> byPoint;
  for (const MountEntry& m : table) byPoint.insert(m.mountPoint, m);
  const auto uuids = diskLinks("/dev/disk/by-uuid");
  const auto labels = diskLinks("/dev/disk/by-label");
  QList<VolumeInfo> out;
  for (const MountEntry& m : byPoint) {
    if (isSystemMountPoint(m.mountPoint)) continue;
    if (m.fsType == "squashfs" && m.mountPoint.startsWith("/snap/")) continue;
    const auto type = classifyMount(m.fsType, m.source, isRemovableDevice(m.source));
    if (!type) continue;
    out.push_back(describe(m, *type, uuids, labels));
  }
  std::sort(out.begin(), out.end(), [](const VolumeInfo& a, const VolumeInfo& b) { return a.root < b.root; });
  return out;
}

}  // namespace vantorim::platform
