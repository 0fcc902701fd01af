#include "core/garbage/JpegTester.h"

#include "core/garbage/FileGathering.h"
#include "core/garbage/JpegSegments.h"
#include "core/garbage/UndoRecord.h"
#include "core/platform/DirectoryWalker.h"
#include "core/platform/FileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace vantorim::garbage {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("vantorim::garbage", text); }

QString withSlash(const QString& folder) {
  return folder.endsWith('/') ? folder : folder + '/';
}

// Intact, damaged, or (empty) not readable.
std::optional<bool> jpegComplete(const QString& path, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.errorString();
    return std::nullopt;
  }
  return findImageEnd(f, f.size()).has_value();
}

}  // namespace

bool IsJpegComplete(const QString& path) { return jpegComplete(path, nullptr).value_or(false); }

QString damagedFilesFolder(const QString& targetFolder, const QString& workingDirectory,
                           app::TLanguage language) {
  const QString base = targetFolder.isEmpty() ? workingDirectory : targetFolder;
  return withSlash(base) + (language == app::lgEnglish ? "Invalid" : "Defekt") + '/';
}

QString damagedFileName(const QString& fileName, int number, qint64 totalFiles,
                        app::TLanguage language) {
  const int digits = static_cast<int>(QString::number(std::max<qint64>(totalFiles, 1)).size());
  return QString(language == app::lgEnglish ? "Invalid" : "Defekt") +
         QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0')) + '_' + fileName;
}

QStringList collectJpegFiles(const QStringList& paths, const RunControl& control) {
  QStringList files;
  for (const QString& p : paths) {
    if (platform::statPath(p).kind == platform::EntryKind::Folder) {
      QStringList found;
      const bool finished = gatherBelow(p, kJpegMasks, GatherWhat::Files, control,
                                        [&](const FoundEntry& e) {
                                          if (e.kind != FoundEntry::Kind::File) return;
                                          found << e.path;
                                          if (found.size() % 250 == 0)
                                            control.report(RunStage::GatherFiles,
                                                           files.size() + found.size(), 0);
                                        });
      std::sort(found.begin(), found.end());
      files << found;
      if (!finished) break;
    } else {
      files << p;
    }
  }
  control.report(RunStage::GatherFiles, files.size(), files.size());
  return files;
}

JpegTestResult TestJpegFiles(const QStringList& files, const JpegTestOptions& options,
                             const RunControl& control) {
  JpegTestResult result;
  result.damagedFolder =
      damagedFilesFolder(options.targetFolder, options.workingDirectory, options.language);
  const bool move = options.mode == JpegTestOptions::Mode::Move;
  QStringList undoLines;
  int number = 0;
  for (const QString& path : files) {
    if (control.cancelled()) {
      result.cancelled = true;
      break;
    }
    QString error;
    const std::optional<bool> complete = jpegComplete(path, &error);
    ++result.tested;
    control.report(RunStage::TestJpegs, result.tested, files.size(), path);
    if (!complete) {
      result.problems.push_back({path, error});
      continue;
    }
    if (*complete) continue;
    const QString target = result.damagedFolder +
                           damagedFileName(QFileInfo(path).fileName(), ++number, files.size(),
                                           options.language);
    platform::OpResult r = platform::makePath(result.damagedFolder);
    if (r) r = move ? platform::renameNoReplace(path, target) : platform::copyNoOverwrite(path, target);
    if (!r) {
      // A move that failed is not written down: undo must never move a file
      // that only happens to bear the target name.
      result.problems.push_back({path, r.error});
      result.damaged.emplace_back(path, QString());
      continue;
    }
    result.damaged.emplace_back(path, target);
    if (move) undoLines << path << target;
  }
  const QString record = withSlash(options.workingDirectory) + options.protocolFile;
  const platform::OpResult written = writeUndoRecord(record, undoLines);
  if (!written) result.undoRecordError = written.error;
  result.undoPossible = move && written.ok;
  return result;
}

UndoMoveResult UndoMove(const QString& workingDirectory, const QString& protocolFile) {
  UndoMoveResult result;
  const auto lines = readUndoRecord(withSlash(workingDirectory) + protocolFile);
  if (!lines) {
    result.recordMissing = true;
    return result;
  }
  for (qsizetype k = 0; k + 1 < lines->size(); k += 2) {
    const QString& before = (*lines)[k];
    const QString& after = (*lines)[k + 1];
    platform::OpResult r = platform::makePath(QFileInfo(before).absolutePath());
    if (r) r = platform::renameNoReplace(after, before);
    if (r)
      result.restored << before;
    else
      result.failed.push_back({after, r.error});
  }
  return result;
}

namespace {

bool copyRange(QIODevice& from, qint64 offset, qint64 len, QIODevice& to) {
  if (!from.seek(offset)) return false;
  QByteArray buf(64 * 1024, Qt::Uninitialized);
  while (len > 0) {
    const qint64 n = from.read(buf.data(), std::min<qint64>(len, buf.size()));
    if (n <= 0 || to.write(buf.constData(), n) != n) return false;
    len -= n;
  }
  return true;
}

// Writes the file without the segment into the scratch file, then puts the
// scratch content in place through a temporary file in the JPEG's own folder.
bool removeSegment(const QString& path, const QString& scratchPath, const JpegSegment& seg,
                   qint64 size, QString* error) {
  {
    QFile in(path);
    QFile scratch(scratchPath);
    if (!in.open(QIODevice::ReadOnly)) return *error = in.errorString(), false;
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return *error = scratch.errorString(), false;
    if (!copyRange(in, 0, seg.offset, scratch) ||
        !copyRange(in, seg.offset + seg.total(), size - seg.offset - seg.total(), scratch) ||
        !scratch.flush())
      return *error = tr("the scratch file could not be written"), false;
  }
  QFile scratch(scratchPath);
  QSaveFile out(path);
  if (!scratch.open(QIODevice::ReadOnly)) return *error = scratch.errorString(), false;
  if (!out.open(QIODevice::WriteOnly)) return *error = out.errorString(), false;
  if (!copyRange(scratch, 0, scratch.size(), out)) {
    out.cancelWriting();
    return *error = tr("the reduced file could not be written"), false;
  }
  if (!out.commit()) return *error = out.errorString(), false;
  return true;
}

qint64 removeSegments(const QString& path, const QString& scratchPath,
                      std::initializer_list<quint8> markers, bool repeat, QString* error) {
  qint64 saved = 0;
  for (;;) {
    JpegSegment seg;
    qint64 size = 0;
    {
      QFile f(path);
      if (!f.open(QIODevice::ReadOnly)) return *error = f.errorString(), -1;
      size = f.size();
      if (findSegment(f, size, markers, &seg) != SegmentScan::Found) return saved;
    }
    if (!removeSegment(path, scratchPath, seg, size, error)) return -1;
    saved += seg.total();
    if (!repeat) return saved;
  }
}

}  // namespace

qint64 removeApplicationSegments(const QString& path, const QString& scratchPath, QString* error) {
  QString e;
  return removeSegments(path, scratchPath, kApplicationMarkers, true, error ? error : &e);
}

qint64 removeCommentSegment(const QString& path, const QString& scratchPath, QString* error) {
  QString e;
  return removeSegments(path, scratchPath, {kCommentMarker}, false, error ? error : &e);
}

qint64 cutTrailingData(const QString& path, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadWrite)) {
    if (error) *error = f.errorString();
    return -1;
  }
  const qint64 size = f.size();
  const std::optional<qint64> end = findImageEnd(f, size);
  if (!end || *end >= size) return 0;
  // Cutting the length is one step: the file is whole before and after it.
  if (!f.resize(*end)) {
    if (error) *error = f.errorString();
    return -1;
  }
  return size - *end;
}

JpegReduceResult ReduceJpegFiles(const QStringList& files, const JpegReduceOptions& options,
                                 const RunControl& control) {
  JpegReduceResult result;
  using R = JpegReduceResult::Refusal;
  if (!options.applicationSegments && !options.comments && !options.trailingData) {
    result.refusal = R::NothingChosen;
    return result;
  }
  if (options.reduceCopies && options.targetFolder.isEmpty()) {
    result.refusal = R::NoTargetFolder;
    return result;
  }
  const QString scratch = withSlash(options.workingDirectory) + kScratchFileName;
  {
    QDir().mkpath(options.workingDirectory);
    QFile f(scratch);
    if (!f.exists() && !f.open(QIODevice::WriteOnly)) {
      result.refusal = R::NoScratchFile;
      result.problems.push_back({scratch, f.errorString()});
      return result;
    }
  }
  for (const QString& source : files) {
    if (control.cancelled()) {
      result.cancelled = true;
      break;
    }
    QString path = source;
    if (options.reduceCopies) {
      path = withSlash(options.targetFolder) + QFileInfo(source).fileName();
      platform::OpResult r = platform::makePath(options.targetFolder);
      if (r) r = platform::copyNoOverwrite(source, path);
      // A copy refused because the name is taken leaves that file, which is
      // then the one reduced.
      if (!r && !QFileInfo(path).isFile()) {
        result.problems.push_back({source, r.error});
        continue;
      }
    }
    qint64 saved = 0;
    QString error;
    bool failed = false;
    const auto step = [&](qint64 n) {
      if (n < 0) failed = true;
      else saved += n;
    };
    if (options.applicationSegments) step(removeApplicationSegments(path, scratch, &error));
    if (!failed && options.comments) step(removeCommentSegment(path, scratch, &error));
    if (!failed && options.trailingData) step(cutTrailingData(path, &error));
    if (failed) result.problems.push_back({path, error});
    result.savings += saved;
    result.reduced.emplace_back(path, saved);
    ++result.done;
    control.report(RunStage::ReduceJpegs, result.done, files.size(), path);
  }
  return result;
}

}  // namespace vantorim::garbage
