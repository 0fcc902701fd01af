#include "PictureFixtures.h"
#include "support/TestEnvironment.h"

#include "core/fileinfo/ExifReport.h"
#include "core/fileinfo/ImgData.h"

#include <QBuffer>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantorim::fileinfo;
using vantorim::test::TempDir;
using vantorim::test::TiffBuilder;
using vantorim::test::exifSegment;
using vantorim::test::frameAndScan;
using vantorim::test::jpeg;
using vantorim::test::segment;

namespace {

QByteArray basicTiff(bool mm = false) {
  TiffBuilder t(mm);
  t.main(0x010F, 2, 6, TiffBuilder::ascii("Canon"))
      .main(0x0110, 2, 11, TiffBuilder::ascii("PowerShot"))
      .main(0x0132, 2, 20, TiffBuilder::ascii("2004:01:02 03:04:05"))
      .exif(0x829A, 5, 1, t.rational(1, 60))
      .exif(0x829D, 5, 1, t.rational(28, 10))
      .exif(0x8827, 3, 1, t.u16(200))
      .exif(0x9003, 2, 20, TiffBuilder::ascii("2003:12:24 15:30:00"))
      .exif(0x9209, 3, 1, t.u16(25))
      .exif(0x920A, 5, 1, t.rational(35, 1))
      .exif(0xA002, 4, 1, t.u32(640))
      .exif(0xA003, 3, 1, t.u16(480));
  return t.build();
}

struct Read {
  TImgData img;
  bool ok = false;
};

std::unique_ptr<Read> readJpegBytes(const QByteArray& bytes, bool verbose = false) {
  auto r = std::make_unique<Read>();
  QByteArray copy = bytes;
  QBuffer buf(&copy);
  buf.open(QIODevice::ReadOnly);
  r->img.setVerbose(verbose);
  r->ok = r->img.readJpeg(buf);
  return r;
}

QString valueOf(const QByteArray& tiff, const QString& name) {
  auto r = readJpegBytes(jpeg(exifSegment(tiff) + frameAndScan()));
  return r->img.exifInfo() ? r->img.exifInfo()->value(name) : QString("<no exif>");
}

}  // namespace

TEST(ExifReader, ReadsCapturesAndFormattedValues) {
  auto r = readJpegBytes(jpeg(exifSegment(basicTiff()) + frameAndScan()));
  ASSERT_TRUE(r->ok);
  EXPECT_EQ(r->img.errorText(), "<none>");
  const TImageInfo* i = r->img.exifInfo();
  ASSERT_TRUE(i);
  EXPECT_EQ(i->cameraMake, "Canon");
  EXPECT_EQ(i->cameraModel, "PowerShot");
  EXPECT_EQ(i->dateTime, "2003:12:24 15:30:00");  // DateTimeOriginal, read later, wins
  EXPECT_EQ(i->width, 640);
  EXPECT_EQ(i->height, 480);
  EXPECT_EQ(i->value("ExposureTime"), "1/60 sec");
  EXPECT_EQ(i->value("FNumber"), "F2.8");
  EXPECT_EQ(i->value("FocalLength"), "35.00 mm");
  EXPECT_EQ(i->value("ISOSpeedRatings"), "200");
  EXPECT_EQ(i->find("ExposureTime")->desc, "Exposure Time");
  EXPECT_EQ(i->find("ISOSpeedRatings")->desc, "ISOSpeed Ratings");
}

TEST(ExifReader, BigEndianDataReadsTheSame) {
  auto r = readJpegBytes(jpeg(exifSegment(basicTiff(true)) + frameAndScan()));
  ASSERT_TRUE(r->img.exifInfo());
  EXPECT_TRUE(r->img.exifInfo()->motorola());
  EXPECT_EQ(r->img.exifInfo()->value("ExposureTime"), "1/60 sec");
  EXPECT_EQ(r->img.exifInfo()->width, 640);
}

TEST(ExifReader, ValueTextsAndConversions) {
  TiffBuilder t;
  struct Case {
    quint16 tag;
    quint16 format;
    quint32 count;
    QByteArray value;
    QString name, expected;
  };
  QByteArray ten;
  for (int k = 1; k <= 10; ++k) ten += t.u16(quint32(k));
  const Case cases[] = {
      {0x9201, 10, 1, t.rational(6, 1), "ShutterSpeedValue", "0.0156 sec (1/64)"},
      {0x9201, 10, 1, t.rational(0, 1), "ShutterSpeedValue", "1.0000 sec"},
      {0x9209, 3, 1, t.u16(25), "Flash", "On, auto mode"},
      {0x9209, 3, 1, t.u16(0), "Flash", "Off"},
      {0x9209, 3, 1, t.u16(0x5F), "Flash", "On, strobe return, auto mode, red-eye reduction"},
      {0x0102, 3, 10, ten, "BitsPerSample", "1, 2, 3, 4, 5, 6, 7, 8"},
      {0x0112, 3, 1, t.u16(6), "Orientation", "CounterClockwise 90°"},
      {0x0112, 3, 1, t.u16(2), "Orientation", ""},
      {0x9101, 7, 4, QByteArray("\x01\x02\x03\x00", 4), "ComponentsConfiguration", "YCbCr"},
      {0x9286, 7, 14, QByteArray("ASCII\0\0\0hello ", 14), "UserComment", "hello"},
      {0x9000, 7, 4, QByteArray("0220"), "ExifVersion", "\"0220\""},
      {0x011A, 5, 1, t.rational(300, 1), "XResolution", "300.00"},
      {0x9C9B, 1, 6, QByteArray("H\0i\0\0\0", 6), "Title", "Hi"},
      {0x9204, 10, 1, t.rational(-2, 3), "ExposureBiasValue", "-2/3"},
      {0x010E, 2, 6, QByteArray("a\x01" "bcd\0", 6), "ImageDescription", "a.bcd"},
  };
  for (const Case& c : cases) {
    TiffBuilder b;
    b.exif(c.tag, c.format, c.count, c.value);
    EXPECT_EQ(valueOf(b.build(), c.name), c.expected) << c.name.toStdString();
  }
}

TEST(ExifReader, GpsDirectoryValues) {
  TiffBuilder t;
  QByteArray lat = t.rational(48, 1) + t.rational(3075, 100) + t.rational(0, 1);
  QByteArray time = t.rational(14, 1) + t.rational(5, 1) + t.rational(9, 1);
  // The GPS directory is written as the "EXIF" sub-directory and re-pointed by tag 8825.
  TiffBuilder g;
  g.exif(0x0002, 5, 3, lat).exif(0x0007, 5, 3, time);
  QByteArray tiff = g.build();
  // Change the pointer tag 8769 (in IFD0 at offset 10) into 8825.
  tiff[10] = char(0x25);
  tiff[11] = char(0x88);
  auto r = readJpegBytes(jpeg(exifSegment(tiff) + frameAndScan()));
  ASSERT_TRUE(r->img.exifInfo());
  EXPECT_EQ(r->img.exifInfo()->value("GPSLatitude"), "48 Degrees 30 Minutes 45 Seconds");
  EXPECT_EQ(r->img.exifInfo()->value("GPSTimeStamp"), "14:5:9");
}

TEST(ExifReader, DerivesFocalLengthIn35mmFilm) {
  TiffBuilder t;
  t.exif(0x920A, 5, 1, t.rational(50, 1))
      .exif(0xA002, 3, 1, t.u16(3600))
      .exif(0xA003, 3, 1, t.u16(2400))
      .exif(0xA20E, 5, 1, t.rational(2540, 1))
      .exif(0xA20F, 5, 1, t.rational(2540, 1))
      .exif(0xA210, 3, 1, t.u16(2));
  auto r = readJpegBytes(jpeg(exifSegment(t.build()) + frameAndScan()));
  const TImageInfo* i = r->img.exifInfo();
  ASSERT_TRUE(i);
  const TTagEntry* e = i->find("FocalLengthin35mmFilm");
  ASSERT_TRUE(e);  // 36 x 24 mm sensor: factor 1
  EXPECT_EQ(e->data, "50.00");
  EXPECT_EQ(e->desc, "Focal Length in 35mm Film");
  EXPECT_EQ(e->fmtString, "%s mm");
  EXPECT_TRUE(i->traceText().endsWith("\r\nFocal Length in 35mm Film = 50.00"));

  TiffBuilder noUnit;
  noUnit.exif(0x920A, 5, 1, t.rational(50, 1)).exif(0xA20E, 5, 1, t.rational(2540, 1));
  auto r2 = readJpegBytes(jpeg(exifSegment(noUnit.build()) + frameAndScan()));
  EXPECT_FALSE(r2->img.exifInfo()->find("FocalLengthin35mmFilm"));
}

TEST(ExifReader, SectionRules) {
  const QByteArray other = segment(0xDB, QByteArray(4, '\x01'));
  // EXIF as the sixth section is never read: the reading stops after five.
  auto sixth = readJpegBytes(jpeg(other + other + other + other + other + exifSegment(basicTiff()) + frameAndScan()));
  EXPECT_FALSE(sixth->ok);
  EXPECT_FALSE(sixth->img.hasExif());
  EXPECT_EQ(sixth->img.errorText(), "Not an EXIF file");
  EXPECT_EQ(sixth->img.sections().size(), 5u);

  auto fifth = readJpegBytes(jpeg(other + other + other + other + exifSegment(basicTiff()) + frameAndScan()));
  EXPECT_TRUE(fifth->ok);
  EXPECT_TRUE(fifth->img.hasExif());

  // A second APP1 (an XMP block) is dropped from the table.
  const QByteArray xmp = segment(0xE1, "http://ns.adobe.com/xap/1.0/\0<x/>");
  auto two = readJpegBytes(jpeg(exifSegment(basicTiff()) + xmp + segment(0xFE, "hi") + frameAndScan()));
  ASSERT_TRUE(two->ok);
  std::vector<int> markers;
  for (const auto& s : two->img.sections()) markers.push_back(s.marker);
  EXPECT_EQ(markers, (std::vector<int>{0xE1, 0xFE, 0xDB, 0xC0, 0xDA}));
  EXPECT_EQ(two->img.commentText(), "hi");
  EXPECT_TRUE(two->img.exifSection()->data.mid(2).startsWith("Exif"));
}

TEST(ExifReader, ErrorTexts) {
  struct Case {
    QByteArray tiffOrPayload;
    bool raw;
    QString error;
  };
  QByteArray shortDir = TiffBuilder().build();
  shortDir[8] = char(100);  // 100 entries in a directory of 6 bytes
  QByteArray farDir = TiffBuilder().main(0x0112, 3, 1, TiffBuilder().u16(1)).build();
  farDir[4] = char(0xF0);  // first directory far outside the data
  const Case cases[] = {
      {QByteArray("Exig\0\0II*\0", 10), true, "Incorrect Exif header"},
      {QByteArray("Exif\0\0XX*\0\x08\0\0\0", 14), true, "Invalid Exif alignment marker"},
      {shortDir, false, "Illegally sized directory"},
      {farDir, false, "Illegal Exif construction"},
      {basicTiff(), false, "<none>"},
  };
  for (const Case& c : cases) {
    const QByteArray seg = c.raw ? segment(0xE1, c.tiffOrPayload) : exifSegment(c.tiffOrPayload);
    auto r = readJpegBytes(jpeg(seg + frameAndScan()));
    EXPECT_EQ(r->img.errorText(), c.error);
    EXPECT_TRUE(r->img.hasExif());
  }
  TempDir dir;
  TImgData img;
  EXPECT_FALSE(img.readFile(dir.write("x.png", jpeg(exifSegment(basicTiff())))));
  EXPECT_EQ(img.errorText(), "Not an EXIF file");
  EXPECT_FALSE(img.readFile(dir.write("y.jpg", "GIF89a")));
  EXPECT_EQ(img.errorText(), "Not an EXIF file");
}

TEST(ExifReader, DirectoryLoopsEnd) {
  TiffBuilder t;
  t.exif(0x829A, 5, 1, t.rational(1, 60));
  QByteArray tiff = t.build();
  // Point the EXIF offset tag back at IFD0.
  const int valueAt = 8 + 2 + 8;
  tiff[valueAt] = 8;
  tiff[valueAt + 1] = tiff[valueAt + 2] = tiff[valueAt + 3] = 0;
  auto r = readJpegBytes(jpeg(exifSegment(tiff) + frameAndScan()));
  EXPECT_TRUE(r->ok);
  ASSERT_TRUE(r->img.exifInfo());
  EXPECT_EQ(r->img.exifInfo()->tags().size(), 1u);
}

TEST(ExifReader, ThumbnailAndSummaries) {
  TiffBuilder t;
  t.main(0x010F, 2, 6, TiffBuilder::ascii("Canon"))
      .exif(0x9003, 2, 20, TiffBuilder::ascii("2003:12:24 15:30:00"))
      .exif(0x9209, 3, 1, t.u16(1))
      .exif(0xA002, 3, 1, t.u16(64))
      .exif(0xA003, 3, 1, t.u16(48))
      .padding(300)
      .next(0x0103, 3, 1, t.u16(6))
      .next(0x0201, 4, 1, t.u32(400));
  TempDir dir;
  const QString path = dir.write("pic.jpg", jpeg(exifSegment(t.build() + QByteArray(300, '\0')) + frameAndScan()));
  TImgData img;
  ASSERT_TRUE(img.readFile(path));
  ASSERT_TRUE(img.hasThumbnail());
  img.readThumbnail();
  EXPECT_EQ(img.exifInfo()->thumbCompression, 6);
  EXPECT_EQ(img.exifInfo()->thumbnailTags().size(), 2u);
  EXPECT_EQ(img.exifInfo()->thumbnailTags()[0].data, "Jpeg");
  const QString size = QString::number(QFileInfo(path).size() / 1024);
  EXPECT_EQ(img.shortSummary(), "pic.jpg " + size + "k 2003:12:24 64w 48h  Flash");
  EXPECT_TRUE(img.longSummary().startsWith("File Name: pic.jpg\r\nFile Size: " + size + "k\r\nFile Date: "));
  EXPECT_TRUE(img.longSummary().endsWith("Dimensions: 64 x 48\r\nFlash: Yes"));

  const QStringList lines = exifReportLines(img, path, false);
  EXPECT_TRUE(lines.contains(" -- Thumbnail Data ---- "));
  EXPECT_TRUE(lines.contains("ErrStr = <none>"));
  EXPECT_TRUE(lines.contains("Intel Byte Order"));
  const QStringList verbose = exifReportLines(img, path, true);
  EXPECT_TRUE(verbose.contains("    Section[1].type = $E1 - Exif Data (" +
                               QString::number(img.exifSection()->size) + ")"));
}

TEST(ExifReader, CanonMakerNoteSubValues) {
  TiffBuilder mn;
  QByteArray info1;
  for (int v : {80, 2, 0, 5, 1, 0, 0, 4, 9, 9}) info1 += mn.u16(quint32(v));
  // A maker note whose directory (offsets from the TIFF header) replaces a placeholder value.
  TiffBuilder plain;
  plain.main(0x010F, 2, 6, TiffBuilder::ascii("Canon")).exif(0x927C, 7, 34, QByteArray(34, '\0'));
  QByteArray data = plain.build();
  const int noteAt = int(data.size()) - 34;
  QByteArray dir = plain.u16(1) + plain.u16(1) + plain.u16(3) + plain.u32(10) +
                   plain.u32(quint32(data.size())) + plain.u32(0);
  data.replace(noteAt, dir.size(), dir);
  data += info1;
  auto r = readJpegBytes(jpeg(exifSegment(data) + frameAndScan()));
  const TImageInfo* i = r->img.exifInfo();
  ASSERT_TRUE(i);
  ASSERT_TRUE(i->hasMakerNotes);
  EXPECT_EQ(i->value("Macro mode"), "Normal");
  EXPECT_EQ(i->value("Compression Rate"), "SuperFine");
  EXPECT_EQ(i->value("Flash Mode"), "Auto");
  EXPECT_EQ(i->value("Focus Mode"), "Single");
  EXPECT_EQ(i->value("ExposureInfo1"), "80, 2, 0, 5, 1, 0, 0, 4");
  EXPECT_TRUE(i->makerTrace().contains("\r\nMacro mode = Normal"));
  EXPECT_LT(i->makerTrace().indexOf("Macro mode"), i->makerTrace().indexOf("ExposureInfo1 ="));
}

TEST(ExifReader, TiffFile) {
  TiffBuilder t(true);
  t.main(0x0100, 3, 1, t.u16(20)).main(0x0101, 4, 1, t.u32(10)).main(0x010F, 2, 6, TiffBuilder::ascii("NIKON"));
  TempDir dir;
  TImgData img;
  ASSERT_TRUE(img.readFile(dir.write("a.NEF", t.build())));
  EXPECT_TRUE(img.tiffFile());
  EXPECT_EQ(img.errorText(), "<none>");
  EXPECT_EQ(img.exifInfo()->width, 20);
  EXPECT_EQ(img.exifInfo()->height, 10);
  EXPECT_EQ(img.exifInfo()->cameraMake, "NIKON");
  EXPECT_FALSE(img.readFile(dir.write("b.tif", "PK\3\4")));
}

TEST(ExifReader, ExifBlockAfterAnXmpBlockIsRead) {
  const QByteArray xmp = segment(0xE1, "http://ns.adobe.com/xap/1.0/\0<x/>");
  auto r = readJpegBytes(jpeg(xmp + exifSegment(basicTiff()) + frameAndScan()));
  ASSERT_TRUE(r->ok);
  EXPECT_EQ(r->img.errorText(), "<none>");
  ASSERT_TRUE(r->img.exifInfo());
  EXPECT_EQ(r->img.exifInfo()->cameraMake, "Canon");
  auto only = readJpegBytes(jpeg(xmp + segment(0xFE, "c") + frameAndScan()));
  EXPECT_EQ(only->img.errorText(), "Incorrect Exif header");
}
