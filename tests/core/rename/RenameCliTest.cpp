// vantorim-cli rename: preview, apply with the log, undo, bad input.

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

using vantorim::test::TempDir;

namespace {

struct CliRun {
  int code;
  QString out;
  QString err;
};

CliRun cli(const QStringList& args) {
  QProcess p;
  p.start(vantorim::test::cliPath(), QStringList{"rename"} + args);
  p.waitForFinished(30000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(RenameCli, PreviewApplyAndUndo) {
  TempDir dir;
  dir.write("t/Bild10.jpg", "10");
  dir.write("t/Bild9.jpg", "9");
  const QString log = dir.path("Protokoll.txt");
  const QStringList mode{"--mode", "number", "--base", "P", "--digits", "2", "--start", "1", "--logical-sort",
                         "--log", log, dir.path("t")};
  const CliRun preview = cli(QStringList{"--preview"} + mode);
  EXPECT_EQ(preview.code, 0) << preview.err.toStdString();
  EXPECT_EQ(preview.out, "Bild9.jpg   ->  P01.jpg\nBild10.jpg  ->  P02.jpg\n");
  EXPECT_FALSE(QFileInfo::exists(log));

  EXPECT_EQ(cli(mode).code, 0);
  EXPECT_EQ(vantorim::test::readAll(dir.path("t/P01.jpg")), "9");
  EXPECT_EQ(vantorim::test::readAll(dir.path("t/P02.jpg")), "10");

  EXPECT_EQ(cli({"--undo", "--log", log}).code, 0);
  EXPECT_EQ(vantorim::test::readAll(dir.path("t/Bild9.jpg")), "9");
  EXPECT_FALSE(QFileInfo::exists(dir.path("t/P01.jpg")));
}

TEST(RenameCli, BadInputChangesNothing) {
  TempDir dir;
  const QString f = dir.write("a.txt", "");
  EXPECT_EQ(cli({"--mode", "complete", "--log", dir.path("l"), f}).code, 2);  // no base name
  EXPECT_EQ(cli({"--mode", "nosuch", f}).code, 2);
  EXPECT_EQ(cli({"--digits", "10", f}).code, 2);
  EXPECT_EQ(cli({"--target", "move", "--log", dir.path("l"), f}).code, 2);  // no destination
  EXPECT_TRUE(QFileInfo::exists(f));
  EXPECT_FALSE(QFileInfo::exists(dir.path("l")));
}

}  // namespace
