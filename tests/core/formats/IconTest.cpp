#include "core/formats/BitmapInfo.h"
#include "core/formats/ByteSource.h"
#include "core/formats/IconReader.h"
#include "core/formats/IconWriter.h"

#include "IconFixtures.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace vantorim::formats;
using vantorim::test::iconBitmap;
using vantorim::test::patternImage;
using vantorim::test::TempDir;

namespace {

// n distinct colours, none black, white or among the 16 or the 20 static ones.
std::vector<uint32_t> freshColors(int n) {
  std::vector<uint32_t> c;
  for (int i = 0; i < n; ++i) c.push_back(0x010203u + uint32_t(i) * 0x000101u);
  return c;
}

IconReadResult readBytes(const QByteArray& bytes, bool pe) {
  QBuffer b;
  b.setData(bytes);
  b.open(QIODevice::ReadOnly);
  return pe ? readPeIcons(b) : readIcoFile(b);
}

QString runTool(const QString& tool, const QStringList& args, int* exitCode = nullptr) {
  QProcess p;
  p.start(tool, args);
  p.waitForFinished(20000);
  if (exitCode) *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST(IconDepthTest, ClassesFromThePixels) {
  const uint32_t black = 0, white = 0xFFFFFF, darkBlue = 0x000080, moneyGreen = 0xC0DCC0;
  struct Case {
    const char* what;
    std::vector<uint32_t> colors;
    int bits;
  } cases[] = {
      {"black and white", {black, white}, 1},
      {"one standard colour", {black, white, darkBlue}, 4},
      {"all 16", standard16Colors(), 4},
      {"a static colour outside the 16", {black, moneyGreen}, 8},
      {"200 new colours", freshColors(200), 8},
      {"236 new colours", freshColors(236), 8},
      {"237 new colours", freshColors(237), 24},
      {"300 new colours", freshColors(300), 24},
      {"alpha", {black, 0x01000000u}, 32},
  };
  for (const Case& c : cases) {
    const IconImage img = patternImage(32, 32, c.colors);
    EXPECT_EQ(classifyIconDepth(img).bitsPerPixel, c.bits) << c.what;
  }
}

TEST(IconDepthTest, EightBitPaletteHoldsNewColoursAfterTheFirstTenStaticOnes) {
  const std::vector<uint32_t> fresh = freshColors(200);
  std::vector<uint32_t> pixels = fresh;
  pixels.push_back(0xFF0000);  // red: a standard colour, not collected
  const IconDepth d = classifyIconDepth(patternImage(32, 32, pixels));
  ASSERT_EQ(d.bitsPerPixel, 8);
  ASSERT_EQ(d.palette.size(), 256u);
  const auto& statics = staticSystemColors();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(d.palette[size_t(i)], statics[size_t(i)]);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(d.palette[size_t(10 + i)], fresh[size_t(i)]);
  for (int i = 210; i < 246; ++i) EXPECT_EQ(d.palette[size_t(i)], 0u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(d.palette[size_t(246 + i)], statics[size_t(10 + i)]);
}

TEST(IconFileTest, SixteenColourIconDirectoryAndHeader) {
  const IconImage img = patternImage(32, 32, {0x000000, 0xFFFFFF, 0x000080});
  const QByteArray f = encodeIconFile(img);
  ASSERT_EQ(f.size(), 22 + 40 + 64 + 16 * 32 + 4 * 32);
  const QByteArray expectedHead("\0\0\1\0\1\0"                // reserved, type 1, one image
                                "\x20\x20\x10\0\1\0\4\0"      // 32 x 32, 16 colours, planes 1, 4 bits
                                "\xe8\x02\0\0\x16\0\0\0",     // 744 bytes at offset 22
                                22);
  EXPECT_EQ(f.left(22), expectedHead);
  EXPECT_EQ(le32(f, 22), 40u);
  EXPECT_EQ(le32(f, 26), 32u);
  EXPECT_EQ(le32(f, 30), 64u);
  EXPECT_EQ(le16(f, 36), 4u);
  EXPECT_EQ(le32(f, 42), 512u);  // image size of the colour bits
  EXPECT_EQ(le32(f, 54), 16u);
  EXPECT_EQ(le32(f, 58), 16u);
  // The standard palette in blue-green-red-zero order: entry 4 is dark blue.
  EXPECT_EQ(f.mid(62 + 16, 4), QByteArray("\x80\0\0\0", 4));
  EXPECT_EQ(f.mid(62 + 60, 4), QByteArray("\xff\xff\xff\0", 4));
}

TEST(IconFileTest, EveryDepthReadsBackTheSamePixelsAndMask) {
  const std::vector<std::vector<uint32_t>> sets = {
      {0, 0xFFFFFF}, {0, 0xFFFFFF, 0x808000}, freshColors(200), freshColors(300), {0x80112233u, 0xFF000000u}};
  for (const auto& colors : sets) {
    IconImage img = patternImage(20, 12, colors);
    const auto back = decodeIconBitmap(iconBitmap(img));
    ASSERT_TRUE(back) << colors.size();
    EXPECT_EQ(back->width, 20);
    EXPECT_EQ(back->height, 12);
    EXPECT_EQ(back->mask, img.mask);
    EXPECT_EQ(back->color, img.color) << "bits " << back->sourceBitsPerPixel;
  }
}

TEST(IconFileTest, WriterRefusesShortNamesAndLeavesNothingOnFailure) {
  TempDir dir;
  const IconImage img = patternImage(16, 16, {0, 0xFFFFFF});
  QString error;
  EXPECT_FALSE(writeIconFile("a.i", img, error));
  EXPECT_FALSE(writeIconFile(dir.path("no/such/dir/0.ico"), img, error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(dir.path("no/such/dir/0.ico")));
  EXPECT_FALSE(writeIconFile(dir.path("x.ico"), IconImage(), error));
  EXPECT_FALSE(QFile::exists(dir.path("x.ico")));
}

TEST(IconFileTest, NumberedNamesTakeTheFirstFreeNumberFromTheirIndex) {
  TempDir dir;
  const IconImage img = patternImage(16, 16, {0, 0xFFFFFF});
  QStringList written;
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < 6; ++i) {
      const QString p = firstFreeNumberedPath(dir.path(), i, "ico");
      QString error;
      ASSERT_TRUE(writeIconFile(p, img, error)) << error.toStdString();
      written << QFileInfo(p).fileName();
    }
  EXPECT_EQ(written.join(','), "0.ico,1.ico,2.ico,3.ico,4.ico,5.ico,6.ico,7.ico,8.ico,9.ico,10.ico,11.ico");
}

TEST(IconFileTest, BitmapShowsIconOnWhite) {
  IconImage img = patternImage(3, 2, {0x00123456});
  img.sourceBitsPerPixel = 24;
  QBuffer b;
  b.setData(encodeBitmapFile(img));
  b.open(QIODevice::ReadOnly);
  const BitmapInfoResult info = readBitmapInfo(b);
  EXPECT_EQ(info.header.type, 0x4D42);
  EXPECT_EQ(info.header.width, 3);
  EXPECT_EQ(info.header.height, 2);
  EXPECT_EQ(info.header.bitsPerPixel, 24);
  const QByteArray& d = b.data();
  // Bottom row first; x 0 is masked: white XOR the colour bits.
  EXPECT_EQ(d.mid(54, 6), QByteArray("\xa9\xcb\xed\x56\x34\x12", 6));
}

TEST(IconReaderTest, ProgramIconsOnePerGroupChoosingTheLargeIcon) {
  const QByteArray i16 = iconBitmap(patternImage(16, 16, {0, 0xFFFFFF}));
  const QByteArray i32 = iconBitmap(patternImage(32, 32, {0, 0xFFFFFF, 0x000080}));
  const QByteArray i32deep = iconBitmap(patternImage(32, 32, freshColors(50)));
  const QByteArray i48 = iconBitmap(patternImage(48, 48, {0, 0x0000FF}));
  for (bool plus : {false, true}) {
    const QByteArray pe = vantorim::test::makePeWithIcons(
        {{{i16, i32, i32deep, i48}}, {{i16, i48}}, {{i16}}, {{i32}}, {{i48, i16}}}, plus);
    const IconReadResult r = readBytes(pe, true);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    ASSERT_EQ(r.icons.size(), 5u);
    EXPECT_EQ(r.icons[0].image.width, 32);
    EXPECT_EQ(r.icons[0].image.sourceBitsPerPixel, 8);  // the deeper of the two 32 x 32 images
    EXPECT_EQ(r.icons[1].image.width, 48);               // equally near: the larger
    EXPECT_EQ(r.icons[2].image.width, 16);
    EXPECT_EQ(r.icons[3].image.width, 32);
    EXPECT_EQ(r.icons[0].resourceName, "#1");
    EXPECT_EQ(r.icons[0].groupImages.size(), 4u);
  }
}

TEST(IconReaderTest, IconFileGivesOneIcon) {
  const QByteArray ico = vantorim::test::makeIcoFile(
      {iconBitmap(patternImage(16, 16, {0, 0xFFFFFF})), iconBitmap(patternImage(32, 32, {0, 0x00FF00}))});
  const IconReadResult r = readBytes(ico, false);
  ASSERT_EQ(r.icons.size(), 1u);
  EXPECT_EQ(r.icons[0].image.width, 32);
  EXPECT_EQ(r.icons[0].groupImages.size(), 2u);
}

TEST(IconReaderTest, HostileInputNeverHangsOrReadsOutside) {
  QByteArray pe = vantorim::test::makePeWithIcons({{{iconBitmap(patternImage(16, 16, {0, 0xFFFFFF}))}}});
  // Point the first type entry back at the root directory: a loop.
  QByteArray looped = pe;
  vantorim::test::putLe32(looped, 0x200 + 20, 0x80000000u);
  EXPECT_TRUE(readBytes(looped, true).icons.size() <= 1);
  // Every truncation of the file.
  for (qsizetype n = 0; n < pe.size(); n += 7) readBytes(pe.left(n), true);
  // Huge counts and sizes.
  QByteArray bad = pe;
  vantorim::test::putLe16(bad, 0x200 + 14, 0xFFFF);
  readBytes(bad, true);
  QByteArray ico("\0\0\1\0\xff\xff", 6);
  EXPECT_TRUE(readBytes(ico, false).icons.empty());
  EXPECT_FALSE(readBytes("not an icon", false).error.isEmpty());
  EXPECT_FALSE(readBytes("MZ", true).error.isEmpty());
}

// Reference tools, when installed: wrestool lists the same groups and icotool
// reads every icon file written.
TEST(IconReaderTest, AgreesWithIcoutils) {
  const QString wrestool = QStandardPaths::findExecutable("wrestool");
  const QString icotool = QStandardPaths::findExecutable("icotool");
  if (wrestool.isEmpty() || icotool.isEmpty()) GTEST_SKIP() << "icoutils are not installed";
  TempDir dir;
  const QByteArray pe = vantorim::test::makePeWithIcons(
      {{{iconBitmap(patternImage(16, 16, {0, 0xFFFFFF})), iconBitmap(patternImage(32, 32, freshColors(300)))}},
       {{iconBitmap(patternImage(48, 48, {0x40FF0000u}))}}});
  const QString exe = dir.write("prog.exe", pe);
  const QString listing = runTool(wrestool, {"-l", "--type=14", exe});
  EXPECT_EQ(listing.count("--type=14"), 2) << listing.toStdString();
  const IconReadResult r = readIconsFromFile(exe);
  ASSERT_EQ(r.icons.size(), 2u);
  for (size_t i = 0; i < r.icons.size(); ++i) {
    const QString group = dir.path(QStringLiteral("g%1.ico").arg(i));
    runTool(wrestool, {"-x", "--type=14", QStringLiteral("--name=%1").arg(i + 1), "-o", group, exe});
    const QString sizes = runTool(icotool, {"-l", group});
    for (const QString& s : r.icons[i].groupImages) {
      const QStringList wh = s.section('@', 0, 0).split('x');
      EXPECT_TRUE(sizes.contains(QStringLiteral("--width=%1 --height=%2").arg(wh[0], wh[1]))) << sizes.toStdString();
    }
    const QString written = dir.path(QStringLiteral("%1.ico").arg(i));
    QString error;
    ASSERT_TRUE(writeIconFile(written, r.icons[i].image, error));
    int rc = -1;
    const QString mine = runTool(icotool, {"-l", written}, &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(mine.contains(QStringLiteral("--width=%1 --height=%1").arg(r.icons[i].image.width)))
        << mine.toStdString();
  }
  for (const auto& colors : std::vector<std::vector<uint32_t>>{{0, 0xFFFFFF}, {0, 0x000080}, freshColors(200)}) {
    const QString p = dir.path("depth.ico");
    QString error;
    ASSERT_TRUE(writeIconFile(p, patternImage(32, 32, colors), error));
    int rc = -1;
    const QString out = runTool(icotool, {"-l", p}, &rc);
    EXPECT_EQ(rc, 0) << out.toStdString();
    EXPECT_TRUE(out.contains("--width=32 --height=32")) << out.toStdString();
  }
}
