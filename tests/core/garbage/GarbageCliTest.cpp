#include "support/TestEnvironment.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

using vantorim::test::TempDir;
using vantorim::test::readAll;

namespace {

using vantorim::test::CliRun;
const auto cli = vantorim::test::runCli;


}  // namespace

TEST(GarbageCli, DupesPrintsGroupsAndTrashesCopies) {
  TempDir dir;
  const QString a = dir.write("x/a", "twin"), b = dir.write("y/b", "twin");
  dir.write("y/c", "solo!");
  CliRun r = cli({"dupes", dir.path("y"), dir.path(), "--json"});
  EXPECT_EQ(r.rc, 0);
  const QJsonArray groups = r.json()["groups"].toArray();
  ASSERT_EQ(groups.size(), 1);
  EXPECT_EQ(groups[0].toObject()["files"].toArray(), QJsonArray({a, b}));

  r = cli({"dupes", dir.path()});
  EXPECT_EQ(r.out, (a + "\n" + b + "\n").toUtf8());

  r = cli({"dupes", dir.path(), "--trash-copies"});
  EXPECT_EQ(r.rc, 0);
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_FALSE(QFileInfo::exists(b));
  EXPECT_EQ(cli({"dupes", dir.path()}).rc, 1);
  EXPECT_EQ(cli({"dupes", dir.path("missing")}).rc, 2);
}

TEST(GarbageCli, EmptyFoldersTrash) {
  TempDir dir;
  dir.mkdir("e/f");
  dir.write("k/data", "x");
  CliRun r = cli({"empty-folders", dir.path(), "--trash", "--json"});
  EXPECT_EQ(r.rc, 0);
  EXPECT_EQ(r.json()["emptyFolders"].toArray(), QJsonArray({dir.path("e"), dir.path("e/f")}));
  EXPECT_FALSE(QFileInfo::exists(dir.path("e")));
  EXPECT_TRUE(QFileInfo::exists(dir.path("k/data")));
}

TEST(GarbageCli, JpegTestMoveAndUndo) {
  TempDir dir;
  const QString bad = dir.write("pics/bad.jpg", QByteArray(20, 'x'));
  QByteArray good(1000, 'g');
  good[998] = '\xFF';
  good[999] = '\xD9';
  dir.write("pics/good.jpg", good);
  const QString work = dir.mkdir("work");
  CliRun r = cli({"jpegtest", dir.path("pics"), "--move-to", dir.path("out"), "--work-dir", work, "--json"});
  EXPECT_EQ(r.rc, 0);
  EXPECT_TRUE(r.json()["undoPossible"].toBool());
  EXPECT_TRUE(QFileInfo::exists(dir.path("out/Defekt/Defekt1_bad.jpg")));
  EXPECT_FALSE(QFileInfo::exists(bad));
  EXPECT_EQ(cli({"jpegtest", "--undo", "--work-dir", work}).rc, 0);
  EXPECT_TRUE(QFileInfo::exists(bad));
  EXPECT_EQ(cli({"jpegtest", dir.path("pics/good.jpg")}).rc, 1);
}

TEST(GarbageCli, JpegSlimNeedsAChoiceAndCutsTrailingData) {
  TempDir dir;
  QByteArray bytes(1000, 'g');
  bytes[898] = '\xFF';
  bytes[899] = '\xD9';
  const QString path = dir.write("p.jpg", bytes);
  const QString work = dir.mkdir("work");
  EXPECT_EQ(cli({"jpegslim", path, "--work-dir", work}).rc, 2);
  EXPECT_EQ(readAll(path), bytes);
  const CliRun r = cli({"jpegslim", path, "--trailing", "--work-dir", work, "--json"});
  EXPECT_EQ(r.rc, 0);
  EXPECT_EQ(r.json()["savings"].toInt(), 100);
  EXPECT_EQ(readAll(path), bytes.left(900));
}
