#pragma once
// The rename run over built name lists, its operation log and the undo that
// reads the log back.

#include "core/rename/Gathering.h"
#include "core/rename/RenameMessages.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace vantorim::rename {

struct RunFailure {
  QString oldPath;
  QString newPath;
  QString reason;  // system reason, for logs and the command line
};

struct RunRequest {
  QStringList oldPaths;
  QStringList newPaths;        // same length as oldPaths
  TargetMode mode = TargetMode::Rename;
  QString logPath;             // replaced whole at the end of the run
  bool makeNamesUnique = false; // MP3 layer: "_1", "_2", ... before the extension when taken
  std::function<void(const RunFailure&)> onFailure;  // each failed file, as it happens
  std::function<void(qsizetype done, qsizetype total)> onProgress;
  const std::atomic_bool* cancel = nullptr;  // polled between files
};

struct RunResult {
  QStringList log;             // old path, new path, ... of every rename that succeeded
  QList<RunFailure> failures;
  qsizetype done = 0;          // files renamed, moved or copied
  qsizetype unchanged = 0;     // entries whose new path equals the old one
  bool cancelled = false;
  bool logWritten = false;
  QString logError;            // why the log could not be written
  // OnRename's argument: rename and move runs whose log was written.
  bool undoPossible = false;
};

RunResult runRename(const RunRequest& request);

struct UndoResult {
  bool logRead = false;
  qsizetype restored = 0;
  qsizetype failed = 0;        // silent by design; counted for the command line
};

// Renames every logged new path back to its old path, pair by pair from the
// top; a trailing unpaired line is ignored. Never replaces a file: when a file
// already bears the old name, both stay as they are.
UndoResult undoRename(const QString& logPath);

// Reads the lines of a log (CR LF, LF or CR; non-UTF-8 as Windows-1252).
bool readLog(const QString& logPath, QStringList& lines);
// Writes the lines, each ended by CR LF, as UTF-8; an empty list gives an empty file.
bool writeLog(const QString& logPath, const QStringList& lines, QString* error = nullptr);

}  // namespace vantorim::rename
