#include "core/formats/ID3Tag.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using vantorim::formats::TID3Tag;
using vantorim::test::readAll;
using vantorim::test::TempDir;

namespace {

QByteArray audio(int n) { return QByteArray(n, '\xAB'); }

QByteArray field(const QByteArray& text, int length) {
  QByteArray b = text.left(length);
  b.append(QByteArray(length - b.size(), '\0'));
  return b;
}

QByteArray makeTag(const QByteArray& title, uint8_t b125, uint8_t b126, uint8_t genre) {
  QByteArray t = "TAG" + field(title, 30) + field("Artist", 30) + field("Album", 30) + field("1999", 4) +
                 field("Comment", 28);
  t.append(char(b125));
  t.append(char(b126));
  t.append(char(genre));
  return t;
}

}  // namespace

TEST(ID3TagTest, ReadsVersion11AndTreatsTrackZeroAsVersion10) {
  TempDir dir;
  struct Case {
    uint8_t b125, b126;
    bool noTrack;
    const char* track;
  } cases[] = {{0, 7, false, "7"}, {0, 0, true, "0"}, {'x', 7, true, "0"}};
  for (const Case& c : cases) {
    const QString path = dir.write(QStringLiteral("a%1%2.mp3").arg(c.b125).arg(c.b126),
                                   audio(300) + makeTag("Song  \t", c.b125, c.b126, 3));
    TID3Tag tag;
    ASSERT_TRUE(tag.setFileName(path));
    EXPECT_TRUE(tag.tagPresent());
    EXPECT_EQ(tag.title(), "Song");
    EXPECT_EQ(tag.artist(), "Artist");
    EXPECT_EQ(tag.year(), "1999");
    EXPECT_EQ(tag.noTrack(), c.noTrack);
    EXPECT_EQ(tag.track(), c.track);
    EXPECT_EQ(tag.genre(), "Dance");
    EXPECT_EQ(tag.tagPosition(), 300);
    EXPECT_FALSE(tag.modified());
  }
}

TEST(ID3TagTest, NoTagGivesEmptyFieldsAndUnknownGenre) {
  TempDir dir;
  for (int size : {0, 50, 400}) {
    const QString path = dir.write(QStringLiteral("n%1.mp3").arg(size), audio(size));
    TID3Tag tag;
    ASSERT_TRUE(tag.setFileName(path));
    EXPECT_FALSE(tag.tagPresent());
    EXPECT_EQ(tag.tagPosition(), size);
    EXPECT_EQ(tag.title(), "");
    EXPECT_EQ(tag.track(), "0");
    EXPECT_TRUE(tag.noTrack());
    EXPECT_EQ(tag.genre(), "Unknown");
  }
}

TEST(ID3TagTest, AppendsThenReplacesTagInPlace) {
  TempDir dir;
  const QByteArray body = audio(1000);
  const QString path = dir.write("s.mp3", body);
  TID3Tag tag;
  ASSERT_TRUE(tag.setFileName(path));
  tag.setTitle(QString(30, u'T'));
  tag.setArtist("Someone");
  tag.setGenre("dance");
  tag.setNoTrack(false);
  tag.setTrack("12");
  ASSERT_TRUE(tag.write()) << tag.error().toStdString();
  QByteArray bytes = readAll(path);
  ASSERT_EQ(bytes.size(), 1128);
  EXPECT_EQ(bytes.left(1000), body);
  const QByteArray t = bytes.mid(1000);
  EXPECT_EQ(t.left(3), "TAG");
  EXPECT_EQ(t.mid(3, 30), QByteArray(30, 'T'));  // no terminating zero
  EXPECT_EQ(t.mid(33, 30), "Someone" + QByteArray(23, ' '));
  EXPECT_EQ(t[125], '\0');
  EXPECT_EQ(uint8_t(t[126]), 12);
  EXPECT_EQ(uint8_t(t[127]), 3);
  EXPECT_FALSE(tag.modified());

  // Read back and write again: the same place, the file keeps its size.
  TID3Tag again;
  ASSERT_TRUE(again.setFileName(path));
  EXPECT_EQ(again.tagPosition(), 1000);
  again.setTitle(QString(31, u'x'));
  again.setGenre("No Such Genre");
  EXPECT_EQ(again.genre(), "Unknown");
  ASSERT_TRUE(again.write());
  bytes = readAll(path);
  ASSERT_EQ(bytes.size(), 1128);
  EXPECT_EQ(bytes.mid(1003, 30), QByteArray(30, 'x'));
  EXPECT_EQ(uint8_t(bytes[1127]), 255);
  TID3Tag third;
  ASSERT_TRUE(third.setFileName(path));
  EXPECT_EQ(third.title(), QString(30, u'x'));
  EXPECT_EQ(third.genre(), "Unknown");
  EXPECT_EQ(third.track(), "12");
}

TEST(ID3TagTest, WriteOnlyWhenModifiedAndSettersTrackChanges) {
  TempDir dir;
  const QString path = dir.write("m.mp3", audio(200) + makeTag("Song", 0, 1, 0));
  const QByteArray before = readAll(path);
  TID3Tag tag;
  ASSERT_TRUE(tag.setFileName(path));
  tag.setTitle("Song");
  EXPECT_FALSE(tag.modified());
  ASSERT_TRUE(tag.write());
  EXPECT_EQ(readAll(path), before);
  tag.setNoTrack(true);
  EXPECT_TRUE(tag.modified());
}

TEST(ID3TagTest, GenreIndexFoldsAsciiCaseOnly) {
  EXPECT_EQ(TID3Tag::genres().size(), 126);
  EXPECT_EQ(TID3Tag::genreIndex("dance"), 3);
  EXPECT_EQ(TID3Tag::genreIndex("HARD ROCK"), 79);
  EXPECT_EQ(TID3Tag::genreIndex("Dance Hall"), 125);
  EXPECT_EQ(TID3Tag::genreIndex("Polka!"), 255);
  EXPECT_EQ(TID3Tag::genreName(126), "Unknown");
}

TEST(ID3TagTest, ErrorsAreClearAndNothingChanges) {
  TempDir dir;
  const QString tiny = dir.write("tiny.mp3", audio(20));
  TID3Tag tag;
  ASSERT_TRUE(tag.setFileName(tiny));
  tag.setTitle("x");
  EXPECT_FALSE(tag.write());
  EXPECT_TRUE(tag.error().contains("shorter than 128")) << tag.error().toStdString();
  EXPECT_EQ(readAll(tiny).size(), 20);

  TID3Tag bad;
  const QString p = dir.write("bad.mp3", audio(500));
  ASSERT_TRUE(bad.setFileName(p));
  bad.setNoTrack(false);
  bad.setTrack("seven");
  EXPECT_FALSE(bad.write());
  EXPECT_EQ(readAll(p).size(), 500);

  TID3Tag gone;
  const QString vanishing = dir.write("gone.mp3", audio(500));
  ASSERT_TRUE(gone.setFileName(vanishing));
  QFile::remove(vanishing);
  gone.setTitle("x");
  EXPECT_FALSE(gone.write());
  EXPECT_FALSE(QFile::exists(vanishing));

  const QString ro = dir.write("ro.mp3", audio(500));
  TID3Tag r;
  ASSERT_TRUE(r.setFileName(ro));
  QFile::setPermissions(ro, QFile::ReadOwner);
  r.setTitle("x");
  if (QFile(ro).open(QIODevice::ReadWrite)) GTEST_SKIP() << "the read-only case needs a user without rights over permissions";
  EXPECT_FALSE(r.write());
  EXPECT_FALSE(r.error().isEmpty());
  EXPECT_EQ(readAll(ro).size(), 500);
}

TEST(ID3TagTest, AgreesWithId3v2Tool) {
  const QString tool = QStandardPaths::findExecutable("id3v2");
  if (tool.isEmpty()) GTEST_SKIP() << "id3v2 is not installed";
  TempDir dir;
  // Written by the tool, read here.
  const QString theirs = dir.write("theirs.mp3", audio(600));
  QProcess p;
  p.start(tool, {"-1", "-t", "Their Title", "-a", "Their Artist", "-A", "Album", "-y", "2004", "-T", "5",
                 "-g", "17", theirs});
  ASSERT_TRUE(p.waitForFinished(10000));
  TID3Tag tag;
  ASSERT_TRUE(tag.setFileName(theirs));
  ASSERT_TRUE(tag.tagPresent());
  EXPECT_EQ(tag.title(), "Their Title");
  EXPECT_EQ(tag.artist(), "Their Artist");
  EXPECT_EQ(tag.year(), "2004");
  EXPECT_EQ(tag.track(), "5");
  EXPECT_EQ(tag.genre(), "Rock");

  // Written here, listed by the tool.
  const QString ours = dir.write("ours.mp3", audio(600));
  TID3Tag w;
  ASSERT_TRUE(w.setFileName(ours));
  w.setTitle("Our Title");
  w.setArtist("Our Artist");
  w.setGenre("jazz");
  w.setNoTrack(false);
  w.setTrack("9");
  ASSERT_TRUE(w.write());
  p.start(tool, {"-l", ours});
  ASSERT_TRUE(p.waitForFinished(10000));
  const QString listing = QString::fromUtf8(p.readAllStandardOutput());
  EXPECT_TRUE(listing.contains("Our Title")) << listing.toStdString();
  EXPECT_TRUE(listing.contains("Our Artist")) << listing.toStdString();
  EXPECT_TRUE(listing.contains("Jazz")) << listing.toStdString();
  EXPECT_TRUE(listing.contains("Track: 9")) << listing.toStdString();
}
