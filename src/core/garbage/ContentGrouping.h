#pragma once
// Grouping of files by identical content. The result equals what a full
// byte-by-byte comparison of every pair would give, but each file is read at
// most once and only as far as needed to tell it apart from the others of its
// size: first the first and the last block, then the rest block by block for
// all remaining candidates at once. A fast hash only finds equal blocks
// quickly; the bytes always decide.

#include "core/garbage/RunControl.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace vantorim::garbage {

// A file as found by the walk. `device` and `inode` identify the file itself:
// several hard links to one file are one file. `changeTimeNs` is kept so that
// the file can be checked for changes before it is deleted.
struct FileRecord {
  QString path;
  qint64 size = -1;
  quint64 device = 0;
  quint64 inode = 0;  // 0 when unknown: the path then identifies the file
  qint64 changeTimeNs = 0;
};

// Files with identical content, ordered by path; at least two distinct files.
struct ContentGroup {
  qint64 size = 0;
  std::vector<FileRecord> files;
};

struct GroupingStats {
  qint64 candidates = 0;  // distinct files that share their size with another
  qint64 duplicates = 0;  // files beyond the first of each group
  qint64 bytesRead = 0;
};

struct GroupingResult {
  std::vector<ContentGroup> groups;  // by size ascending, then by first path
  GroupingStats stats;
  std::vector<ItemProblem> problems;  // files that could not be read (left out)
  bool cancelled = false;
};

// Groups `files` by content. Paths are compared without regard to case for the
// order, as a user expects in lists.
GroupingResult groupIdenticalFiles(std::vector<FileRecord> files, const RunControl& control = {});

// Path order used for the members of a group: case-insensitive, then exact.
bool pathLess(const QString& a, const QString& b);

// Compares two files by content, streaming both in blocks.
class TFileCompare {
public:
  void setFirst(const QString& path) { m_first = path; }
  void setSecond(const QString& path) { m_second = path; }
  // True when both files exist, can be read and hold the same bytes.
  bool compare() const;

private:
  QString m_first;
  QString m_second;
};

}  // namespace vantorim::garbage
