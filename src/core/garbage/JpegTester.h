#pragma once
// The JPEG tester: finds damaged JPEG files (no end-of-image marker in their
// last quarter) and copies or moves them into a folder for damaged files,
// with an undo record for moves; and makes JPEG files smaller by removing
// application segments, a comment and data after the end of the image.

#include "core/app/Settings.h"
#include "core/garbage/RunControl.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace vantorim::garbage {

// The damage test: false for a damaged file, and for a file that cannot be read.
bool IsJpegComplete(const QString& path);

// Target folder (or the working directory when it is empty) + "Defekt/" or "Invalid/".
QString damagedFilesFolder(const QString& targetFolder, const QString& workingDirectory,
                           app::TLanguage language);

// "Defekt" + running number padded to the digits of `totalFiles` + "_" + name.
QString damagedFileName(const QString& fileName, int number, qint64 totalFiles,
                        app::TLanguage language);

// Masks of the recursive collection of JPEG files.
inline const QString kJpegMasks = QStringLiteral("*.jpg;*.jpeg");

// Files to work on: given files as they are, folders walked for kJpegMasks.
QStringList collectJpegFiles(const QStringList& paths, const RunControl& control = {});

struct JpegTestOptions {
  enum class Mode { Copy, Move };
  Mode mode = Mode::Copy;
  QString targetFolder;      // empty: the working directory
  QString workingDirectory;  // holds the undo record
  QString protocolFile = QStringLiteral("Protokoll.txt");
  app::TLanguage language = app::lgGerman;
};

struct JpegTestResult {
  qint64 tested = 0;
  QString damagedFolder;
  // Damaged files and where they went (empty target when the copy or move failed).
  std::vector<std::pair<QString, QString>> damaged;
  std::vector<ItemProblem> problems;
  bool undoPossible = false;  // move mode with the undo record written
  QString undoRecordError;    // the undo record could not be written
  bool cancelled = false;
};

// Tests the files in order; damaged ones are copied (never overwriting) or
// moved (never replacing) into the damaged-files folder. Moves that succeed
// are written to the undo record as pairs of lines (old path, new path); a
// copy run writes the record empty.
JpegTestResult TestJpegFiles(const QStringList& files, const JpegTestOptions& options,
                             const RunControl& control = {});

struct UndoMoveResult {
  QStringList restored;
  std::vector<ItemProblem> failed;
  bool recordMissing = false;
};

// Moves every file of the undo record back, first pair first; failures are
// reported and the next pair is taken.
UndoMoveResult UndoMove(const QString& workingDirectory,
                        const QString& protocolFile = QStringLiteral("Protokoll.txt"));

struct JpegReduceOptions {
  bool applicationSegments = false;  // "Einträge von Grafikprogrammen entfernen"
  bool comments = false;             // "Kommentare entfernen"
  bool trailingData = false;         // "Angehängte Einträge entfernen"
  bool reduceCopies = false;         // "Kopien verkleinern"
  QString targetFolder;              // for the copies
  QString workingDirectory;          // holds the scratch file
};

inline const QString kScratchFileName = QStringLiteral("ZSpeicher.kvd");

struct JpegReduceResult {
  enum class Refusal { None, NothingChosen, NoTargetFolder, NoScratchFile };
  Refusal refusal = Refusal::None;
  qint64 savings = 0;  // bytes removed in total ("Aktuelle Einsparung [Byte]")
  qint64 done = 0;
  std::vector<std::pair<QString, qint64>> reduced;  // worked-on file and its savings
  std::vector<ItemProblem> problems;
  bool cancelled = false;
};

// Checks the options, then reduces each file (or its copy in the target
// folder). Every removal writes the remaining bytes to the scratch file and
// puts them in place by a rename within the file's folder, so an interruption
// leaves either the old or the new file.
JpegReduceResult ReduceJpegFiles(const QStringList& files, const JpegReduceOptions& options,
                                 const RunControl& control = {});

// The single steps on one file, each returning the bytes saved (0 for no
// change, −1 on failure with `error` set).
qint64 removeApplicationSegments(const QString& path, const QString& scratchPath, QString* error);
qint64 removeCommentSegment(const QString& path, const QString& scratchPath, QString* error);
qint64 cutTrailingData(const QString& path, QString* error);

}  // namespace vantorim::garbage
