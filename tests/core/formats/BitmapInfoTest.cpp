#include "core/formats/BitmapInfo.h"

#include "IconFixtures.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace vantorim::formats;
using vantorim::test::putLe16;
using vantorim::test::putLe32;

namespace {

QByteArray bitmapFile(uint32_t headerSize, int bits, int paletteEntries) {
  QByteArray b(14 + qsizetype(headerSize) + 4 * paletteEntries + 16, '\0');
  b[0] = 'B';
  b[1] = 'M';
  putLe32(b, 2, uint32_t(b.size()));
  putLe32(b, 10, 14 + headerSize + 4 * uint32_t(paletteEntries));
  putLe32(b, 14, headerSize);
  putLe32(b, 18, 7);
  putLe32(b, 22, uint32_t(-5));
  putLe16(b, 26, 1);
  putLe16(b, 28, uint32_t(bits));
  putLe32(b, 34, 16);
  putLe32(b, 38, 3780);
  putLe32(b, 42, 2835);
  if (headerSize > 40) putLe32(b, 54, 0x00FF0000);
  for (int i = 0; i < paletteEntries; ++i) {
    const qsizetype p = 14 + headerSize + 4 * i;
    b[p] = char(i);          // blue
    b[p + 1] = char(i + 1);  // green
    b[p + 2] = char(i + 2);  // red
  }
  return b;
}

BitmapInfoResult read(const QByteArray& bytes) {
  QBuffer buf;
  buf.setData(bytes);
  buf.open(QIODevice::ReadOnly);
  return readBitmapInfo(buf);
}

}  // namespace

TEST(BitmapInfoTest, HeaderValuesAndPalette) {
  struct Case {
    uint32_t headerSize;
    int bits, palette;
    const char* maxColors;
    const char* version;
  } cases[] = {{40, 1, 2, "2", "3 "},
               {40, 8, 256, "256", "3 "},
               {40, 24, 0, "16777216", "3 "},
               {108, 4, 16, "16", "4 "},
               {124, 32, 0, "4294967296", "5 "},
               {64, 8, 256, "256", ""}};
  for (const Case& c : cases) {
    const BitmapInfoResult r = read(bitmapFile(c.headerSize, c.bits, c.palette));
    EXPECT_EQ(r.header.type, 0x4D42);
    EXPECT_EQ(r.header.width, 7);
    EXPECT_EQ(r.header.height, -5);
    EXPECT_EQ(r.header.bitsPerPixel, c.bits);
    EXPECT_EQ(r.header.imageSize, 16u);
    EXPECT_EQ(r.header.xPixelsPerMeter, 3780);
    EXPECT_EQ(r.header.yPixelsPerMeter, 2835);
    EXPECT_EQ(r.header.maxColorsText(), c.maxColors);
    EXPECT_EQ(r.header.headerVersionText(), c.version);
    EXPECT_EQ(r.header.redMask, c.headerSize > 40 ? 0x00FF0000u : 0u);
    EXPECT_EQ(int(r.palette.size()), std::min(256, 1 << std::min(c.bits, 9)));
    if (c.palette > 0) {
      EXPECT_EQ(r.palette[1].blue, 1);
      EXPECT_EQ(r.palette[1].green, 2);
      EXPECT_EQ(r.palette[1].red, 3);
    }
  }
}

TEST(BitmapInfoTest, ShortFileLeavesZeros) {
  const BitmapInfoResult r = read(QByteArray("BM\x10\0\0\0", 6));
  EXPECT_TRUE(r.header.truncated);
  EXPECT_EQ(r.header.fileSize, 16u);
  EXPECT_EQ(r.header.width, 0);
  EXPECT_EQ(r.palette.size(), 1u);
}

TEST(BitmapInfoTest, PaletteCellUnderPointer) {
  EXPECT_EQ(paletteCellAt(2, 10, 10), 0);
  EXPECT_EQ(paletteCellAt(2, 100, 100), 1);
  EXPECT_EQ(paletteCellAt(2, 100, 150), -1);
  EXPECT_EQ(paletteCellAt(16, 5, 5), 0);
  EXPECT_EQ(paletteCellAt(16, 40, 76), 9);
  EXPECT_EQ(paletteCellAt(256, 4, 4), 0);
  EXPECT_EQ(paletteCellAt(256, 9 * 16 - 5, 9 * 16 - 5), 255);
  EXPECT_EQ(paletteCellAt(256, 2, 2), -1);
  EXPECT_EQ(paletteCellAt(4, 10, 10), -1);
}
