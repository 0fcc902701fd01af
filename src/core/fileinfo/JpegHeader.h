#pragma once
// JFIF header values of a JPEG file: marker positions, frame size, density, comment.

#include <QIODevice>
#include <QString>

#include <map>

namespace vantorim::fileinfo {

class TJPEGHeader {
public:
  struct Marker {
    bool found = false;
    qint64 position = 0;  // offset of the length field (after the marker for SOI and EOI)
    int length = 0;
  };
  // The markers whose found flag, position and length are recorded.
  static constexpr int kMarkers[] = {0xC0, 0xD8, 0xD9, 0xE0, 0xE1, 0xE2, 0xEC, 0xED, 0xEE, 0xFE};

  QString filename() const { return m_filename; }
  // Stores the name and reads the file when it exists.
  void setFilename(const QString& name);
  void read(QIODevice& device);
  void clear();

  qint64 fileSize = 0;
  std::map<int, Marker> markers;
  int imageHeight = 0, imageWidth = 0, components = 0;
  QString jfifVersion, densityUnit;
  int densityX = 0, densityY = 0;
  int thumbnailWidth = 0, thumbnailHeight = 0;
  QString app13Identifier;
  int app13Length = 0;
  QString comment;

  Marker marker(int code) const;

private:
  QString m_filename;
};

}  // namespace vantorim::fileinfo
