#include "core/garbage/EmptyFolders.h"
#include "core/garbage/FileGathering.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantorim::garbage;
using vantorim::test::TempDir;

namespace {
struct Tree {
  TempDir dir;
  QString root;
  Tree() {
    root = dir.path();
    dir.mkdir("a");
    dir.mkdir("b/c/d");
    dir.write("e/zero.txt", "");
    dir.write("e/f/.hidden-zero", "");
    dir.write("g/data.txt", "x");
    dir.mkdir("g/h");
    dir.write("k/.git/config", "[core]");  // a hidden folder with data
    dir.mkdir("l");
    QFile::link(root + "/g/data.txt", root + "/l/link");
    dir.write("m/n/o/p.txt", "y");
  }
  QStringList rel(const QStringList& l) const {
    QStringList out;
    for (const QString& s : l) out << root + '/' + s;
    return out;
  }
};
}  // namespace

TEST(EmptyFolders, RecursiveSizeZeroCountsAsEmpty) {
  Tree t;
  const EmptyFolderScan scan = findEmptyFolders(chooseSearchRoots({t.root}));
  EXPECT_EQ(scan.folders, t.rel({"a", "b", "b/c", "b/c/d", "e", "e/f", "g/h"}));
  EXPECT_EQ(scan.foldersFound, 14);
  EXPECT_EQ(scan.foldersTested, 14);
}

TEST(EmptyFolders, TrashedDeepestFirstWithRecheck) {
  Tree t;
  const EmptyFolderScan scan = findEmptyFolders({t.root + '/'});
  t.dir.write("a/new.txt", "arrived after the scan");
  const EmptyFolderDeletion del = deleteEmptyFolders(scan.folders);
  EXPECT_EQ(del.trashed, t.rel({"g/h", "e/f", "e", "b/c/d", "b/c", "b"}));
  ASSERT_EQ(del.skipped.size(), 1u);
  EXPECT_EQ(del.skipped[0].path, t.root + "/a");
  EXPECT_TRUE(QFileInfo::exists(t.root + "/a/new.txt"));
  EXPECT_FALSE(QFileInfo::exists(t.root + "/e"));
  EXPECT_TRUE(QFileInfo::exists(t.root + "/g/data.txt"));
  EXPECT_TRUE(QFileInfo::exists(t.root + "/k/.git/config"));
  EXPECT_TRUE(QFileInfo::exists(t.root));
}
