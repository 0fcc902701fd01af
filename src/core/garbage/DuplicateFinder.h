#pragma once
// The duplicate finder: files of identical content below the search roots,
// in groups whose first entry is the reference file, and the deletion of the
// marked copies to the trash.

#include "core/garbage/ContentGrouping.h"
#include "core/garbage/RunControl.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vantorim::garbage {

struct DuplicateEntry {
  FileRecord file;
  bool marked = false;  // to be deleted
};

// At least two files of identical content; entry 0 is the reference file.
using DuplicateGroup = std::vector<DuplicateEntry>;

struct DuplicateSearchResult {
  std::vector<DuplicateGroup> groups;
  qint64 filesFound = 0;   // "Zu prüfende Dateien"
  qint64 candidates = 0;   // "Mögliche Duplikate"
  qint64 duplicates = 0;   // "Gefundene Duplikate"
  std::vector<ItemProblem> problems;
  bool cancelled = false;
};

// Walks each root (see chooseSearchRoots) for regular files matching the
// masks (";"-separated), then groups them by content.
DuplicateSearchResult searchDuplicates(const QStringList& roots, const QString& masks,
                                       const RunControl& control = {});

// Marks every file of every group except the reference file.
void markDuplicatesForDeletion(std::vector<DuplicateGroup>& groups);

struct TrashOutcome {
  QStringList trashed;
  std::vector<ItemProblem> skipped;  // changed, protected or failed
  bool cancelled = false;
};

// Moves the marked files to the trash. Each file must still be the file that
// was compared: same size and same change time, and the group's reference
// file must still be there unchanged; otherwise it is skipped and reported.
// Files inside the protected system folders are never deleted.
TrashOutcome deleteMarkedDuplicates(const std::vector<DuplicateGroup>& groups,
                                    const RunControl& control = {});

}  // namespace vantorim::garbage
