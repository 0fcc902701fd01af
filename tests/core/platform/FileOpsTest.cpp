#include "core/platform/FileOps.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace vantorim::platform;
using vantorim::test::TempDir;
using vantorim::test::readAll;

TEST(FileOps, RenameNeverReplacesAnExistingFile) {
  TempDir dir;
  const QString a = dir.write("a.txt", "A");
  const QString b = dir.write("b.txt", "B");
  EXPECT_FALSE(renameNoReplace(a, b));
  EXPECT_EQ(readAll(a), "A");
  EXPECT_EQ(readAll(b), "B");
  EXPECT_TRUE(renameNoReplace(a, dir.path("c.txt")));
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_EQ(readAll(dir.path("c.txt")), "A");
}

TEST(FileOps, RenameFolderRefusesTakenName) {
  TempDir dir;
  dir.mkdir("x");
  dir.mkdir("y");
  EXPECT_FALSE(renameNoReplace(dir.path("x"), dir.path("y")));
  EXPECT_TRUE(renameNoReplace(dir.path("x"), dir.path("z")));
  EXPECT_TRUE(QFileInfo(dir.path("z")).isDir());
}

TEST(FileOps, CopyNeverOverwrites) {
  TempDir dir;
  const QString a = dir.write("a.bin", QByteArray(3 << 20, 'x'));
  const QString b = dir.write("b.bin", "keep");
  EXPECT_FALSE(copyNoOverwrite(a, b));
  EXPECT_EQ(readAll(b), "keep");
  ASSERT_TRUE(copyNoOverwrite(a, dir.path("c.bin")));
  EXPECT_EQ(readAll(dir.path("c.bin")), readAll(a));
  EXPECT_EQ(QFileInfo(a).lastModified(), QFileInfo(dir.path("c.bin")).lastModified());
}

TEST(FileOps, TrashGoesToTheIsolatedDataFolder) {
  TempDir dir;
  const QString a = dir.write("gone.txt", "x");
  ASSERT_TRUE(moveToTrash(a));
  EXPECT_FALSE(QFileInfo::exists(a));
  const QString trash =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
  EXPECT_TRUE(QDir(trash).entryList(QDir::Files).contains("gone.txt"));
  EXPECT_FALSE(moveToTrash(a));
}
