#include "core/platform/FileTimes.h"
#include "core/platform/SpecialFolders.h"
#include "core/platform/Volumes.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantorim::platform;
using vantorim::test::TempDir;

TEST(Volumes, ParsesMountInfoWithEscapes) {
  const QByteArray text =
      "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
      "30 22 0:25 / /media/My\\040Disk rw,nosuid shared:5 master:2 - vfat /dev/sdb1 rw\n"
      "31 22 0:5 / /proc rw - proc proc rw\n"
      "broken line\n";
  const auto entries = parseMountInfo(text);
  ASSERT_EQ(entries.size(), 3);
  EXPECT_EQ(entries[0].mountPoint, "/");
  EXPECT_EQ(entries[0].fsType, "ext4");
  EXPECT_EQ(entries[0].source, "/dev/sda2");
  EXPECT_EQ(entries[1].mountPoint, "/media/My Disk");
  EXPECT_EQ(entries[1].fsType, "vfat");
  EXPECT_EQ(entries[2].fsType, "proc");
}

TEST(Volumes, ClassifiesMediaTypes) {
  EXPECT_EQ(classifyMount("ext4", "/dev/sda1", false), dtFixed);
  EXPECT_EQ(classifyMount("vfat", "/dev/sdb1", true), dtRemovable);
  EXPECT_EQ(classifyMount("nfs4", "srv:/x", false), dtRemote);
  EXPECT_EQ(classifyMount("cifs", "//srv/x", false), dtRemote);
  EXPECT_EQ(classifyMount("fuse.sshfs", "u@h:", false), dtRemote);
  EXPECT_EQ(classifyMount("iso9660", "/dev/sr0", true), dtCDROM);
  EXPECT_EQ(classifyMount("udf", "/dev/loop3", false), dtCDROM);
  EXPECT_EQ(classifyMount("tmpfs", "tmpfs", false), dtRAMDisk);
  EXPECT_EQ(classifyMount("ramfs", "none", false), dtRAMDisk);
  EXPECT_EQ(classifyMount("overlay", "overlay", false), dtFixed);
  for (const char* pseudo : {"proc", "sysfs", "cgroup2", "devpts", "mqueue", "debugfs"})
    EXPECT_FALSE(classifyMount(pseudo, "none", false).has_value()) << pseudo;
}

TEST(Volumes, RootOfAPathAndTheVolumeList) {
  TempDir dir;
  const QString root = volumeRoot(dir.path());
  EXPECT_TRUE(root.endsWith('/'));
  EXPECT_TRUE(QDir::cleanPath(QFileInfo(dir.path()).canonicalFilePath() + '/').startsWith(QDir::cleanPath(root)));
  EXPECT_EQ(volumeRoot(dir.path("not/there/yet")), root);
  EXPECT_TRUE(DriveReady(dir.path()));
  EXPECT_TRUE(DriveReady("/"));
  EXPECT_FALSE(DriveReady("relative/path"));
  const auto info = volumeOf(dir.path());
  ASSERT_TRUE(info.has_value());
  EXPECT_TRUE(info->ready);
  EXPECT_GT(info->totalBytes, 0u);
  EXPECT_LE(info->availableBytes, info->freeBytes);
  EXPECT_EQ(info->totalBytes, info->totalBlocks * info->blockSize);
  EXPECT_FALSE(info->serialText.isEmpty());
  const auto volumes = listVolumes();
  ASSERT_FALSE(volumes.isEmpty());
  for (const VolumeInfo& v : volumes) {
    EXPECT_NE(v.fsName, "proc");
    EXPECT_NE(v.fsName, "sysfs");
  }
}

TEST(FileTimes, ReadAndSetKeepNanoseconds) {
  TempDir dir;
  const QString f = dir.write("t.txt", "x");
  const auto before = readFileTimes(f);
  ASSERT_TRUE(before.has_value());
  const FileTime write{1'100'000'000, 123'456'789};
  const FileTime access{1'200'000'000, 987'654'321};
  ASSERT_TRUE(setFileTimes(f, write, access).ok);
  auto after = readFileTimes(f);
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->lastWrite, write);
  EXPECT_EQ(after->lastAccess, access);
  // Leaving one out keeps it.
  ASSERT_TRUE(setFileTimes(f, std::nullopt, FileTime{1'300'000'000, 5}).ok);
  after = readFileTimes(f);
  EXPECT_EQ(after->lastWrite, write);
  EXPECT_EQ(after->lastAccess, (FileTime{1'300'000'000, 5}));
  EXPECT_EQ(FileTime::fromDateTime(write.toDateTime()).seconds, write.seconds);
  // The creation time is reported as impossible, never silently ignored.
  const OpResult created = setCreationTime(f, write);
  EXPECT_FALSE(created.ok);
  EXPECT_EQ(created.error, creationTimeNotSettableText());
  EXPECT_FALSE(readFileTimes(dir.path("missing")).has_value());
  EXPECT_FALSE(setFileTimes(dir.path("missing"), write, std::nullopt).ok);
}

TEST(SpecialFolders, FollowTheXdgFoldersAndAreCreated) {
  const QString data = qEnvironmentVariable("XDG_DATA_HOME");
  EXPECT_EQ(defaultWorkingDirectory(), data + "/Belvantic/Vantorim/");
  EXPECT_TRUE(QFileInfo(defaultWorkingDirectory()).isDir());
  EXPECT_EQ(cacheFolder(), qEnvironmentVariable("XDG_CACHE_HOME") + "/Belvantic/Vantorim/");
  EXPECT_TRUE(QFileInfo(cacheFolder()).isDir());
  EXPECT_EQ(specialFolderPath(SpecialFolder::Home), QDir::cleanPath(qEnvironmentVariable("HOME")));
  EXPECT_EQ(specialFolderPath(SpecialFolder::Trash), data + "/Trash/files");
  EXPECT_TRUE(programFolder().endsWith('/'));
  EXPECT_TRUE(temporaryFolder().endsWith('/'));
  EXPECT_TRUE(isInProtectedSystemFolder("/usr"));
  EXPECT_TRUE(isInProtectedSystemFolder("/etc/passwd"));
  EXPECT_TRUE(isInProtectedSystemFolder("/"));
  EXPECT_FALSE(isInProtectedSystemFolder("/usrx"));
  EXPECT_FALSE(isInProtectedSystemFolder(qEnvironmentVariable("HOME")));
}

TEST(Volumes, SystemMountsAreNotDrives) {
  for (const VolumeInfo& v : listVolumes()) {
    EXPECT_FALSE(v.root.startsWith("/proc/") || v.root.startsWith("/sys/") || v.root.startsWith("/dev/"))
        << v.root.toStdString();
  }
}
