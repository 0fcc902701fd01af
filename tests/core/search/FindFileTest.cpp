#include "core/platform/Attributes.h"
#include "core/search/FindFile.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

using namespace vantorim::search;
using vantorim::test::TempDir;

namespace {

// Runs a synchronous search and returns the reported paths relative to `root`, sorted.
QStringList find(const TSearchCriteria& criteria, const QString& root) {
  TFindFile engine;
  engine.Criteria = criteria;
  QStringList found;
  engine.OnFileMatch = [&](TFindFile&, const QString& folder, const TFileInfo& info) {
    EXPECT_EQ(folder + info.Name, info.Path);
    found << info.Path.mid(root.size() + 1);
  };
  engine.Execute();
  EXPECT_FALSE(engine.Busy());
  found.sort();
  return found;
}

TSearchCriteria named(const QString& masks, const QString& location) {
  TSearchCriteria c;
  c.Files.FileName = masks;
  c.Files.Location = location;
  c.Attribute.Attributes |= ffDirectory;
  return c;
}

void setModified(const QString& path, const QDateTime& when) {
  struct utimbuf t {};
  t.actime = t.modtime = time_t(when.toSecsSinceEpoch());
  ::utime(path.toUtf8().constData(), &t);
}

}  // namespace

TEST(FindFile, MasksAreSplitTrimmedAndAnEntryIsReportedOnce) {
  TempDir dir;
  dir.write("a.jpg", "");
  dir.write("b.JPEG", "");
  dir.write("c.png", "");
  dir.write("sub/d.jpg", "");
  EXPECT_EQ(find(named("*.jpg;*.jpeg", dir.path()), dir.path()), (QStringList{"a.jpg", "b.JPEG", "sub/d.jpg"}));
  EXPECT_EQ(find(named("*.jpg;;*.jpg", dir.path()), dir.path()), (QStringList{"a.jpg", "sub/d.jpg"}));
  // Two different masks matching the same file: reported once, not twice.
  EXPECT_EQ(find(named("a.*;*.jpg", dir.path()), dir.path()), (QStringList{"a.jpg", "sub/d.jpg"}));
  EXPECT_TRUE(find(named("", dir.path()), dir.path()).isEmpty());
  EXPECT_TRUE(find(named(" ; ", dir.path()), dir.path()).isEmpty());
}

TEST(FindFile, LocationPrefixesOverrideSubfoldersAndLevelsLimitDepth) {
  TempDir dir;
  dir.write("one/top.txt", "");
  dir.write("one/in/deep.txt", "");
  dir.write("two/top.txt", "");
  dir.write("two/in/deep.txt", "");
  dir.write("two/in/more/deepest.txt", "");

  TSearchCriteria c = named("*.txt", "<" + dir.path("one") + " ; >" + dir.path("two"));
  c.Files.Subfolders = true;
  EXPECT_EQ(find(c, dir.path()), (QStringList{"one/top.txt", "two/in/deep.txt", "two/in/more/deepest.txt", "two/top.txt"}));
  c.Files.Subfolders = false;
  EXPECT_EQ(find(c, dir.path()), (QStringList{"one/top.txt", "two/in/deep.txt", "two/in/more/deepest.txt", "two/top.txt"}));

  TSearchCriteria levels = named("*.txt", dir.path("two"));
  levels.Files.MinLevel = 2;
  levels.Files.MaxLevel = 2;
  EXPECT_EQ(find(levels, dir.path()), QStringList{"two/in/deep.txt"});

  // A folder named twice keeps one target: masks add up, the later prefix wins.
  TSearchCriteria twice;
  twice.Files.FileName = "*.none";
  twice.Files.Location = dir.path("two") + ";<" + dir.path("two") + "/";
  twice.Files.Included = {">" + dir.path("two") + "/*.txt"};
  EXPECT_EQ(find(twice, dir.path()), QStringList{"two/top.txt"});
}

TEST(FindFile, AttributeSetsWithAndWithoutFolders) {
  TempDir dir;
  dir.write("plain.txt", "");
  dir.write(".dotted", "");
  dir.mkdir("folder");
  const QString ro = dir.write("locked.txt", "");
  ASSERT_TRUE(vantorim::platform::setAttribute(ro, vantorim::platform::AttrReadOnly, true));

  TSearchCriteria c;
  c.Files.FileName = "*";
  c.Files.Location = dir.path();
  EXPECT_EQ(find(c, dir.path()), (QStringList{".dotted", "locked.txt", "plain.txt"}));
  c.Attribute.Attributes |= ffDirectory;
  EXPECT_EQ(find(c, dir.path()), (QStringList{".dotted", "folder", "locked.txt", "plain.txt"}));

  // Only "folder" as in the search panel's start settings: folders and plain files.
  c.Attribute.Attributes = ffDirectory;
  EXPECT_EQ(find(c, dir.path()), (QStringList{"folder", "plain.txt"}));

  c.Attribute.ExactMatch = true;
  c.Attribute.Attributes = ffReadonly;
  EXPECT_EQ(find(c, dir.path()), QStringList{"locked.txt"});
  c.Attribute.Attributes = ffDirectory;
  EXPECT_EQ(find(c, dir.path()), QStringList{"folder"});
  c.Attribute.Attributes = 0;
  EXPECT_EQ(find(c, dir.path()), QStringList{"plain.txt"});
}

TEST(FindFile, TimeBoundsWithDateOnlyTimeOnlyAndFullForms) {
  TempDir dir;
  const QDate day(2024, 5, 10);
  setModified(dir.write("before.txt", ""), QDateTime(day.addDays(-1), QTime(23, 59)));
  setModified(dir.write("morning.txt", ""), QDateTime(day, QTime(0, 1)));
  setModified(dir.write("evening.txt", ""), QDateTime(day, QTime(20, 0)));
  setModified(dir.write("later.txt", ""), QDateTime(day.addDays(3), QTime(6, 0)));

  TSearchCriteria c = named("*.txt", dir.path());
  c.TimeStamp.ModifiedAfter = dateNumber(day);
  EXPECT_EQ(find(c, dir.path()), (QStringList{"evening.txt", "later.txt", "morning.txt"}));
  c.TimeStamp.ModifiedBefore = dateNumber(day);
  EXPECT_EQ(find(c, dir.path()), (QStringList{"evening.txt", "morning.txt"}));

  TSearchCriteria times = named("*.txt", dir.path());
  times.TimeStamp.ModifiedAfter = timeNumber(QTime(6, 0));
  times.TimeStamp.ModifiedBefore = timeNumber(QTime(21, 0));
  EXPECT_EQ(find(times, dir.path()), (QStringList{"evening.txt", "later.txt"}));

  TSearchCriteria full = named("*.txt", dir.path());
  full.TimeStamp.ModifiedAfter = dateTimeNumber(QDateTime(day, QTime(12, 0)));
  EXPECT_EQ(find(full, dir.path()), (QStringList{"evening.txt", "later.txt"}));
}

TEST(FindFile, SizeBoundsAreInclusiveAndSixtyFourBit) {
  TempDir dir;
  dir.write("small", QByteArray(10239, 'x'));
  dir.write("exact", QByteArray(10240, 'x'));
  const QString huge = dir.path("huge");
  {
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(qint64(5) << 30));  // sparse, 5 GiB
  }
  TSearchCriteria c = named("*", dir.path());
  c.Size.Min = 10240;
  EXPECT_EQ(find(c, dir.path()), (QStringList{"exact", "huge"}));
  c.Size.Max = std::uint64_t(4) << 30;
  EXPECT_EQ(find(c, dir.path()), QStringList{"exact"});
}

TEST(FindFile, ContentWithIgnoreCaseNeverReportsFoldersOrSpecialFiles) {
  TempDir dir;
  dir.write("upper.txt", "xx ABC xx");
  dir.write("lower.txt", "abcdef");
  dir.write("none.txt", "ab c");
  dir.mkdir("abc");
  ::mkfifo(dir.path("abc.fifo").toUtf8().constData(), 0600);
  for (int threads : {1, 3}) {
    TFindFile engine;
    engine.ContentThreads = threads;
    QStringList found;
    engine.Criteria = named("*", dir.path());
    engine.Criteria.Attribute.Attributes = ffDirectory | ffArchive | ffHidden | ffReadonly | ffSystem;
    engine.Criteria.Content.Phrase = "abc";
    engine.OnFileMatch = [&](TFindFile&, const QString&, const TFileInfo& i) { found << i.Name; };
    engine.Execute();
    found.sort();
    EXPECT_EQ(found, (QStringList{"lower.txt", "upper.txt"})) << threads << " threads";
    engine.Criteria.Content.IgnoreCase = false;
    engine.Criteria.Content.WholeWord = true;
    found.clear();
    engine.Execute();
    EXPECT_TRUE(found.isEmpty());
    engine.Criteria.Content.Phrase = "ABC";
    engine.Execute();
    EXPECT_EQ(found, QStringList{"upper.txt"});
  }
}

TEST(FindFile, ExcludedMasksWithFolderAndNameParts) {
  TempDir dir;
  dir.write("keep.txt", "");
  dir.write("skip.tmp", "");
  dir.write("build/out.txt", "");
  dir.write("rebuild/out.txt", "");
  dir.write("src/build/gen.txt", "");
  TSearchCriteria c = named("*.t*", dir.path());
  c.Files.Excluded = {"*.tmp", "build/"};
  EXPECT_EQ(find(c, dir.path()), (QStringList{"keep.txt", "rebuild/out.txt"}));
  c.Files.Excluded = {dir.path("build") + "/*.txt"};  // on this volume, in that folder
  EXPECT_EQ(find(c, dir.path()), (QStringList{"keep.txt", "rebuild/out.txt", "skip.tmp", "src/build/gen.txt"}));
  c.Files.Excluded = {"*/src/build/*"};
  EXPECT_EQ(find(c, dir.path()), (QStringList{"build/out.txt", "keep.txt", "rebuild/out.txt", "skip.tmp"}));
}

TEST(FindFile, FolderChangeCanSkipFilesOrSubfolders) {
  TempDir dir;
  dir.write("a/own.txt", "");
  dir.write("a/b/below.txt", "");
  dir.write("c/own.txt", "");
  dir.write("c/d/below.txt", "");
  TFindFile engine;
  engine.Criteria = named("*.txt", dir.path());
  QStringList found;
  engine.OnFolderChange = [](TFindFile&, const QString& folder, TFolderIgnore& ignore) {
    if (folder.endsWith("/a/")) ignore = TFolderIgnore::fiJustThis;
    if (folder.endsWith("/c/")) ignore = TFolderIgnore::fiJustSubfolders;
  };
  engine.OnFileMatch = [&](TFindFile&, const QString&, const TFileInfo& i) { found << i.Path.mid(dir.path().size() + 1); };
  engine.Execute();
  found.sort();
  EXPECT_EQ(found, (QStringList{"a/b/below.txt", "c/own.txt"}));
  EXPECT_EQ(engine.FoldersSearched(), 4u);  // root, a, a/b, c
}

TEST(FindFile, ThreadedSearchHandsResultsOverInBatchesBeforeFinishing) {
  TempDir dir;
  for (int i = 0; i < 600; ++i) dir.write(QString("f/%1/file%2.dat").arg(i % 7).arg(i), "");
  TFindFile engine;
  engine.Threaded = true;
  engine.Criteria = named("*.dat", dir.path());
  QStringList received;
  bool finishedAfterAll = false;
  Qt::HANDLE receiverThread = nullptr;
  QObject::connect(&engine, &TFindFile::filesFound, [&](const QList<TFileInfo>& batch) {
    receiverThread = QThread::currentThreadId();
    for (const TFileInfo& i : batch) received << i.Name;
  });
  QObject::connect(&engine, &TFindFile::searchFinished, [&](bool aborted) {
    finishedAfterAll = !aborted && received.size() == 600;
  });
  engine.Execute();
  EXPECT_TRUE(engine.Busy());
  while (engine.Busy()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_TRUE(finishedAfterAll);
  EXPECT_EQ(receiverThread, QThread::currentThreadId());
  EXPECT_EQ(received.removeDuplicates(), 0);
  EXPECT_EQ(engine.FilesFound(), 600u);
}

TEST(FindFile, AbortOfAThreadedSearchReturnsAfterTheWorkerStopped) {
  TempDir dir;
  for (int i = 0; i < 50; ++i) dir.write(QString("d%1/x.txt").arg(i), "");
  TFindFile engine;
  engine.Threaded = true;
  engine.Criteria = named("*", dir.path());
  std::atomic<bool> inHandler{false};
  std::atomic<int> calls{0};
  bool finished = false;
  engine.OnFileMatch = [&](TFindFile&, const QString&, const TFileInfo&) {
    inHandler = true;
    ++calls;
    QThread::msleep(20);  // a slow receiver keeps the worker busy
    inHandler = false;
  };
  engine.OnSearchFinish = [&](TFindFile&) { finished = true; };
  engine.Execute();
  while (calls.load() == 0) QThread::msleep(1);
  engine.Abort();
  EXPECT_FALSE(inHandler.load());
  EXPECT_FALSE(engine.Busy());
  EXPECT_TRUE(engine.Aborted());
  EXPECT_TRUE(finished);
  const int after = calls.load();
  QCoreApplication::processEvents();
  QThread::msleep(50);
  EXPECT_EQ(calls.load(), after);
  EXPECT_LT(after, 100);
}

TEST(FindFile, DetailsAndMissingLocationError) {
  TempDir dir;
  dir.write("f.bin", QByteArray(1234, 'x'));
  TFindFile engine;
  engine.Criteria = named("*.bin", dir.path() + ";" + dir.path("missing"));
  TFileInfo got;
  engine.OnFileMatch = [&](TFindFile&, const QString&, const TFileInfo& i) { got = i; };
  engine.Execute();
  EXPECT_EQ(got.Size, 1234);
  EXPECT_TRUE(got.LastWrite.isValid());
  EXPECT_NE(got.Inode, 0u);
  EXPECT_EQ(got.Level, 1);
  ASSERT_EQ(engine.Errors().size(), 1);
  EXPECT_TRUE(engine.Errors().first().startsWith(dir.path("missing")));
}
