// vantorim-cli rename: preview, apply with the log, undo, bad input.

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

using vantorim::test::TempDir;

namespace {

using vantorim::test::CliRun;

CliRun cli(const QStringList& args) { return vantorim::test::runCli(QStringList{"rename"} + args); }


TEST(RenameCli, PreviewApplyAndUndo) {
  TempDir dir;
  dir.write("t/Bild10.jpg", "10");
  dir.write("t/Bild9.jpg", "9");
  const QString log = dir.path("Protokoll.txt");
  const QStringList mode{"--mode", "number", "--base", "P", "--digits", "2", "--start", "1", "--logical-sort",
                         "--log", log, dir.path("t")};
  const CliRun preview = cli(QStringList{"--preview"} + mode);
  EXPECT_EQ(preview.rc, 0) << preview.err.toStdString();
  EXPECT_EQ(preview.out, "Bild9.jpg   ->  P01.jpg\nBild10.jpg  ->  P02.jpg\n");
  EXPECT_FALSE(QFileInfo::exists(log));

  EXPECT_EQ(cli(mode).rc, 0);
  EXPECT_EQ(vantorim::test::readAll(dir.path("t/P01.jpg")), "9");
  EXPECT_EQ(vantorim::test::readAll(dir.path("t/P02.jpg")), "10");

  EXPECT_EQ(cli({"--undo", "--log", log}).rc, 0);
  EXPECT_EQ(vantorim::test::readAll(dir.path("t/Bild9.jpg")), "9");
  EXPECT_FALSE(QFileInfo::exists(dir.path("t/P01.jpg")));
}

// Without --log the program's own log is used, so either side can undo the other's run.
TEST(RenameCli, DefaultLogIsTheProgramsLog) {
  TempDir dir;
  dir.write("a.txt", "a");
  const QString log = qEnvironmentVariable("XDG_DATA_HOME") + "/Belvantic/Vantorim/Protokoll.txt";
  QFile::remove(log);
  ASSERT_EQ(cli({"--mode", "number", "--base", "N", dir.path("a.txt")}).rc, 0);
  EXPECT_TRUE(QFileInfo::exists(log));
  EXPECT_TRUE(QFileInfo::exists(dir.path("N0.txt")));
  EXPECT_EQ(cli({"--undo"}).rc, 0);
  EXPECT_EQ(vantorim::test::readAll(dir.path("a.txt")), "a");
}

TEST(RenameCli, BadInputChangesNothing) {
  TempDir dir;
  const QString f = dir.write("a.txt", "");
  EXPECT_EQ(cli({"--mode", "complete", "--log", dir.path("l"), f}).rc, 2);  // no base name
  EXPECT_EQ(cli({"--mode", "nosuch", f}).rc, 2);
  EXPECT_EQ(cli({"--digits", "10", f}).rc, 2);
  EXPECT_EQ(cli({"--target", "move", "--log", dir.path("l"), f}).rc, 2);  // no destination
  EXPECT_TRUE(QFileInfo::exists(f));
  EXPECT_FALSE(QFileInfo::exists(dir.path("l")));
}

}  // namespace
