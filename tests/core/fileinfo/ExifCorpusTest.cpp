// Conformance over real pictures from many cameras: every file is read without a crash,
// and for a handful the main values are checked; when exiftool is installed, the EXIF
// values of every file are compared with its reading.

#include "support/TestEnvironment.h"

#include "core/fileinfo/ExifReport.h"
#include "core/fileinfo/ImgData.h"
#include "core/fileinfo/IptcData.h"
#include "core/fileinfo/JpegHeader.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cmath>

using namespace vantorim::fileinfo;

namespace {

QString samplesDir() { return vantorim::test::corpusDir() + "/exif-samples"; }

QStringList pictureFiles() {
  QStringList files;
  QDirIterator it(samplesDir(), {"*.jpg", "*.jpeg", "*.JPG", "*.tif", "*.tiff", "*.nef"}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

}  // namespace

TEST(ExifCorpus, EveryFileReadsWithoutFault) {
  VANTORIM_SKIP_WITHOUT_CORPUS("exif-samples");
  const QStringList files = pictureFiles();
  ASSERT_GT(files.size(), 50);
  int withExif = 0;
  for (const QString& f : files) {
    TImgData img;
    for (bool verbose : {false, true}) {
      const QStringList lines = exifReportLines(img, f, verbose);
      EXPECT_FALSE(lines.isEmpty());
    }
    exifReportJson(img);
    if (img.exifInfo()) ++withExif;
    if (img.iptcData()) img.iptcData()->buildBlock();
    TJPEGHeader h;
    h.setFilename(f);
  }
  EXPECT_GT(withExif, 70);
}

TEST(ExifCorpus, KnownValues) {
  VANTORIM_SKIP_WITHOUT_CORPUS("exif-samples");
  struct Expected {
    const char* file;
    const char* make;
    const char* model;
    const char* date;
    const char* exposure;
    const char* fnumber;
    const char* iso;
    const char* focal;
    const char* flash;
    int width, height;
  };
  const Expected cases[] = {
      {"jpg/Canon_40D.jpg", "Canon", "Canon EOS 40D", "2008:05:30 15:56:01", "1/160 sec", "F7.1", "100",
       "135.00 mm", "On, forced", 100, 68},
      {"jpg/Nikon_D70.jpg", "NIKON CORPORATION", "NIKON D70", "2008:03:15 09:52:01", "1/200 sec", "F9.0",
       "200", "100.00 mm", "Off", 100, 66},
      {"jpg/Fujifilm_FinePix_E500.jpg", "FUJIFILM", "FinePix E500", "2006:08:17 09:24:48", "10/800 sec",
       "F2.9", "100", " 4.70 mm", "Off, surpressed", 59, 100},
      {"jpg/Olympus_C8080WZ.jpg", "OLYMPUS CORPORATION", "C8080WZ", "2006:10:22 15:44:29", "10/1600 sec",
       "F2.8", "50", "15.80 mm", "On, forced", 100, 72},
      {"jpg/gps/DSCN0010.jpg", "NIKON", "COOLPIX P6000", "2008:10:22 16:28:39", "4/300 sec", "F5.9", "64",
       "24.00 mm", "Off, surpressed", 640, 480},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.file);
    TImgData img;
    ASSERT_TRUE(img.readFile(samplesDir() + "/" + c.file));
    EXPECT_EQ(img.errorText(), "<none>");
    const TImageInfo* i = img.exifInfo();
    ASSERT_TRUE(i);
    EXPECT_EQ(i->cameraMake, c.make);
    EXPECT_EQ(i->cameraModel, c.model);
    EXPECT_EQ(i->dateTime, c.date);
    EXPECT_EQ(i->value("ExposureTime"), c.exposure);
    EXPECT_EQ(i->value("FNumber"), c.fnumber);
    EXPECT_EQ(i->value("ISOSpeedRatings"), c.iso);
    EXPECT_EQ(i->value("FocalLength"), c.focal);
    EXPECT_EQ(i->value("Orientation"), "Normal");
    EXPECT_EQ(i->value("Flash"), c.flash);
    EXPECT_EQ(i->width, c.width);
    EXPECT_EQ(i->height, c.height);
  }
  TImgData tiff;
  ASSERT_TRUE(tiff.readFile(samplesDir() + "/tiff/BSG1.tiff"));  // directory at the file's end
  EXPECT_EQ(tiff.exifInfo()->width, 635);
  EXPECT_EQ(tiff.exifInfo()->height, 348);
}

TEST(ExifCorpus, AgreesWithExiftool) {
  VANTORIM_SKIP_WITHOUT_CORPUS("exif-samples");
  const QString tool = QStandardPaths::findExecutable("exiftool");
  if (tool.isEmpty()) GTEST_SKIP() << "exiftool not installed; the known values are checked above";
  const QStringList files = pictureFiles();
  QProcess p;
  p.start(tool, QStringList{"-j", "-n", "-EXIF:Make", "-EXIF:Model", "-EXIF:DateTimeOriginal",
                            "-EXIF:ModifyDate", "-EXIF:ExposureTime", "-EXIF:FNumber", "-EXIF:ISO",
                            "-EXIF:FocalLength", "-EXIF:Orientation", "-EXIF:Flash", "-EXIF:ExifImageWidth",
                            "-EXIF:ExifImageHeight", "-IFD0:ImageWidth", "-IFD0:ImageHeight"} +
                    files);
  ASSERT_TRUE(p.waitForFinished(60000));
  const QJsonArray ref = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
  ASSERT_GT(ref.size(), 50);
  int compared = 0;
  for (const QJsonValue& v : ref) {
    const QJsonObject o = v.toObject();
    const QString file = o["SourceFile"].toString();
    SCOPED_TRACE(file.toStdString());
    TImgData img;
    img.readFile(file);
    const TImageInfo* i = img.exifInfo();
    auto number = [&](const char* key, const QString& name) {
      if (!o.contains(key) || !o[key].isDouble()) return;
      ASSERT_TRUE(i && i->find(name)) << key;
      const double expected = o[key].toDouble();
      EXPECT_NEAR(i->numericValue(name), expected, 1e-3 * std::max(1.0, std::abs(expected))) << key;
      ++compared;
    };
    auto text = [&](const char* key, const QString& mine) {
      if (!o.contains(key)) return;
      EXPECT_EQ(mine, o[key].toVariant().toString().trimmed()) << key;
      ++compared;
    };
    if (o.contains("Make")) {
      ASSERT_TRUE(i);
    }
    if (!i) continue;
    text("Make", i->cameraMake);
    text("Model", i->cameraModel);
    if (o.contains("DateTimeOriginal")) text("DateTimeOriginal", i->dateTime);
    else text("ModifyDate", i->dateTime);
    number("ExposureTime", "ExposureTime");
    number("FNumber", "FNumber");
    number("ISO", "ISOSpeedRatings");
    number("FocalLength", "FocalLength");
    number("Orientation", "Orientation");
    number("Flash", "Flash");
    // Two-valued sizes (seen in one Kodak file) are compared by their first value.
    const char* wKey = o.contains("ExifImageWidth") ? "ExifImageWidth" : "ImageWidth";
    const char* hKey = o.contains("ExifImageHeight") ? "ExifImageHeight" : "ImageHeight";
    if (o.contains(wKey)) {
      EXPECT_EQ(i->width, o[wKey].toVariant().toString().section(' ', 0, 0).toInt());
    }
    if (o.contains(hKey)) {
      EXPECT_EQ(i->height, o[hKey].toVariant().toString().section(' ', 0, 0).toInt());
    }
  }
  EXPECT_GT(compared, 400);
}

namespace {

// Offset of the start-of-scan marker, found by walking the segments.
qsizetype scanOffset(const QByteArray& jpeg) {
  qsizetype pos = 2;
  while (pos + 4 <= jpeg.size() && uchar(jpeg[pos]) == 0xFF) {
    if (uchar(jpeg[pos + 1]) == 0xDA) return pos;
    pos += 2 + (uchar(jpeg[pos + 2]) << 8 | uchar(jpeg[pos + 3]));
  }
  return -1;
}

}  // namespace

TEST(ExifCorpus, CopyWithEditedIptcKeepsPictureAndExif) {
  VANTORIM_SKIP_WITHOUT_CORPUS("exif-samples");
  vantorim::test::TempDir dir;
  for (const char* name : {"jpg/xmp/BlueSquare.jpg", "jpg/Canon_40D.jpg", "jpg/exif-org/nikon-e950.jpg"}) {
    SCOPED_TRACE(name);
    const QString src = samplesDir() + "/" + name;
    TImgData img;
    img.readFile(src);
    TIPTCdata* iptc = img.createIptc();
    iptc->setTag("City", "Bonn");
    iptc->setTag("Keywords", "added");
    const QString copy = dir.path(QFileInfo(src).fileName());
    ASSERT_TRUE(iptc->writeCopy(copy, src));
    const QByteArray a = vantorim::test::readAll(src), b = vantorim::test::readAll(copy);
    ASSERT_GT(scanOffset(a), 0);
    EXPECT_EQ(a.mid(scanOffset(a)), b.mid(scanOffset(b)));  // image data byte for byte
    TImgData back;
    ASSERT_TRUE(back.readFile(copy));
    ASSERT_TRUE(back.iptcData());
    EXPECT_EQ(back.iptcData()->value("City"), "Bonn");
    EXPECT_TRUE(back.iptcData()->value("Keywords").endsWith("added"));
    ASSERT_EQ(back.hasExif(), img.hasExif());
    if (img.hasExif()) {
      EXPECT_EQ(back.exifSection()->data, img.exifSection()->data);
    }
  }
}
