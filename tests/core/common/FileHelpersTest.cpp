#include "core/common/FileHelpers.h"
#include "core/common/TextFile.h"
#include "core/platform/Attributes.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vantorim::common;
using vantorim::platform::AttrSystem;
using vantorim::platform::setAttribute;
using vantorim::test::TempDir;

TEST(UniqueFileName, CountsUpPastTakenNames) {
  TempDir dir;
  const QString a = dir.mkdir("a");
  EXPECT_EQ(UniqueFileName(a + "/photo.jpg"), a + "/photo.jpg");
  dir.write("a/photo.jpg", "x");
  dir.write("a/photo_1.jpg", "x");
  EXPECT_EQ(UniqueFileName(a + "/photo.jpg"), a + "/photo_2.jpg");
  dir.write("a/README", "x");
  EXPECT_EQ(UniqueFileName(a + "/README"), a + "/README_1");
  // Only files count: a folder of the name does not make it taken.
  dir.mkdir("a/folder.d");
  EXPECT_EQ(UniqueFileName(a + "/folder.d"), a + "/folder.d");
  // The extension starts at the last dot.
  dir.write("a/x.tar.gz", "x");
  EXPECT_EQ(UniqueFileName(a + "/x.tar.gz"), a + "/x.tar_1.gz");
  // A dangling link is taken too: moving a file there would fail.
  QFile::link(a + "/nowhere", a + "/link.txt");
  EXPECT_EQ(UniqueFileName(a + "/link.txt"), a + "/link_1.txt");
}

TEST(RemoveInvalidChars, CleansFolderAndNameDifferently) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"/A=B/x?y.txt", "/AB/xy.txt"},
      {"/a:b/c\\d.txt", "/a:b/cd.txt"},                       // ':' and '\' stay in folders
      {"/f!$%&()+,;[]^`/n!\"$%&()*+,:;<=>?[\\]^`|.txt", "/f!$%&()+,;[]^`/n.txt"},
      {"/x/\xC2\xA7\xC2\xB0\xC2\xB4" "a\xC3\xA4.mp3", "/x/a\xC3\xA4.mp3"},  // § ° ´ go, ä stays
      {"name*.txt", "name.txt"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RemoveInvalidChars(QString::fromUtf8(c.in)).toStdString(), c.out) << c.in;
}

TEST(Latin1Case, FollowsTheLatin1RangesAndUnicodeAbove) {
  EXPECT_EQ(UpperCaseLatin1(QString::fromUtf8("straße äöü ÿ")).toStdString(), "STRAßE ÄÖÜ ÿ");
  EXPECT_EQ(LowerCaseLatin1(QString::fromUtf8("STRAßE × ÄÖÜ ÀÝÞ")).toStdString(), "straße × äöü àýÞ");
  EXPECT_EQ(UpperCaseLatin1(QString::fromUtf8("÷þµ")).toStdString(), "÷þµ");
  EXPECT_EQ(UpperCaseLatin1(QString::fromUtf8("œšž ǆ я")).toStdString(), "ŒŠŽ Ǆ Я");  // simple mapping
  EXPECT_EQ(LowerCaseLatin1(QString::fromUtf8("ŒŠŸ Я 𐐀")).toStdString(), "œšÿ я 𐐨");
}

TEST(NearestExistingFolder, WalksUpToAnExistingFolder) {
  TempDir dir;
  const QString a = dir.mkdir("a");
  EXPECT_EQ(NearestExistingFolder(a + "/b/c/d"), a + "/");
  EXPECT_EQ(NearestExistingFolder(a + "/b/"), a + "/");
  EXPECT_EQ(NearestExistingFolder("/no-such-vantorim/x"), "/");
  EXPECT_EQ(NearestExistingFolder("relative"), "/");
  EXPECT_EQ(NearestExistingFolder("/"), "/");
}

TEST(FolderSize, SumsFilesExactlyAndSkipsDotFoldersAndLinks) {
  TempDir dir;
  dir.write("f/a", QByteArray(1000, 'a'));
  dir.write("f/.hiddenfile", QByteArray(5, 'a'));
  dir.write("f/sub/b", QByteArray(20, 'b'));
  dir.write("f/.dot/c", QByteArray(300, 'c'));
  QFile::link(dir.path("f/sub"), dir.path("f/linkdir"));
  QFile::link(dir.path("f/a"), dir.path("f/linkfile"));
  EXPECT_EQ(FolderSize(dir.path("f"), false), 1005u);
  EXPECT_EQ(FolderSize(dir.path("f/"), true), 1025u);
  // Sparse file larger than 4 GiB: 64-bit exact.
  QFile big(dir.path("g/big"));
  QDir().mkpath(dir.path("g"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(5'000'000'123LL));
  big.close();
  EXPECT_EQ(FolderSize(dir.path("g"), true), 5'000'000'123u);
}

TEST(FindFilesRecursive, MaskSkipsDotHiddenFoldersAndSystemFiles) {
  TempDir dir;
  const QString r = dir.mkdir("r");
  dir.write("r/one.ord", "");
  dir.write("r/two.ORD", "");
  dir.write("r/.hidden.ord", "");  // hidden file in a visited folder: listed
  dir.write("r/skip.txt", "");
  dir.write("r/sub/three.ord", "");
  dir.write("r/.dot/no.ord", "");
  dir.write("r/secret/no.ord", "");
  dir.write("r/.hidden", "secret\n");
  dir.mkdir("r/dir.ord");  // folders are never listed
  ASSERT_EQ(::mkfifo(QFile::encodeName(r + "/pipe.ord").constData(), 0600), 0);
  QFile::link(r + "/sub", r + "/loop");
  // System folders are not visited, system files not listed.
  dir.write("r/sys/no.ord", "");
  dir.write("r/system.ord", "");
  const bool xattrs = setAttribute(r + "/sys", AttrSystem, true).ok && setAttribute(r + "/system.ord", AttrSystem, true).ok;
  if (!xattrs) {
    QFile::remove(r + "/system.ord");
    QDir(r + "/sys").removeRecursively();
  }
  QStringList found;
  int pumps = 0;
  FindFilesRecursive(r + "/*.ord", found, [&] { ++pumps; });
  QStringList top = found.mid(0, 3);
  top.sort();
  EXPECT_EQ(top, (QStringList{r + "/.hidden.ord", r + "/one.ord", r + "/two.ORD"}));
  EXPECT_EQ(found.mid(3), QStringList{r + "/sub/three.ord"});
  EXPECT_EQ(pumps, 3);  // r, dir.ord, sub
}

TEST(ListFoldersRecursive, DepthFirstFolderBeforeItsSubFolders) {
  TempDir dir;
  const QString r = dir.mkdir("r");
  dir.mkdir("r/a/a1");
  dir.mkdir("r/.git/x");
  dir.mkdir("r/secret");
  dir.write("r/.hidden", "secret\n");
  QFile::link(r + "/a", r + "/link");
  dir.mkdir("r/sys/deep");
  if (!setAttribute(r + "/sys", AttrSystem, true).ok) QDir(r + "/sys").removeRecursively();
  QStringList list;
  ListFoldersRecursive(r + "/", list);
  EXPECT_EQ(list, (QStringList{r + "/", r + "/a/", r + "/a/a1/"}));
  QStringList fromFile;
  ListFoldersRecursive(r + "/a/somefile.txt", fromFile);
  EXPECT_EQ(fromFile, (QStringList{r + "/a/", r + "/a/a1/"}));
}

TEST(RecycleFile, MovesToTheIsolatedTrash) {
  TempDir dir;
  const QString f = dir.write("gone.txt", "x");
  EXPECT_TRUE(RecycleFile(f));
  EXPECT_FALSE(QFileInfo::exists(f));
  EXPECT_FALSE(RecycleFile(dir.path("missing.txt")));
}

TEST(WindowsFolder, NamesTheSystemFolders) {
  EXPECT_TRUE(WindowsFolder().contains("/usr"));
  EXPECT_TRUE(WindowsFolder().contains("/var/lib"));
  EXPECT_TRUE(DriveReady("/"));
  EXPECT_FALSE(DriveReady(""));
}

TEST(TextFile, DecodesUtf8OrWindows1252AndSplitsAnyLineEnd) {
  EXPECT_EQ(decodeText("\xEF\xBB\xBF" "a\xC3\xA4").toStdString(), "a\xC3\xA4");
  EXPECT_EQ(decodeText("\x80\xE4\x9F").toStdString(), "\xE2\x82\xAC\xC3\xA4\xC5\xB8");
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
  EXPECT_EQ(splitLines(""), QStringList{});
  EXPECT_EQ(joinLinesCrLf({"x", QString::fromUtf8("ü")}), "x\r\n\xC3\xBC\r\n");
}
