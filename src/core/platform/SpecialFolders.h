#pragma once
// Well-known folders of the user and of the program.

#include <QString>
#include <QStringList>

namespace vantorim::platform {

// The user folders the explorer bars offer (XDG user folders and the trash).
enum class SpecialFolder { Desktop, Documents, Pictures, Music, Videos, Downloads, Home, Trash };

// Path of a special folder, without trailing '/'; empty when it has none.
QString specialFolderPath(SpecialFolder folder);

// Folder of the running program, with a trailing '/'.
QString programFolder();

// Folder for temporary files, with a trailing '/'.
QString temporaryFolder();

// The default working directory, $XDG_DATA_HOME/Belvantic/Vantorim/, created
// when missing; with a trailing '/'.
QString defaultWorkingDirectory();

// The central cache folder (thumbnails), $XDG_CACHE_HOME/Belvantic/Vantorim/,
// created when missing; with a trailing '/'.
QString cacheFolder();

// Folders of the operating system that must never be deleted or emptied.
const QStringList& protectedSystemFolders();

// True when `path` is one of the protected system folders or lies inside one.
bool isInProtectedSystemFolder(const QString& path);

}  // namespace vantorim::platform
