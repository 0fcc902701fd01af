#include "core/platform/DirectoryWalker.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

#include <map>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vantorim::platform;
using vantorim::test::TempDir;

namespace {

std::map<QString, EntryKind> walkAll(const QString& root, WalkOptions options = {}) {
  std::map<QString, EntryKind> seen;
  DirectoryWalker walker(options);
  walker.onEntry = [&](const WalkEntry& e) {
    seen[e.path().mid(root.size() + 1)] = e.kind();
    return true;
  };
  walker.walk(root);
  return seen;
}

}  // namespace

TEST(DirectoryWalker, ReportsKindsAndNeverEntersLinkedFolders) {
  TempDir dir;
  dir.write("a.txt", "12345");
  dir.write("sub/b.txt", "");
  dir.write("sub/deeper/c.txt", "");
  ASSERT_EQ(::symlink(dir.path("sub").toUtf8().constData(), dir.path("link").toUtf8().constData()), 0);
  ASSERT_EQ(::mkfifo(dir.path("fifo").toUtf8().constData(), 0600), 0);

  const auto seen = walkAll(dir.path());
  const std::map<QString, EntryKind> expected = {
      {"a.txt", EntryKind::File},        {"sub", EntryKind::Folder},
      {"sub/b.txt", EntryKind::File},    {"sub/deeper", EntryKind::Folder},
      {"sub/deeper/c.txt", EntryKind::File}, {"link", EntryKind::Symlink},
      {"fifo", EntryKind::Other}};
  EXPECT_EQ(seen, expected);
}

TEST(DirectoryWalker, DepthLimitsFolderActionsAndLazyStat) {
  TempDir dir;
  dir.write("top.bin", QByteArray(4097, 'x'));
  dir.write("one/two/three.txt", "");
  dir.write("skip/hidden.txt", "");
  dir.write("onlysubs/own.txt", "");
  dir.write("onlysubs/inner/kept.txt", "");

  WalkOptions limited;
  limited.maxDepth = 1;
  auto seen = walkAll(dir.path(), limited);
  EXPECT_TRUE(seen.count("one/two"));
  EXPECT_FALSE(seen.count("one/two/three.txt"));

  DirectoryWalker walker;
  std::map<QString, int> depthOf;
  std::int64_t size = -1;
  walker.onFolder = [&](const QString& folder, int) {
    if (folder.endsWith("/skip/")) return FolderAction::Skip;
    if (folder.endsWith("/onlysubs/")) return FolderAction::SkipEntries;
    return FolderAction::Enter;
  };
  walker.onEntry = [&](const WalkEntry& e) {
    depthOf[e.name()] = e.depth();
    if (e.name() == "top.bin") size = e.size();
    return true;
  };
  EXPECT_TRUE(walker.walk(dir.path()));
  EXPECT_EQ(size, 4097);
  EXPECT_EQ(depthOf["top.bin"], 0);
  EXPECT_EQ(depthOf["three.txt"], 2);
  EXPECT_FALSE(depthOf.count("hidden.txt"));
  EXPECT_FALSE(depthOf.count("own.txt"));
  EXPECT_FALSE(depthOf.count("inner"));
  EXPECT_EQ(depthOf["kept.txt"], 2);
}

TEST(DirectoryWalker, UnreadableFolderIsReportedAndWalkGoesOn) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not apply to root";
  TempDir dir;
  dir.write("locked/x.txt", "");
  dir.write("open/y.txt", "");
  ::chmod(dir.path("locked").toUtf8().constData(), 0);
  DirectoryWalker walker;
  QStringList errors;
  int files = 0;
  walker.onError = [&](const QString& folder, const QString&) { errors << folder; };
  walker.onEntry = [&](const WalkEntry& e) { files += e.isFile(); return true; };
  walker.walk(dir.path());
  ::chmod(dir.path("locked").toUtf8().constData(), 0700);
  EXPECT_EQ(files, 1);
  EXPECT_EQ(errors, QStringList{dir.path("locked") + "/"});
}

TEST(DirectoryWalker, CancelStopsTheWalkAndMissingRootFails) {
  TempDir dir;
  for (int i = 0; i < 20; ++i) dir.write(QString("f%1").arg(i), "");
  std::atomic<bool> cancel{false};
  WalkOptions options;
  options.cancel = &cancel;
  DirectoryWalker walker(options);
  int count = 0;
  walker.onEntry = [&](const WalkEntry&) {
    if (++count == 3) cancel = true;
    return true;
  };
  EXPECT_FALSE(walker.walk(dir.path()));
  EXPECT_EQ(count, 3);

  DirectoryWalker missing;
  QString error;
  missing.onError = [&](const QString&, const QString& why) { error = why; };
  EXPECT_FALSE(missing.walk(dir.path("nope")));
  EXPECT_FALSE(error.isEmpty());
}
