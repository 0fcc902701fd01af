#include "IconFixtures.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace vantorim::test;

namespace {

using vantorim::test::CliRun;
const auto cli = vantorim::test::runCli;


QJsonObject json(const CliRun& r) { return r.json(); }

}  // namespace

TEST(FormatsCliTest, Id3SetWritesAndPrints) {
  TempDir dir;
  const QString mp3 = dir.write("a.mp3", QByteArray(400, '\x11'));
  CliRun r = cli({"id3", "--set", "title=Hello, World,artist=Band,track=4,genre=dance", mp3});
  ASSERT_EQ(r.rc, 0) << r.err.toStdString();
  EXPECT_EQ(readAll(mp3).size(), 528);
  r = cli({"id3", "--json", mp3});
  const QJsonObject tag = json(r)["files"].toArray()[0].toObject();
  EXPECT_EQ(tag["title"].toString(), "Hello, World");
  EXPECT_EQ(tag["genre"].toString(), "Dance");
  EXPECT_EQ(tag["track"].toString(), "4");
  EXPECT_EQ(cli({"id3", "--set", "colour=red", mp3}).rc, 2);
  EXPECT_EQ(cli({"id3", dir.path("missing.mp3")}).rc, 2);
}

TEST(FormatsCliTest, IconsSavesNumberedFilesAndOrdPrintsTree) {
  TempDir dir;
  const QString exe = dir.write("p.exe", makePeWithIcons({{{iconBitmap(patternImage(32, 32, {0, 0xFFFFFF}))}},
                                                          {{iconBitmap(patternImage(16, 16, {0, 0x000080}))}}}));
  const QString ico = dir.write("i.ico", makeIcoFile({iconBitmap(patternImage(24, 24, {0x123456}))}));
  for (int round = 0; round < 2; ++round) {
    const CliRun r = cli({"icons", "--json", exe, ico, "--ico", dir.path("out")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(json(r)["count"].toInt(), 3);
  }
  QStringList names = QDir(dir.path("out")).entryList(QDir::Files, QDir::Name);
  names.sort();
  EXPECT_EQ(names.join(','), "0.ico,1.ico,2.ico,3.ico,4.ico,5.ico");
  EXPECT_EQ(cli({"icons", dir.write("empty.ico", "")}).rc, 1);

  const QString ord = dir.write("t.ord", "Bilder\r\n\t2004\r\n\t\t\tbad\r\n");
  const CliRun r = cli({"ord", ord});
  EXPECT_EQ(r.rc, 2);
  EXPECT_EQ(r.out, "Bilder\n  2004\n");
}
