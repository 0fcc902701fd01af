#pragma once
// Small shared helpers for files and folders: unique names, trash, folder sizes,
// recursive listings, name clean-up and the Latin-1 case rule.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace vantorim::common {

// The path itself when no file of that name exists, else folder + base + "_" + n
// + extension for the first free n = 1, 2, ... Only non-folder entries count.
QString UniqueFileName(const QString& path);

// Moves the item to the trash; false when that fails.
bool RecycleFile(const QString& path);

// Bytes of the files in `folder` (64-bit exact); with `recursive` also of every
// sub-folder whose name does not begin with "."; symbolic links to folders are
// never entered, folders themselves count 0.
std::uint64_t FolderSize(const QString& folder, bool recursive);

// The protected system folders, which must never be deleted or emptied.
QStringList WindowsFolder();

// The nearest existing folder above `path` (with a trailing '/'); "/" at the latest.
QString NearestExistingFolder(const QString& path);

// Appends the folder part of `folderPath` (up to its last '/') and, depth first,
// every sub-folder not beginning with "." that is neither hidden nor system,
// each with a trailing '/'.
void ListFoldersRecursive(const QString& folderPath, QStringList& list);

// `pathWithMask` is a folder plus a mask as last component ("/data/*.ord").
// Appends every matching file (mask without regard to case) that is not a system
// file, then recurses into sub-folders as ListFoldersRecursive does. Files of a
// folder come before those of its sub-folders. `pump` (when set) is called once
// at the start of every folder, e.g. to keep a window responsive.
void FindFilesRecursive(const QString& pathWithMask, QStringList& list,
                        const std::function<void()>& pump = {});

// True when the volume holding the path (or root) answers.
bool DriveReady(const QString& pathOrRoot);

// Removes from the folder part the characters " * < = > ? | and from the file
// name ! " $ % & ( ) * + , / : ; < = > ? [ \ ] ^ ` | § ° ´ .
QString RemoveInvalidChars(const QString& path);

// Latin-1 case rule for code points up to U+00FF (A..Z, À..Ö, Ø..Ý and back;
// ß, ÿ, ×, ÷ unchanged), Unicode simple case mapping above.
QString LowerCaseLatin1(const QString& text);
QString UpperCaseLatin1(const QString& text);

}  // namespace vantorim::common
