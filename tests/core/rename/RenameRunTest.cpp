// The rename run, its log and undo, and gathering, on real temporary folders.

#include "core/rename/GeneralRules.h"
#include "core/rename/Gathering.h"
#include "core/rename/RenameRun.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using namespace vantorim::rename;
using vantorim::test::readAll;
using vantorim::test::TempDir;

namespace {

bool exists(const QString& p) { return QFileInfo::exists(p); }

TEST(RenameRun, SameNewNameTwiceFailsSecondAndLogsOnlyFirst) {
  TempDir dir;
  const QString a = dir.write("a.txt", "A"), b = dir.write("b.txt", "B");
  const QString log = dir.path("log/Protokoll.txt");
  RunRequest req{{a, b}, {dir.path("same.txt"), dir.path("same.txt")}, TargetMode::Rename, log};
  int reported = 0;
  req.onFailure = [&](const RunFailure& f) {
    ++reported;
    EXPECT_EQ(f.oldPath, b);
  };
  const RunResult r = runRename(req);
  EXPECT_EQ(reported, 1);
  EXPECT_EQ(readAll(dir.path("same.txt")), "A");
  EXPECT_EQ(readAll(b), "B");
  EXPECT_TRUE(r.undoPossible);
  EXPECT_EQ(readAll(log), (a + "\r\n" + dir.path("same.txt") + "\r\n").toUtf8());
}

TEST(RenameRun, CopyWritesEmptyLogAndNoUndo) {
  TempDir dir;
  const QString a = dir.write("a.txt", "A");
  dir.write("dest/taken.txt", "old");
  const QString log = dir.write("Protokoll.txt", "previous\r\n");
  const RunResult r = runRename({{a, a}, {dir.path("dest/new.txt"), dir.path("dest/taken.txt")}, TargetMode::Copy, log});
  EXPECT_FALSE(r.undoPossible);
  EXPECT_EQ(r.done, 1);
  EXPECT_EQ(r.failures.size(), 1);
  EXPECT_EQ(readAll(dir.path("dest/taken.txt")), "old");  // never overwritten
  EXPECT_EQ(readAll(a), "A");
  EXPECT_EQ(QFileInfo(log).size(), 0);
}

TEST(RenameRun, MoveCreatesMissingSubfolders) {
  TempDir dir;
  const QString a = dir.write("src/sub/a.txt", "A");
  NameLists lists{{a}, {a}, dir.path("src/")};
  GeneralParams p;
  p.mode = GeneralMode::Case;
  p.caseKind = 2;
  RuleState state;
  ASSERT_EQ(applyGeneralRule(p, {TargetMode::Move, dir.path("dest")}, lists, state).message, Message::None);
  const RunResult r = runRename({lists.oldPaths, lists.newPaths, TargetMode::Move, dir.path("Protokoll.txt")});
  EXPECT_EQ(r.done, 1);
  EXPECT_EQ(readAll(dir.path("dest/sub/A.txt")), "A");
  EXPECT_FALSE(exists(a));

  const UndoResult u = undoRename(dir.path("Protokoll.txt"));
  EXPECT_EQ(u.restored, 1);
  EXPECT_EQ(readAll(a), "A");
}

TEST(RenameRun, UnchangedNamesAreNeitherRenamedNorFailures) {
  TempDir dir;
  const QString a = dir.write("a.txt", "A");
  const RunResult r = runRename({{a}, {a}, TargetMode::Rename, dir.path("log.txt")});
  EXPECT_EQ(r.unchanged, 1);
  EXPECT_TRUE(r.failures.isEmpty());
  EXPECT_TRUE(r.log.isEmpty());
}

TEST(RenameRun, UnwritableLogIsReportedAndNotUndoable) {
  TempDir dir;
  const QString a = dir.write("a.txt", "A");
  dir.write("blocker", "a file where the log folder should be");
  const RunResult r = runRename({{a}, {dir.path("b.txt")}, TargetMode::Rename, dir.path("blocker/Protokoll.txt")});
  EXPECT_EQ(r.done, 1);
  EXPECT_FALSE(r.logWritten);
  EXPECT_FALSE(r.logError.isEmpty());
  EXPECT_FALSE(r.undoPossible);
}

TEST(RenameRun, CancelStopsBetweenFiles) {
  TempDir dir;
  const QString a = dir.write("a", "A"), b = dir.write("b", "B");
  std::atomic_bool cancel = false;
  RunRequest req{{a, b}, {dir.path("x"), dir.path("y")}, TargetMode::Rename, dir.path("log.txt")};
  req.cancel = &cancel;
  req.onProgress = [&](qsizetype, qsizetype) { cancel = true; };
  const RunResult r = runRename(req);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(r.done, 1);
  EXPECT_TRUE(exists(b));
  EXPECT_EQ(r.log.size(), 2);  // what was done stays undoable
}

TEST(RenameRun, UniqueNamesOfTheTagLayer) {
  TempDir dir;
  const QString a = dir.write("a.mp3", "1"), b = dir.write("b.mp3", "2");
  dir.write("Song.mp3", "taken");
  const RunResult r = runRename({{a, b}, {dir.path("Song.mp3"), dir.path("Song.mp3")}, TargetMode::Rename,
                                 dir.path("log.txt"), true});
  EXPECT_EQ(r.done, 2);
  EXPECT_EQ(readAll(dir.path("Song_1.mp3")), "1");
  EXPECT_EQ(readAll(dir.path("Song_2.mp3")), "2");
}

TEST(RenameUndo, ThreeLineLogRestoresOnePair) {
  TempDir dir;
  const QString n1 = dir.write("n1", "1"), n2 = dir.write("n2", "2");
  const QString log = dir.write("log.txt", (dir.path("o1") + "\r\n" + n1 + "\r\n" + dir.path("o2") + "\r\n").toUtf8());
  const UndoResult u = undoRename(log);
  EXPECT_TRUE(u.logRead);
  EXPECT_EQ(u.restored, 1);
  EXPECT_EQ(readAll(dir.path("o1")), "1");
  EXPECT_TRUE(exists(n2));
  EXPECT_TRUE(exists(log));  // undo leaves the log as it is
}

TEST(RenameUndo, AcceptsLfAndCrLineEndsAndWindows1252) {
  TempDir dir;
  const QString n1 = dir.write("n1", "1");
  const QString n2 = dir.write(QString::fromUtf8("n\u00e42"), "2");
  QByteArray bytes = (dir.path("o1") + "\n" + n1 + "\r").toUtf8();
  bytes += dir.path("o").toUtf8() + "\xe4" + "2\r\n";  // 0xE4 is ä in Windows-1252
  bytes += dir.path("n").toUtf8() + "\xe4" + "2\r\n";
  const QString log = dir.write("log.txt", bytes);
  const UndoResult u = undoRename(log);
  EXPECT_EQ(u.restored, 2);
  EXPECT_EQ(readAll(dir.path("o1")), "1");
  EXPECT_EQ(readAll(dir.path(QString::fromUtf8("o\u00e42"))), "2");
  EXPECT_FALSE(exists(n2));
}

TEST(RenameUndo, OldNameTakenLeavesBothFiles) {
  TempDir dir;
  const QString n = dir.write("new", "moved"), o = dir.write("old", "someone else");
  const QString log = dir.write("log.txt", (o + "\r\n" + n + "\r\n").toUtf8());
  const UndoResult u = undoRename(log);
  EXPECT_EQ(u.restored, 0);
  EXPECT_EQ(u.failed, 1);
  EXPECT_EQ(readAll(n), "moved");
  EXPECT_EQ(readAll(o), "someone else");
}

TEST(RenameUndo, WithoutLogRenamesNothing) {
  TempDir dir;
  const UndoResult u = undoRename(dir.path("missing.txt"));
  EXPECT_FALSE(u.logRead);
  EXPECT_EQ(u.restored, 0);
}

TEST(RenameGather, MarkedItemsTakeFilesAndZipFolders) {
  GatherRequest req;
  req.marked = {{"/d/a.txt", false}, {"/d/folder", true}, {"/d/Pack.ZIP", true}, {"/d/b", false}};
  const GatherResult g = gatherFiles(req);
  ASSERT_TRUE(g.ok);
  EXPECT_EQ(g.lists.oldPaths, QStringList({"/d/a.txt", "/d/Pack.ZIP", "/d/b"}));
  EXPECT_EQ(g.lists.newPaths, g.lists.oldPaths);
  EXPECT_TRUE(g.lists.recursionRoot.isEmpty());
}

TEST(RenameGather, NothingMarked) {
  GatherRequest req;
  req.marked = {{"/d/folder", true}};
  EXPECT_EQ(gatherFiles(req).message, Message::NoFileMarked);
  req.previewActive = true;
  const GatherResult g = gatherFiles(req);
  EXPECT_TRUE(g.ok);
  EXPECT_TRUE(g.clearPreview);
  EXPECT_EQ(g.message, Message::None);
}

TEST(RenameGather, RecursivePatternsInOrderSkippingHiddenFolders) {
  TempDir dir;
  dir.write("a.mp3", "");
  dir.write("x.mp+", "");
  dir.write("sub/b.MP3", "");
  dir.write("sub/.hidden.mp3", "");
  dir.write(".dot/c.mp3", "");
  dir.write("sub/deep/y.mp+", "");
  GatherRequest req;
  req.source = GatherSource::Recursive;
  req.currentFolder = dir.path();
  req.patterns = splitFilePatterns("*.mp3|*.mp+");
  const GatherResult g = gatherFiles(req);
  ASSERT_TRUE(g.ok);
  EXPECT_EQ(g.lists.recursionRoot, dir.path() + "/");
  QStringList rel;
  for (const QString& p : g.lists.oldPaths) rel << p.mid(dir.path().size() + 1);
  const QStringList mp3 = rel.mid(0, 3), mpp = rel.mid(3);
  EXPECT_EQ(rel.size(), 5);
  EXPECT_TRUE(mp3.contains("a.mp3") && mp3.contains("sub/b.MP3") && mp3.contains("sub/.hidden.mp3")) << rel.join(",").toStdString();
  EXPECT_EQ(mpp, QStringList({"x.mp+", "sub/deep/y.mp+"}));

  req.patterns = {"*.none"};
  EXPECT_EQ(gatherFiles(req).message, Message::NoFileFound);
}

TEST(RenameGather, FileListSource) {
  GatherRequest req;
  req.source = GatherSource::FileList;
  const GatherResult detached = gatherFiles(req);
  EXPECT_FALSE(detached.ok);
  EXPECT_EQ(detached.message, Message::None);  // ends silently
  req.fileListAttached = true;
  EXPECT_EQ(gatherFiles(req).message, Message::NoFileFound);
  req.fileList = {"/d/2", "/d/1"};
  EXPECT_EQ(gatherFiles(req).lists.oldPaths, QStringList({"/d/2", "/d/1"}));
}

TEST(RenameGather, PatternsTargetAndRelativePaths) {
  EXPECT_EQ(splitFilePatterns("*.*"), QStringList({"*.*"}));
  EXPECT_EQ(splitFilePatterns("*.mp3|*.mp+"), QStringList({"*.mp3", "*.mp+"}));
  QString target;
  EXPECT_EQ(checkTarget({TargetMode::Rename, ""}, target), Message::None);
  EXPECT_EQ(checkTarget({TargetMode::Copy, ""}, target), Message::NoTargetDirectory);
  EXPECT_EQ(checkTarget({TargetMode::Move, "/x"}, target), Message::None);
  EXPECT_EQ(target, "/x/");
  EXPECT_EQ(relativePath("/r/a/b/", "/r/"), "a/b/");
  EXPECT_EQ(relativePath("/r/a/", ""), "");
}

TEST(RenameGather, DestinationStartFolderWalksUp) {
  TempDir dir;
  dir.mkdir("a");
  EXPECT_EQ(destinationStartFolder(dir.path("a/missing/deeper")), dir.path("a/"));
  EXPECT_EQ(destinationStartFolder(dir.path("a")), dir.path("a/"));
}

}  // namespace
