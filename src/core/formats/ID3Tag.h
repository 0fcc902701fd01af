#pragma once
// The ID3 version 1 tag (1.0 and 1.1): the last 128 bytes of an MP3 file.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantorim::formats {

class TID3Tag {
public:
  static constexpr int kTagSize = 128;
  static constexpr int kNoGenre = 255;

  // The 126 genre names, index 0 to 125.
  static const QStringList& genres();
  // Index of a genre name compared without regard to the case of a-z; 255 when absent.
  static int genreIndex(const QString& name);
  // The name at an index, "Unknown" outside 0..125.
  static QString genreName(int index);

  // Stores the path; when it differs and the file exists, reads its tag.
  // Returns false with error() set when that read fails.
  bool setFileName(const QString& path);
  // Reads the tag of the stored file.
  bool read();
  // Writes the tag when modified, at the tag position only; clears modified.
  bool write();
  // Text of the last failure.
  QString error() const { return m_error; }

  // The fields from the 128 bytes at the end of a file (no file access).
  void parse(const QByteArray& last128);
  // The 128 bytes a write puts on disk; empty with error() set for a bad track.
  QByteArray build();

  void setTitle(const QString& v) { assign(m_title, v); }
  void setArtist(const QString& v) { assign(m_artist, v); }
  void setAlbum(const QString& v) { assign(m_album, v); }
  void setYear(const QString& v) { assign(m_year, v); }
  void setComment(const QString& v) { assign(m_comment, v); }
  void setTrack(const QString& v) { assign(m_track, v); }
  // Stores "Unknown" for a name outside the genre list.
  void setGenre(const QString& v);
  // Always marks the tag modified.
  void setNoTrack(bool v) {
    m_noTrack = v;
    m_modified = true;
  }

  QString fileName() const { return m_fileName; }
  QString title() const { return m_title; }
  QString artist() const { return m_artist; }
  QString album() const { return m_album; }
  QString year() const { return m_year; }
  QString comment() const { return m_comment; }
  QString track() const { return m_track; }
  bool noTrack() const { return m_noTrack; }
  QString genre() const { return m_genre; }
  bool tagPresent() const { return m_tagPresent; }
  qint64 tagPosition() const { return m_tagPosition; }
  bool modified() const { return m_modified; }

private:
  void assign(QString& field, const QString& v) {
    if (field == v) return;
    field = v;
    m_modified = true;
  }
  void clearFields();

  QString m_fileName;
  QString m_title, m_artist, m_album, m_year, m_comment;
  QString m_track = QStringLiteral("0");
  bool m_noTrack = true;
  QString m_genre = QStringLiteral("Unknown");
  bool m_tagPresent = false;
  qint64 m_tagPosition = 0;
  bool m_modified = false;
  QString m_error;
};

}  // namespace vantorim::formats
