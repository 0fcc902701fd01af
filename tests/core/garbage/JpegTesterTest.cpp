#include "core/garbage/JpegSegments.h"
#include "core/garbage/JpegTester.h"

#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace vantorim::garbage;
using vantorim::test::TempDir;
using vantorim::test::readAll;

namespace {

// `size` bytes of filler with the end-of-image marker at `marker` (none when −1).
QByteArray withMarkerAt(qint64 size, qint64 marker) {
  QByteArray b(size, '\x11');
  if (marker >= 0) {
    b[marker] = '\xFF';
    b[marker + 1] = '\xD9';
  }
  return b;
}

QByteArray segment(quint8 code, int length, char fill) {
  QByteArray s;
  s += '\xFF';
  s += static_cast<char>(code);
  s += static_cast<char>(length >> 8);
  s += static_cast<char>(length & 0xFF);
  s += QByteArray(length - 2, fill);
  return s;
}

// SOI, APP0, two APP1 of length 0x1234, a comment, image data, EOI, 100 trailing bytes.
struct SampleJpeg {
  QByteArray app0 = segment(0xE0, 16, 'J');
  QByteArray app1 = segment(0xE1, 0x1234, 'E');
  QByteArray comment = segment(0xFE, 20, 'C');
  QByteArray image = QByteArray(120000, '\x22') + "\xFF\xD9";
  QByteArray trailing = QByteArray(100, 'T');
  QByteArray bytes() const {
    return QByteArray("\xFF\xD8") + app0 + app1 + app1 + comment + comment + image + trailing;
  }
};

bool oracleComplete(const QByteArray& b) {
  const qint64 n = b.size();
  if (n <= 25) return false;
  const qint64 r = threeQuartersRounded(n);
  for (qint64 p = n - 2; p > r; --p)
    if (quint8(b[p]) == 0xFF && quint8(b[p + 1]) == 0xD9) return true;
  return false;
}

}  // namespace

TEST(JpegTester, ThreeQuartersRoundTiesToEven) {
  const std::pair<qint64, qint64> cases[] = {{1000, 750}, {26, 20}, {30, 22}, {27, 20},
                                             {29, 22}, {1, 1}, {2, 2}, {3, 2}, {6, 4}};
  for (auto [size, r] : cases) EXPECT_EQ(threeQuartersRounded(size), r) << size;
}

TEST(JpegTester, DamageTestAtTheBoundaries) {
  const qint64 big = 300000;
  struct Case {
    qint64 size;
    qint64 marker;
    bool intact;
  };
  const Case cases[] = {
      {20, 18, false},   {25, 23, false},   {26, 24, true},    {26, 21, true},  {26, 20, false},
      {1000, 998, true}, {1000, 698, false}, {1000, 798, true}, {1000, 751, true},
      {1000, 750, false}, {1000, -1, false},
      // across the blocks read from the end
      {big, big - 65536, true}, {big, big - 65537, true}, {big, big - 65538, true},
      {big, threeQuartersRounded(big) + 1, true}, {big, threeQuartersRounded(big), false},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const QByteArray bytes = withMarkerAt(c.size, c.marker);
    const QString path = dir.write("t.jpg", bytes);
    EXPECT_EQ(IsJpegComplete(path), c.intact) << c.size << " marker " << c.marker;
    EXPECT_EQ(oracleComplete(bytes), c.intact);
  }
  EXPECT_FALSE(IsJpegComplete(dir.path("missing.jpg")));
}

// The test agrees with a plain scan of the bytes for every real JPEG and for
// copies of them cut short.
TEST(JpegTester, DamageTestAgreesOnRealFiles) {
  VANTORIM_SKIP_WITHOUT_CORPUS("exif-samples/jpg");
  TempDir dir;
  int files = 0;
  QDirIterator it(vantorim::test::corpusDir() + "/exif-samples/jpg", {"*.jpg", "*.jpeg"},
                  QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QByteArray bytes = readAll(path);
    EXPECT_EQ(IsJpegComplete(path), oracleComplete(bytes)) << path.toStdString();
    const QString cut = dir.write("cut.jpg", bytes.left(bytes.size() * 2 / 3));
    EXPECT_EQ(IsJpegComplete(cut), oracleComplete(bytes.left(bytes.size() * 2 / 3)));
    ++files;
  }
  EXPECT_GT(files, 20);
}

TEST(JpegTester, DamagedFolderAndNames) {
  EXPECT_EQ(damagedFilesFolder("", "/w/", vantorim::app::lgGerman), "/w/Defekt/");
  EXPECT_EQ(damagedFilesFolder("/t", "/w/", vantorim::app::lgEnglish), "/t/Invalid/");
  EXPECT_EQ(damagedFileName("a.jpg", 1, 120, vantorim::app::lgGerman), "Defekt001_a.jpg");
  EXPECT_EQ(damagedFileName("a.jpg", 12, 120, vantorim::app::lgGerman), "Defekt012_a.jpg");
  EXPECT_EQ(damagedFileName("a.jpg", 3, 9, vantorim::app::lgEnglish), "Invalid3_a.jpg");
  EXPECT_EQ(damagedFileName("a.jpg", 3, 10, vantorim::app::lgGerman), "Defekt03_a.jpg");
}

namespace {
struct Photos {
  TempDir dir;
  QString work, good, bad1, bad2;
  Photos() {
    work = dir.mkdir("work");
    good = dir.write("pics/good.jpg", withMarkerAt(1000, 998));
    bad1 = dir.write("pics/bad.jpg", withMarkerAt(1000, 600));
    bad2 = dir.write("pics/deep/small.jpeg", QByteArray(20, 'x'));
    dir.write("pics/deep/not-a-jpeg.txt", QByteArray(20, 'x'));
  }
  JpegTestOptions options(JpegTestOptions::Mode mode) const {
    JpegTestOptions o;
    o.mode = mode;
    o.workingDirectory = work;
    return o;
  }
};
}  // namespace

TEST(JpegTester, MoveThenUndo) {
  Photos p;
  const QStringList files = collectJpegFiles({p.dir.path("pics")});
  EXPECT_EQ(files, (QStringList{p.bad1, p.bad2, p.good}));
  const JpegTestResult r = TestJpegFiles(files, p.options(JpegTestOptions::Mode::Move));
  EXPECT_EQ(r.tested, 3);
  EXPECT_TRUE(r.undoPossible);
  EXPECT_EQ(r.damagedFolder, p.work + "/Defekt/");
  const QString m1 = p.work + "/Defekt/Defekt1_bad.jpg", m2 = p.work + "/Defekt/Defekt2_small.jpeg";
  ASSERT_EQ(r.damaged.size(), 2u);
  EXPECT_EQ(r.damaged[1].second, m2);
  EXPECT_FALSE(QFileInfo::exists(p.bad1));
  EXPECT_TRUE(QFileInfo::exists(m1));
  EXPECT_EQ(readAll(p.work + "/Protokoll.txt"),
            (p.bad1 + "\r\n" + m1 + "\r\n" + p.bad2 + "\r\n" + m2 + "\r\n").toUtf8());

  const UndoMoveResult u = UndoMove(p.work);
  EXPECT_EQ(u.restored, (QStringList{p.bad1, p.bad2}));
  EXPECT_TRUE(QFileInfo::exists(p.bad1));
  EXPECT_TRUE(QFileInfo::exists(p.bad2));
  EXPECT_FALSE(QFileInfo::exists(m1));
}

TEST(JpegTester, CopyModeWritesEmptyRecord) {
  Photos p;
  p.dir.write("work/Protokoll.txt", "old\r\nlines\r\n");
  JpegTestOptions o = p.options(JpegTestOptions::Mode::Copy);
  o.targetFolder = p.dir.mkdir("target");
  o.language = vantorim::app::lgEnglish;
  const JpegTestResult r = TestJpegFiles(collectJpegFiles({p.dir.path("pics")}), o);
  EXPECT_FALSE(r.undoPossible);
  EXPECT_TRUE(QFileInfo::exists(p.bad1));
  EXPECT_EQ(readAll(o.targetFolder + "/Invalid/Invalid1_bad.jpg"), readAll(p.bad1));
  EXPECT_EQ(readAll(p.work + "/Protokoll.txt"), QByteArray());
}

// The running numbers start at 1 again: a taken name leaves the file where it
// is, and it is not written down, so undo cannot move the other file.
TEST(JpegTester, SecondMoveIntoTakenNames) {
  Photos p;
  const JpegTestOptions o = p.options(JpegTestOptions::Mode::Move);
  TestJpegFiles({p.bad1}, o);
  const QString again = p.dir.write("pics/bad.jpg", withMarkerAt(1000, 500));
  const JpegTestResult r = TestJpegFiles({again}, o);
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_TRUE(QFileInfo::exists(again));
  EXPECT_EQ(readAll(p.work + "/Protokoll.txt"), QByteArray());
  const UndoMoveResult u = UndoMove(p.work);
  EXPECT_TRUE(u.restored.isEmpty());
  EXPECT_EQ(readAll(again), withMarkerAt(1000, 500));
  EXPECT_EQ(readAll(p.work + "/Defekt/Defekt1_bad.jpg"), withMarkerAt(1000, 600));
}

TEST(JpegTester, UndoSkipsPairsThatFail) {
  TempDir dir;
  const QString back = dir.path("x.jpg");
  const QString moved = dir.write("Defekt/Defekt1_x.jpg", "x");
  dir.write("work/Protokoll.txt",
            (dir.path("gone-from.jpg") + "\r\n" + dir.path("gone.jpg") + "\r\n" + back + "\r\n" +
             moved + "\r\nunpaired\r\n")
                .toUtf8());
  const UndoMoveResult u = UndoMove(dir.path("work"));
  EXPECT_EQ(u.restored, QStringList{back});
  EXPECT_EQ(u.failed.size(), 1u);
  EXPECT_TRUE(UndoMove(dir.path("nowhere")).recordMissing);
}

TEST(JpegReduce, ApplicationSegmentsRemovedAppZeroKept) {
  TempDir dir;
  const SampleJpeg s;
  const QString path = dir.write("p.jpg", s.bytes());
  // A second name for the old file: it keeps the old bytes when the new
  // file is put in place by a rename, never written over in place.
  const QString oldName = dir.path("old-name.jpg");
  ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(oldName).constData()), 0);
  JpegReduceOptions o;
  o.applicationSegments = true;
  o.workingDirectory = dir.mkdir("work");
  const JpegReduceResult r = ReduceJpegFiles({path}, o);
  EXPECT_EQ(r.refusal, JpegReduceResult::Refusal::None);
  EXPECT_EQ(r.savings, 2 * 0x1236);
  const QByteArray after = readAll(path);
  EXPECT_EQ(after, QByteArray("\xFF\xD8") + s.app0 + s.comment + s.comment + s.image + s.trailing);
  EXPECT_EQ(readAll(oldName), s.bytes());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"old-name.jpg", "p.jpg"}));
  EXPECT_TRUE(QFileInfo::exists(o.workingDirectory + "/ZSpeicher.kvd"));
}

TEST(JpegReduce, CommentAndTrailingData) {
  TempDir dir;
  const SampleJpeg s;
  const QString path = dir.write("p.jpg", s.bytes());
  JpegReduceOptions o;
  o.comments = true;
  o.trailingData = true;
  o.workingDirectory = dir.mkdir("work");
  const JpegReduceResult r = ReduceJpegFiles({path}, o);
  EXPECT_EQ(r.savings, s.comment.size() + 100);
  EXPECT_EQ(readAll(path), QByteArray("\xFF\xD8") + s.app0 + s.app1 + s.app1 + s.comment + s.image);
}

TEST(JpegReduce, RefusalsChangeNothing) {
  TempDir dir;
  const SampleJpeg s;
  const QString path = dir.write("p.jpg", s.bytes());
  JpegReduceOptions o;
  o.workingDirectory = dir.mkdir("work");
  EXPECT_EQ(ReduceJpegFiles({path}, o).refusal, JpegReduceResult::Refusal::NothingChosen);
  o.trailingData = true;
  o.reduceCopies = true;
  EXPECT_EQ(ReduceJpegFiles({path}, o).refusal, JpegReduceResult::Refusal::NoTargetFolder);
  EXPECT_EQ(readAll(path), s.bytes());
}

TEST(JpegReduce, CopiesAreReducedOriginalsKept) {
  TempDir dir;
  const SampleJpeg s;
  const QString path = dir.write("p.jpg", s.bytes());
  JpegReduceOptions o;
  o.trailingData = true;
  o.reduceCopies = true;
  o.targetFolder = dir.path("copies");
  o.workingDirectory = dir.mkdir("work");
  const JpegReduceResult r = ReduceJpegFiles({path}, o);
  EXPECT_EQ(r.savings, 100);
  EXPECT_EQ(readAll(path), s.bytes());
  EXPECT_EQ(readAll(o.targetFolder + "/p.jpg").size(), s.bytes().size() - 100);
}

// A segment whose length reaches past the end is left alone.
TEST(JpegReduce, TruncatedSegmentIsKept) {
  QByteArray b = QByteArray("\xFF\xD8\xFF\xE1\xFF\xF0") + QByteArray(200, 'a');
  QBuffer buf(&b);
  buf.open(QIODevice::ReadOnly);
  JpegSegment seg;
  EXPECT_EQ(findSegment(buf, b.size(), kApplicationMarkers, &seg), SegmentScan::Truncated);
  QByteArray tiny("\xFF\xE1");
  QBuffer tb(&tiny);
  tb.open(QIODevice::ReadOnly);
  EXPECT_NE(findSegment(tb, tiny.size(), kApplicationMarkers, &seg), SegmentScan::Found);
}
