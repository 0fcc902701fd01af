#include "core/platform/Attributes.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

using namespace vantorim::platform;
using vantorim::test::TempDir;

namespace {
bool xattrsWork(const QString& path) {
  return ::lsetxattr(path.toUtf8().constData(), "user.probe", "1", 1, 0) == 0 &&
         ::lremovexattr(path.toUtf8().constData(), "user.probe") == 0;
}
}  // namespace

TEST(Attributes, ReadOnlyRemovesAllWriteBitsAndClearingGivesOwnerWriteBack) {
  TempDir dir;
  const QString f = dir.write("f.txt", "x");
  ::chmod(f.toUtf8().constData(), 0666);
  ASSERT_TRUE(setAttribute(f, AttrReadOnly, true));
  struct stat st {};
  ::stat(f.toUtf8().constData(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_EQ(readAttributes(f), std::uint32_t(AttrReadOnly));
  ASSERT_TRUE(setAttribute(f, AttrReadOnly, false));
  ::stat(f.toUtf8().constData(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_EQ(readAttributes(dir.path()), std::uint32_t(AttrFolder));
}

TEST(Attributes, HiddenByDotNameOrHiddenList) {
  TempDir dir;
  const QString plain = dir.write("plain.txt", "");
  const QString other = dir.write("other.txt", "");
  const QString dot = dir.write(".dot", "");
  EXPECT_EQ(readAttributes(dot), std::uint32_t(AttrHidden));
  EXPECT_FALSE(setAttribute(dot, AttrHidden, false).ok);
  EXPECT_TRUE(setAttribute(dot, AttrHidden, true).ok);

  ASSERT_TRUE(setAttribute(plain, AttrHidden, true));
  ASSERT_TRUE(setAttribute(other, AttrHidden, true));
  EXPECT_EQ(vantorim::test::readAll(dir.path(".hidden")), QByteArray("plain.txt\nother.txt\n"));
  EXPECT_EQ(readAttributes(plain), std::uint32_t(AttrHidden));

  // Inside a walk the reader agrees, reading the list once per folder.
  AttributeReader reader;
  DirectoryWalker walker;
  QStringList hidden;
  walker.onEntry = [&](const WalkEntry& e) {
    if (reader.read(e) & AttrHidden) hidden << e.name();
    return true;
  };
  walker.walk(dir.path());
  hidden.sort();
  EXPECT_EQ(hidden, (QStringList{".dot", ".hidden", "other.txt", "plain.txt"}));

  ASSERT_TRUE(setAttribute(plain, AttrHidden, false));
  ASSERT_TRUE(setAttribute(other, AttrHidden, false));
  EXPECT_EQ(readAttributes(plain), 0u);
  EXPECT_FALSE(QFile::exists(dir.path(".hidden")));
}

TEST(Attributes, SystemAndArchiveLiveInDosAttrib) {
  TempDir dir;
  const QString f = dir.write("f.bin", "");
  if (!xattrsWork(f)) GTEST_SKIP() << "no user extended attributes on " << dir.path().toStdString();
  ASSERT_TRUE(setAttributes(f, AttrSystem | AttrArchive, AttrSystem | AttrArchive));
  char value[32] = {};
  const ssize_t n = ::lgetxattr(f.toUtf8().constData(), "user.DOSATTRIB", value, sizeof value - 1);
  EXPECT_EQ(QByteArray(value, int(n)), QByteArray("0x24"));
  EXPECT_EQ(readAttributes(f), std::uint32_t(AttrSystem | AttrArchive));
  ASSERT_TRUE(setAttribute(f, AttrSystem, false));
  EXPECT_EQ(readAttributes(f), std::uint32_t(AttrArchive));
  ASSERT_TRUE(setAttribute(f, AttrArchive, false));
  EXPECT_EQ(readAttributes(f), 0u);
  EXPECT_LT(::lgetxattr(f.toUtf8().constData(), "user.DOSATTRIB", value, sizeof value), 0);
}

TEST(Attributes, MissingPathGivesOneClearError) {
  TempDir dir;
  QString error;
  EXPECT_EQ(readAttributes(dir.path("gone"), &error), 0u);
  EXPECT_FALSE(error.isEmpty());
  const OpResult r = setAttribute(dir.path("gone"), AttrReadOnly, true);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.error.contains("gone"));
}
