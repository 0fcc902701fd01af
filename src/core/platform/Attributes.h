#pragma once
// The five file attributes of the program, carried over to Linux:
//   read-only  no write permission bit at all
//   hidden     the name begins with "." or is listed in the folder's ".hidden" file
//   system     bit 0x4 of the extended attribute user.DOSATTRIB ("0x" + hex, Samba's text form)
//   archive    bit 0x20 of the same extended attribute
//   folder     the entry is a directory (read only)
// FIFOs, sockets and device nodes always carry "system".

#include "core/platform/DirectoryWalker.h"
#include "core/platform/FileOps.h"

#include <QSet>
#include <QString>

#include <cstdint>

namespace vantorim::platform {

enum Attribute : std::uint32_t {
  AttrReadOnly = 0x01,
  AttrHidden = 0x02,
  AttrSystem = 0x04,
  AttrFolder = 0x10,
  AttrArchive = 0x20,
};
constexpr std::uint32_t kAllAttributes = AttrReadOnly | AttrHidden | AttrSystem | AttrFolder | AttrArchive;

// Reads the attributes of one path (links not followed). On failure returns 0 and sets *error.
std::uint32_t readAttributes(const QString& path, QString* error = nullptr);

// Sets or clears the bits in `which` to their state in `bits`; the folder bit is ignored.
// Stops at the first bit that cannot be changed and says why.
OpResult setAttributes(const QString& path, std::uint32_t bits, std::uint32_t which);
inline OpResult setAttribute(const QString& path, std::uint32_t bit, bool on) {
  return setAttributes(path, on ? bit : 0, bit);
}

// Names listed in a folder's ".hidden" file (one per line).
QSet<QString> readHiddenList(const QString& folder);

// Reads attributes of entries during a walk; keeps the ".hidden" list of the current
// folder so a folder's list is read once. Only the bits in `wanted` are worked out:
// asking for fewer bits costs fewer system calls.
class AttributeReader {
public:
  std::uint32_t read(const WalkEntry& entry, std::uint32_t wanted = kAllAttributes);

private:
  QString m_folder;
  QSet<QString> m_hidden;
  bool m_loaded = false;
};

}  // namespace vantorim::platform
