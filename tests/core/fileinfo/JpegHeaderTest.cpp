#include "PictureFixtures.h"
#include "support/TestEnvironment.h"

#include "core/fileinfo/JpegHeader.h"

#include <gtest/gtest.h>

using namespace vantorim::fileinfo;
using vantorim::test::TempDir;
using vantorim::test::frameAndScan;
using vantorim::test::jfifSegment;
using vantorim::test::jpeg;
using vantorim::test::segment;

TEST(JpegHeader, ReadsJfifValues) {
  TempDir dir;
  const QByteArray app0 = jfifSegment(1, 2, 2, 300, 150, 2, 1);
  const QByteArray app13 = segment(0xED, QByteArray("Photoshop 3.0\0" "8BIM", 18));
  const QByteArray com = segment(0xFE, QByteArray("Hello   \0rest", 13));
  const QByteArray bytes = jpeg(app0 + app13 + com + frameAndScan(640, 480)) + QByteArray(4, '\0');
  TJPEGHeader h;
  h.setFilename(dir.write("a.jpg", bytes));
  EXPECT_EQ(h.fileSize, bytes.size());
  EXPECT_EQ(h.jfifVersion, "1.2");
  EXPECT_EQ(h.densityUnit, "dpcm");
  EXPECT_EQ(h.densityX, 300);
  EXPECT_EQ(h.densityY, 150);
  EXPECT_EQ(h.thumbnailWidth, 2);
  EXPECT_EQ(h.thumbnailHeight, 1);
  EXPECT_EQ(h.imageWidth, 640);
  EXPECT_EQ(h.imageHeight, 480);
  EXPECT_EQ(h.components, 1);
  EXPECT_EQ(h.app13Identifier, "Photoshop 3.0");
  EXPECT_EQ(h.app13Length, 20);
  EXPECT_EQ(h.comment, "Hello");
  EXPECT_TRUE(h.marker(0xD8).found);
  EXPECT_EQ(h.marker(0xD8).position, 2);
  EXPECT_EQ(h.marker(0xE0).position, 4);
  EXPECT_EQ(h.marker(0xE0).length, app0.size() - 2);
  // The EOI search finds FF D9 before the trailing zeros: offset of the D9 byte.
  EXPECT_TRUE(h.marker(0xD9).found);
  EXPECT_EQ(h.marker(0xD9).position, bytes.size() - 5);
}

TEST(JpegHeader, UnitZeroAndFilesWithoutApp0) {
  TempDir dir;
  TJPEGHeader h;
  h.setFilename(dir.write("b.jpg", jpeg(jfifSegment(1, 1, 0) + frameAndScan())));
  EXPECT_EQ(h.densityUnit, "");
  EXPECT_EQ(h.jfifVersion, "1.1");
  EXPECT_EQ(h.thumbnailWidth, 0);
  h.setFilename(dir.write("c.jpg", jpeg(segment(0xE1, "Exif\0\0") + frameAndScan())));
  EXPECT_EQ(h.fileSize, 0);
  EXPECT_TRUE(h.markers.empty());
  EXPECT_EQ(h.jfifVersion, "");
  // A zero length ends the walk instead of looping.
  h.setFilename(dir.write("d.jpg", jpeg(jfifSegment() + QByteArray("\xFF\xC4\x00\x00", 4))));
  EXPECT_EQ(h.jfifVersion, "1.2");
  h.setFilename(dir.path("missing.jpg"));
  EXPECT_EQ(h.fileSize, 0);
}
