#include "core/app/ChangeNotifier.h"

#include "core/platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <stdexcept>

namespace vantorim::app {

TSHChangeNotify::TSHChangeNotify(QObject* parent) : QObject(parent) {}

TSHChangeNotify::~TSHChangeNotify() { stop(); }

void TSHChangeNotify::setMessageNo(int value) {
  if (value < 1024) throw std::invalid_argument("MessageNo must be greater than or equal to 1024");
  m_messageNo = value;
}

void TSHChangeNotify::start(const QStringList& extraFolders) {
  stop();
  m_watcher = new QFileSystemWatcher(this);
  connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TSHChangeNotify::folderChanged);
  QStringList folders = extraFolders;
  for (const platform::VolumeInfo& v : platform::listVolumes()) {
    m_volumes.insert(v.root, v.mediaType == platform::dtRemovable || v.mediaType == platform::dtCDROM);
    if (!HardDriveOnly || v.mediaType == platform::dtFixed) folders << v.root;
  }
  for (const QString& f : std::as_const(folders)) {
    const QString clean = QDir::cleanPath(f);
    if (m_entries.contains(clean) || !QFileInfo(clean).isDir()) continue;
    snapshot(clean);
    m_watcher->addPath(clean);
  }
  m_mountFile = std::make_unique<QFile>(QStringLiteral("/proc/self/mountinfo"));
  if (m_mountFile->open(QIODevice::ReadOnly)) {
    // The kernel flags the mount table as changed with an exceptional condition.
    m_mountNotifier = new QSocketNotifier(m_mountFile->handle(), QSocketNotifier::Exception, this);
    connect(m_mountNotifier, &QSocketNotifier::activated, this, &TSHChangeNotify::mountsChanged);
  }
  m_running = true;
}

void TSHChangeNotify::stop() {
  delete m_watcher;
  m_watcher = nullptr;
  delete m_mountNotifier;
  m_mountNotifier = nullptr;
  m_mountFile.reset();
  m_entries.clear();
  m_volumes.clear();
  m_running = false;
}

QString TSHChangeNotify::cased(const QString& path) const {
  switch (TextCase) {
    case TTextCase::tcUppercase: return path.toUpper();
    case TTextCase::tcLowercase: return path.toLower();
    case TTextCase::tcAsIs: break;
  }
  return path;
}

void TSHChangeNotify::notify(std::uint32_t code, const QString& path1, const QString& path2) {
  if (!m_duplicates.accept(code, path1, path2)) return;
  const QString p1 = cased(path1), p2 = cased(path2);
  switch (code) {
    case change::Create: Q_EMIT OnCreate(code, p1); break;
    case change::Delete: Q_EMIT OnDelete(code, p1); break;
    case change::MkDir: Q_EMIT OnMkDir(code, p1); break;
    case change::RmDir: Q_EMIT OnRmDir(code, p1); break;
    case change::UpdateDir: Q_EMIT OnUpdateDir(code, p1); break;
    case change::DriveAdd: Q_EMIT OnDriveAdd(code, p1); break;
    case change::DriveRemoved: Q_EMIT OnDriveRemoved(code, p1); break;
    case change::MediaInserted: Q_EMIT OnMediaInserted(code, p1); break;
    case change::MediaRemoved: Q_EMIT OnMediaRemoved(code, p1); break;
    case change::RenameItem: Q_EMIT OnRenameItem(code, p1, p2); break;
    default: break;
  }
}

void TSHChangeNotify::snapshot(const QString& folder) {
  QHash<QString, bool> names;
  const QFileInfoList list =
      QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QFileInfo& i : list) names.insert(i.fileName(), i.isDir());
  m_entries.insert(folder, names);
}

void TSHChangeNotify::folderChanged(const QString& folder) {
  const QHash<QString, bool> before = m_entries.value(folder);
  snapshot(folder);
  const QHash<QString, bool>& after = m_entries[folder];
  const QString base = folder.endsWith('/') ? folder : folder + '/';
  for (auto it = after.cbegin(); it != after.cend(); ++it)
    if (!before.contains(it.key())) notify(it.value() ? change::MkDir : change::Create, base + it.key());
  for (auto it = before.cbegin(); it != before.cend(); ++it)
    if (!after.contains(it.key())) notify(it.value() ? change::RmDir : change::Delete, base + it.key());
  if (before.size() == after.size()) notify(change::UpdateDir, folder);
}

void TSHChangeNotify::mountsChanged() {
  m_mountFile->seek(0);
  m_mountFile->readAll();  // re-arms the notification
  QHash<QString, bool> now;
  for (const platform::VolumeInfo& v : platform::listVolumes())
    now.insert(v.root, v.mediaType == platform::dtRemovable || v.mediaType == platform::dtCDROM);
  for (auto it = now.cbegin(); it != now.cend(); ++it)
    if (!m_volumes.contains(it.key())) notify(it.value() ? change::MediaInserted : change::DriveAdd, it.key());
  for (auto it = m_volumes.cbegin(); it != m_volumes.cend(); ++it)
    if (!now.contains(it.key())) notify(it.value() ? change::MediaRemoved : change::DriveRemoved, it.key());
  m_volumes = now;
}

}  // namespace vantorim::app
