#pragma once
// Reports file-system changes to whoever listens (the computer-information
// panel): items created and deleted in the watched folders, and volumes that
// appear or disappear. Folders are watched with inotify (QFileSystemWatcher),
// the mount table through its poll notification. A notification equal to the
// one before it (same event, same paths) is dropped.

#include "core/app/ExplorerRules.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <cstdint>
#include <memory>

class QFileSystemWatcher;
class QSocketNotifier;
class QFile;

namespace vantorim::app {

enum class TTextCase { tcAsIs, tcUppercase, tcLowercase };

// The event codes of the notifications (the shell's values, kept for the mask).
namespace change {
inline constexpr std::uint32_t RenameItem = 0x1, Create = 0x2, Delete = 0x4, MkDir = 0x8, RmDir = 0x10,
                               MediaInserted = 0x20, MediaRemoved = 0x40, DriveRemoved = 0x80,
                               DriveAdd = 0x100, UpdateDir = 0x1000;
}

class TSHChangeNotify : public QObject {
  Q_OBJECT
public:
  explicit TSHChangeNotify(QObject* parent = nullptr);
  ~TSHChangeNotify() override;

  int messageNo() const { return m_messageNo; }
  // Values below 1024 are refused with "MessageNo must be greater than or equal to 1024".
  void setMessageNo(int value);
  TTextCase TextCase = TTextCase::tcAsIs;
  // Only fixed drives are watched when set.
  bool HardDriveOnly = true;

  // Watches the mount points of the drives and the given folders (not recursive).
  void start(const QStringList& extraFolders = {});
  void stop();
  bool running() const { return m_running; }

  // Delivers one notification through the duplicate rule; the watchers use it.
  void notify(std::uint32_t code, const QString& path1, const QString& path2 = {});

Q_SIGNALS:
  void OnCreate(std::uint32_t flags, const QString& path);
  void OnDelete(std::uint32_t flags, const QString& path);
  void OnMkDir(std::uint32_t flags, const QString& path);
  void OnRmDir(std::uint32_t flags, const QString& path);
  void OnUpdateDir(std::uint32_t flags, const QString& path);
  void OnDriveAdd(std::uint32_t flags, const QString& path);
  void OnDriveRemoved(std::uint32_t flags, const QString& path);
  void OnMediaInserted(std::uint32_t flags, const QString& path);
  void OnMediaRemoved(std::uint32_t flags, const QString& path);
  void OnRenameItem(std::uint32_t flags, const QString& path1, const QString& path2);

private:
  void folderChanged(const QString& folder);
  void mountsChanged();
  void snapshot(const QString& folder);
  QString cased(const QString& path) const;

  int m_messageNo = 1024;
  bool m_running = false;
  DuplicateNotificationFilter m_duplicates;
  QFileSystemWatcher* m_watcher = nullptr;
  std::unique_ptr<QFile> m_mountFile;
  QSocketNotifier* m_mountNotifier = nullptr;
  QHash<QString, QHash<QString, bool>> m_entries;  // folder -> name -> is folder
  QHash<QString, bool> m_volumes;                  // mount point -> removable
};

}  // namespace vantorim::app
