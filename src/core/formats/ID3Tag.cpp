#include "core/formats/ID3Tag.h"

#include "core/common/TextFile.h"
#include "core/formats/TextCodecs.h"

#include <QFile>
#include <QFileInfo>

namespace vantorim::formats {

namespace {

const char* const kGenres[] = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz",
    "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno",
    "Industrial", "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno",
    "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental",
    "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise", "AlternRock", "Bass", "Soul", "Punk",
    "Space", "Meditative", "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic", "Darkwave",
    "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy",
    "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle", "Native American",
    "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal",
    "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock", "Folk",
    "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival", "Celtic",
    "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock",
    "Symphonic Rock", "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour",
    "Speech", "Chanson", "Opera", "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus",
    "Porn Groove", "Satire", "Slow Jam", "Club", "Tango", "Samba", "Folklore", "Ballad",
    "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet", "Punk Rock", "Drum Solo", "Acapella",
    "Euro-House", "Dance Hall"};
static_assert(sizeof(kGenres) / sizeof(kGenres[0]) == 126);

// Only a-z and A-Z fold; every other character compares exactly.
QString foldAsciiCase(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c >= u'A' && c <= u'Z') c = QChar(char16_t(c.unicode() + 32));
  return r;
}

QString textField(const QByteArray& tag, int offset, int length) {
  QByteArray b = tag.mid(offset, length);
  const qsizetype zero = b.indexOf('\0');
  if (zero >= 0) b.truncate(zero);
  while (!b.isEmpty() && static_cast<unsigned char>(b.back()) <= 32) b.chop(1);
  return common::decodeWindows1252(b);
}

void putField(QByteArray& tag, int offset, int length, const QString& value) {
  const QByteArray bytes = encodeCp1252(value).left(length);
  for (int i = 0; i < length; ++i) tag[offset + i] = i < bytes.size() ? bytes[i] : ' ';
}

}  // namespace

const QStringList& TID3Tag::genres() {
  static const QStringList list = [] {
    QStringList l;
    for (const char* g : kGenres) l << QString::fromLatin1(g);
    return l;
  }();
  return list;
}

int TID3Tag::genreIndex(const QString& name) {
  const QString key = foldAsciiCase(name);
  const QStringList& list = genres();
  for (int i = 0; i < list.size(); ++i)
    if (foldAsciiCase(list[i]) == key) return i;
  return kNoGenre;
}

QString TID3Tag::genreName(int index) {
  if (index >= 0 && index < genres().size()) return genres()[index];
  return QStringLiteral("Unknown");
}

void TID3Tag::setGenre(const QString& v) {
  const int i = genreIndex(v);
  assign(m_genre, i == kNoGenre ? QStringLiteral("Unknown") : v);
}

bool TID3Tag::setFileName(const QString& path) {
  if (path == m_fileName) return true;
  m_fileName = path;
  if (QFileInfo::exists(path)) return read();
  return true;
}

void TID3Tag::clearFields() {
  m_title.clear();
  m_artist.clear();
  m_album.clear();
  m_year.clear();
  m_comment.clear();
  m_track = QStringLiteral("0");
  m_noTrack = true;
  m_genre = genreName(kNoGenre);
}

void TID3Tag::parse(const QByteArray& tag) {
  if (tag.size() != kTagSize || !tag.startsWith("TAG")) {
    m_tagPresent = false;
    clearFields();
    return;
  }
  m_tagPresent = true;
  m_title = textField(tag, 3, 30);
  m_artist = textField(tag, 33, 30);
  m_album = textField(tag, 63, 30);
  m_year = textField(tag, 93, 4);
  const auto marker = static_cast<unsigned char>(tag[125]);
  const auto trackByte = static_cast<unsigned char>(tag[126]);
  if (marker != 0 || trackByte == 0) {
    m_noTrack = true;
    m_track = QStringLiteral("0");
    m_comment = textField(tag, 97, 30);
  } else {
    m_noTrack = false;
    m_track = QString::number(trackByte);
    m_comment = textField(tag, 97, 28);
  }
  m_genre = genreName(static_cast<unsigned char>(tag[127]));
}

bool TID3Tag::read() {
  m_error.clear();
  QFile f(m_fileName);
  if (!f.open(QIODevice::ReadOnly)) {
    m_error = QStringLiteral("cannot open %1: %2").arg(m_fileName, f.errorString());
    return false;
  }
  const qint64 size = f.size();
  QByteArray tag;
  if (size >= kTagSize) {
    if (!f.seek(size - kTagSize) || (tag = f.read(kTagSize)).size() != kTagSize) {
      m_error = QStringLiteral("cannot read %1: %2").arg(m_fileName, f.errorString());
      return false;
    }
  }
  parse(tag);
  m_tagPosition = m_tagPresent ? size - kTagSize : size;
  m_modified = false;
  return true;
}

QByteArray TID3Tag::build() {
  QByteArray tag(kTagSize, ' ');
  tag[0] = 'T';
  tag[1] = 'A';
  tag[2] = 'G';
  putField(tag, 3, 30, m_title);
  putField(tag, 33, 30, m_artist);
  putField(tag, 63, 30, m_album);
  putField(tag, 93, 4, m_year);
  putField(tag, 97, 30, m_comment);
  if (!m_noTrack) {
    bool ok = false;
    const int track = m_track.trimmed().toInt(&ok);
    if (!ok) {
      m_error = QStringLiteral("'%1' is not a valid track number").arg(m_track);
      return {};
    }
    tag[125] = '\0';
    tag[126] = char(track & 0xFF);
  }
  tag[127] = char(genreIndex(m_genre));
  return tag;
}

bool TID3Tag::write() {
  m_error.clear();
  if (!m_modified) return true;
  const QByteArray tag = build();
  if (tag.isEmpty()) return false;
  QFile f(m_fileName);
  if (!f.exists()) {
    m_error = QStringLiteral("%1 does not exist").arg(m_fileName);
    return false;
  }
  if (!f.open(QIODevice::ReadWrite)) {
    m_error = QStringLiteral("cannot open %1 for writing: %2").arg(m_fileName, f.errorString());
    return false;
  }
  // The tag position was taken when the tag was read; a file that has shrunk
  // below it since must not get a hole.
  if (f.size() < kTagSize) {
    m_error = QStringLiteral("%1 is shorter than 128 bytes, too short for an MP3 file; no tag written")
                  .arg(m_fileName);
    return false;
  }
  if (m_tagPosition > f.size()) {
    m_error = QStringLiteral("%1 has changed on disk; read its tag again").arg(m_fileName);
    return false;
  }
  if (!f.seek(m_tagPosition) || f.write(tag) != kTagSize || !f.flush()) {
    m_error = QStringLiteral("cannot write the tag of %1: %2").arg(m_fileName, f.errorString());
    return false;
  }
  f.close();
  m_tagPresent = true;
  m_modified = false;
  return true;
}

}  // namespace vantorim::formats
