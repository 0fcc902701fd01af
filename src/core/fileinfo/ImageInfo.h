#pragma once
// Reader of TIFF/EXIF image file directories: tag entries with readable values,
// trace texts, captured values and the camera makers' private notes.

#include "core/fileinfo/TagTables.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace vantorim::fileinfo {

// One tag. kind: 0 main or GPS directory, 1 maker note, 2 decoded sub-value.
struct TTagEntry {
  int kind = 0;
  quint16 tag = 0;  // for IPTC: record * 256 + dataset
  QString name;
  QString desc;
  QString code;  // decode list
  QString data;  // value text
  QByteArray raw;
  QString fmtString;
  int size = 0;       // byte count
  qint64 start = 0;   // offset of the value in the EXIF data
  Conversion conversion = Conversion::None;
  int format = 0;     // TIFF format number
  int maxLength = 0;  // IPTC only
};

// Byte-order holder for reading numbers out of the EXIF data.
class tEndInd {
public:
  bool motorola() const { return m_motorola; }
  void setMotorola(bool on) { m_motorola = on; }
  quint16 get16(const QByteArray& d, qint64 pos) const;
  quint32 get32(const QByteArray& d, qint64 pos) const;

protected:
  bool m_motorola = false;
};

// Options shared by all readers.
struct ReaderOptions {
  bool verbose = false;
  bool decode = true;
};

class TImageInfo : public tEndInd {
public:
  enum class DirKind { Main, Gps, Thumbnail };

  explicit TImageInfo(ReaderOptions options);

  // Interprets an APP1 payload ("Exif\0\0" + TIFF); returns the error text or empty.
  QString readExifSection(const QByteArray& payload);
  // Interprets a TIFF file's first block (header included).
  QString readTiffBlock(const QByteArray& block);

  void readThumbnail();

  const QByteArray& exifData() const { return m_data; }
  const std::vector<TTagEntry>& tags() const { return m_tags; }
  const std::vector<TTagEntry>& thumbnailTags() const { return m_thumbTags; }
  const std::vector<TTagEntry>& makerTags() const { return m_makerTags; }
  std::vector<const TTagEntry*> entriesOfKind(int kind) const;
  const TTagEntry* find(const QString& name) const;
  QString value(const QString& name) const;
  double numericValue(const QString& name) const;

  QString traceText() const { return m_trace; }
  QString makerTrace() const { return m_makerTrace; }
  QString thumbnailTrace() const { return m_thumbTrace; }

  // Captured values.
  QString cameraMake, cameraModel, dateTime, exifVersion;
  int width = 0, height = 0;
  qint64 widthPos = 0, heightPos = 0;
  int widthFormat = 0, heightFormat = 0;
  int flashUsed = -1;
  QString comments;
  qint64 commentOffset = 0;
  QByteArray makerNote;
  qint64 makerNoteOffset = 0;
  qint64 dateTimeDigitizedOffset = 0;
  qint64 thumbStart = 0, thumbLength = 0;
  int thumbCompression = 0;
  bool hasMakerNotes = false;
  bool tiffFile = false;

private:
  QString walkDirectory(qint64 start, DirKind kind, bool first, int depth);
  TTagEntry buildEntry(const TagRow* row, quint16 tag, int format, quint32 count,
                       const QByteArray& raw, qint64 start, bool maker) const;
  QString formatValues(int format, quint32 count, const QByteArray& raw, const QString& decode) const;
  void capture(TTagEntry& e, DirKind kind);
  void derive35mm();
  void readMakerNote();
  void walkMakerDirectory(const std::vector<TagRow>& table, qint64 dirPos, qint64 base);
  QString appendTrace(const TTagEntry& e, DirKind kind);

  ReaderOptions m_opt;
  QByteArray m_data;
  std::vector<TTagEntry> m_tags, m_thumbTags, m_makerTags;
  QString m_trace, m_makerTrace, m_thumbTrace;
  QSet<qint64> m_visited;
  bool m_thumbRecorded = false;
};

// Formats one value the way printf would, for the "%5.2f"-like formats of the tables.
QString applyNumberFormat(const QString& format, double value);
// A rational text "n/d" or "a n/d" as a number; plain numbers too.
double rationalTextValue(const QString& text);

}  // namespace vantorim::fileinfo
