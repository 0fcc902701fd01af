#include "PictureFixtures.h"
#include "support/TestEnvironment.h"

#include "core/fileinfo/ImgData.h"
#include "core/fileinfo/IptcData.h"

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

QByteArray dataset(int record, int ds, const QByteArray& v) {
  QByteArray b;
  b.append(char(0x1C)).append(char(record)).append(char(ds));
  b.append(char(v.size() >> 8)).append(char(v.size() & 0xFF));
  return b + v;
}

QByteArray photoshop(const QByteArray& sets) {
  QByteArray b("Photoshop 3.0\0" "8BIM\x04\x04\0\0", 22);
  b.append("\0\0", 2).append(char(sets.size() >> 8)).append(char(sets.size() & 0xFF));
  return b + sets;
}

// The datasets of a built block after its record version dataset, without padding.
QByteArray datasetsOf(const QByteArray& block) {
  const int length = uchar(block[24]) << 8 | uchar(block[25]);
  return block.mid(26, length).mid(7);
}

}  // namespace

TEST(IptcData, ParsesMergesAndNamesDatasets) {
  const QByteArray sets = dataset(2, 0, "\x00\x02") + dataset(2, 25, "a") + dataset(2, 105, "Head") +
                          dataset(2, 25, "b") + dataset(2, 200, "x") + dataset(3, 10, "skip") +
                          dataset(8, 10, "01") + dataset(2, 40, "one") + dataset(2, 40, "two");
  TIPTCdata d;
  d.setLanguage(TIPTCdata::kEnglish);
  d.parse(photoshop(sets));
  ASSERT_EQ(d.count(), 6);
  EXPECT_EQ(d.value("keywords"), "a,b");
  EXPECT_EQ(d.at(1).name, "ImageHeadline");
  EXPECT_EQ(d.at(1).desc, "Image Headline");
  EXPECT_EQ(d.at(1).maxLength, 256);
  EXPECT_EQ(d.at(2).name, "Custom_200");
  EXPECT_EQ(d.at(2).maxLength, 64);
  EXPECT_EQ(d.at(3).name, "Subfile");
  EXPECT_EQ(d.at(4).data, "one");
  EXPECT_EQ(d.at(5).data, "two");  // repeated non-list datasets stay separate
  d.setLanguage(TIPTCdata::kGerman);
  EXPECT_EQ(d.at(0).desc, "Schlüsselwörter");
  EXPECT_EQ(d.indexOf("nothing"), -1);
  EXPECT_EQ(d.value("nothing", "def"), "def");

  const QStringList lines = TIPTCdata::textLines(photoshop(sets));
  EXPECT_EQ(lines.first(), "Keywords = a");
  EXPECT_EQ(lines.at(2), "Keywords = b");
  EXPECT_EQ(lines.at(3), "Custom_200 = x");

  TIPTCdata none;
  none.parse("no resource block here");
  EXPECT_EQ(none.count(), 0);
  none.parse(photoshop(dataset(2, 5, "too long")).left(33));  // cut dataset
  EXPECT_EQ(none.count(), 0);
}

TEST(IptcData, EditsTags) {
  TIPTCdata d;
  EXPECT_EQ(d.addTag("city", "Bonn"), 0);
  EXPECT_EQ(d.at(0).name, "City");
  EXPECT_EQ(d.at(0).desc, "Stadt");
  EXPECT_EQ(d.addTag("City", ""), 0);
  EXPECT_EQ(d.value("City"), "Bonn");  // an empty value keeps the old one
  EXPECT_EQ(d.addTag("SKIP", "x"), -1);
  EXPECT_EQ(d.addTag("NoSuchTag", "x"), -1);
  EXPECT_EQ(d.setTag("Keywords", "a"), 1);
  EXPECT_EQ(d.setTag("Keywords", "b"), 1);
  EXPECT_EQ(d.value("Keywords"), "a,b");
  EXPECT_EQ(d.setTag("City", "Köln"), 0);
  EXPECT_EQ(d.value("City"), "Köln");
  d.removeTag("city");
  EXPECT_EQ(d.count(), 1);
  EXPECT_EQ(d.at(0).name, "Keywords");
}

TEST(IptcData, BuildsBlock) {
  TIPTCdata d;
  d.addTag("Keywords", "a, ,b");
  d.addTag("Custom_200", "x");  // unknown names are not added
  QByteArray block = d.buildBlock();
  EXPECT_TRUE(block.startsWith(QByteArray("Photoshop 3.0\0" "8BIM\x04\x04\0\0\0\0", 24)));
  EXPECT_TRUE(block.endsWith(QByteArray("8BIM\x04\x0B\0\0\0\0\0\0", 12)));
  EXPECT_EQ(block.mid(26, 7), QByteArray("\x1C\x02\x00\x00\x02\x00\x02", 7));
  // a, an empty one and b: 3 x 5 + 2 = 17 bytes, odd, no padding
  EXPECT_EQ(datasetsOf(block), dataset(2, 25, "a") + dataset(2, 25, "") + dataset(2, 25, "b"));
  EXPECT_EQ(uchar(block[25]), 7 + 17);

  TIPTCdata e;
  e.addTag("Keywords", "a,b,");  // no dataset for the empty end; 12 bytes, even: padded
  block = e.buildBlock();
  EXPECT_EQ(uchar(block[25]), 7 + 12 + 1);
  EXPECT_EQ(datasetsOf(block), dataset(2, 25, "a") + dataset(2, 25, "b") + QByteArray(1, '\0'));

  // Round trip including an unknown dataset.
  TIPTCdata f;
  f.parse(photoshop(dataset(2, 200, "x") + dataset(2, 25, "k1") + dataset(2, 25, "k2")));
  TIPTCdata g;
  g.parse(f.buildBlock());
  ASSERT_EQ(g.count(), 2);
  EXPECT_EQ(g.at(0).name, "Custom_200");
  EXPECT_EQ(g.at(0).data, "x");
  EXPECT_EQ(g.value("Keywords"), "k1,k2");
}

TEST(IptcData, CreationDate) {
  TIPTCdata d;
  EXPECT_FALSE(d.creationDate().isValid());
  d.addTag("DateCreated", "20031224");
  d.addTag("TimeCreated", "153000");
  EXPECT_EQ(d.creationDate(), QDateTime(QDate(2003, 12, 24), QTime(15, 30, 0)));
  d.setTag("DateCreated", "2003122x");
  EXPECT_FALSE(d.creationDate().isValid());
}

TEST(IptcData, WritesCopyKeepingEverythingElse) {
  TiffBuilder t;
  t.main(0x010F, 2, 6, TiffBuilder::ascii("Canon")).exif(0xA002, 3, 1, t.u16(999));
  const QByteArray exif = exifSegment(t.build());
  const QByteArray comment = segment(0xFE, "a comment");
  // The old block: its IPTC resource (17 bytes, padded) and a resolution resource that must stay.
  const QByteArray resolution("8BIM\x03\xED\0\0\0\0\0\x04" "abcd", 16);
  const QByteArray oldIptc =
      segment(0xED, photoshop(dataset(2, 90, "Bonn") + dataset(2, 25, "old")) + QByteArray(1, '\0') + resolution);
  const QByteArray scan = frameAndScan();
  TempDir dir;
  const QString src = dir.write("src.jpg", jpeg(exif + oldIptc + comment + scan));
  const QByteArray before = vantorim::test::readAll(src);

  TImgData img;
  ASSERT_TRUE(img.readFile(src));
  ASSERT_TRUE(img.iptcData());
  EXPECT_EQ(img.iptcData()->value("City"), "Bonn");
  img.iptcData()->setTag("Keywords", "new");
  img.iptcData()->setTag("ObjectName", "Title");
  const QString copy = dir.path("copy.jpg");
  ASSERT_TRUE(img.iptcData()->writeCopy(copy, src));
  EXPECT_EQ(vantorim::test::readAll(src), before);

  const QByteArray out = vantorim::test::readAll(copy);
  const QByteArray block = img.iptcData()->buildBlock();
  const QByteArray newIptc = segment(0xED, block.left(block.indexOf("8BIM\x04\x0B")) + resolution);
  EXPECT_EQ(out, jpeg(exif + newIptc + comment + scan));  // only the IPTC section differs
  TImgData back;
  ASSERT_TRUE(back.readFile(copy));
  EXPECT_EQ(back.iptcData()->value("Keywords"), "old,new");
  EXPECT_EQ(back.iptcData()->value("ObjectName"), "Title");
  EXPECT_EQ(back.exifInfo()->width, 999);  // EXIF width stays as it was

  // An existing target is kept unless replacing was asked for.
  dir.write("taken.jpg", "keep me");
  EXPECT_FALSE(img.iptcData()->writeCopy(dir.path("taken.jpg"), src));
  EXPECT_EQ(vantorim::test::readAll(dir.path("taken.jpg")), QByteArray("keep me"));
  EXPECT_TRUE(img.iptcData()->writeCopy(dir.path("taken.jpg"), src, true));
  EXPECT_EQ(vantorim::test::readAll(dir.path("taken.jpg")), out);
  // A damaged source writes nothing.
  const QString bad = dir.write("bad.jpg", jpeg(exif).left(40));
  EXPECT_FALSE(img.iptcData()->writeCopy(dir.path("bad-copy.jpg"), bad));
  EXPECT_FALSE(QFileInfo::exists(dir.path("bad-copy.jpg")));
}

TEST(IptcData, AddsSectionWhenPictureHadNone) {
  const QByteArray app0 = vantorim::test::jfifSegment();
  const QByteArray app2 = segment(0xE2, "ICC_PROFILE");
  const QByteArray scan = frameAndScan();
  TempDir dir;
  const QString src = dir.write("p.jpg", jpeg(app0 + app2 + scan));
  TImgData img;
  img.readFile(src);
  TIPTCdata* d = img.createIptc();
  d->setTag("City", "Bonn");
  ASSERT_TRUE(d->writeCopy(dir.path("q.jpg"), src));
  EXPECT_EQ(vantorim::test::readAll(dir.path("q.jpg")), jpeg(app0 + app2 + segment(0xED, d->buildBlock()) + scan));
}
