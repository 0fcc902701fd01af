#include "core/platform/SpecialFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace vantorim::platform {

namespace {

QString withSlash(QString path) {
  if (!path.isEmpty() && !path.endsWith('/')) path += '/';
  return path;
}

// $VAR when it is an absolute path, else the fallback below the home folder.
QString xdgBase(const char* var, const char* fallback) {
  const QString value = qEnvironmentVariable(var);
  if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
  return QDir::homePath() + '/' + QLatin1String(fallback);
}

QString createdFolder(const QString& path) {
  QDir().mkpath(path);
  return withSlash(QDir::cleanPath(path));
}

}  // namespace

QString specialFolderPath(SpecialFolder folder) {
  const auto location = [](QStandardPaths::StandardLocation l) {
    return QDir::cleanPath(QStandardPaths::writableLocation(l));
  };
  switch (folder) {
    case SpecialFolder::Desktop: return location(QStandardPaths::DesktopLocation);
    case SpecialFolder::Documents: return location(QStandardPaths::DocumentsLocation);
    case SpecialFolder::Pictures: return location(QStandardPaths::PicturesLocation);
    case SpecialFolder::Music: return location(QStandardPaths::MusicLocation);
    case SpecialFolder::Videos: return location(QStandardPaths::MoviesLocation);
    case SpecialFolder::Downloads: return location(QStandardPaths::DownloadLocation);
    case SpecialFolder::Home: return QDir::cleanPath(QDir::homePath());
    case SpecialFolder::Trash: return QDir::cleanPath(xdgBase("XDG_DATA_HOME", ".local/share") + "/Trash/files");
  }
  return {};
}

QString programFolder() {
  QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  if (dir.isEmpty()) dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  return withSlash(dir);
}

QString temporaryFolder() { return withSlash(QDir::cleanPath(QDir::tempPath())); }

QString defaultWorkingDirectory() {
  return createdFolder(xdgBase("XDG_DATA_HOME", ".local/share") + "/Belvantic/Vantorim");
}

QString cacheFolder() {
  return createdFolder(xdgBase("XDG_CACHE_HOME", ".cache") + "/Belvantic/Vantorim");
}

const QStringList& protectedSystemFolders() {
  static const QStringList folders = {"/usr", "/etc", "/boot", "/bin", "/sbin", "/lib", "/lib64", "/var/lib"};
  return folders;
}

bool isInProtectedSystemFolder(const QString& path) {
  if (path.isEmpty()) return false;
  const QString clean = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
  if (clean == "/") return true;  // the root holds them all
  // Compare both the path as given and with links resolved (/bin -> /usr/bin).
  QStringList candidates = {clean};
  const QString canonical = QFileInfo(clean).canonicalFilePath();
  if (!canonical.isEmpty() && canonical != clean) candidates << canonical;
  for (const QString& candidate : candidates)
    for (const QString& folder : protectedSystemFolders())
      if (candidate == folder || candidate.startsWith(folder + '/')) return true;
  return false;
}

}  // namespace vantorim::platform
