#include "core/fileinfo/JpegHeader.h"

#include <QFile>

#include <cmath>

namespace vantorim::fileinfo {

namespace {

constexpr int kCommentBuffer = 256;

QString textUntil0(const QByteArray& b) {
  const int z = b.indexOf('\0');
  QString s = QString::fromLatin1(z < 0 ? b : b.left(z));
  while (s.endsWith(' ')) s.chop(1);
  return s;
}

QByteArray readAt(QIODevice& dev, qint64 pos, qint64 n) {
  if (pos < 0 || !dev.seek(pos)) return {};
  return dev.read(n);
}

int be16(const QByteArray& b, int at) {
  return at + 2 <= b.size() ? (uchar(b[at]) << 8 | uchar(b[at + 1])) : 0;
}

}  // namespace

void TJPEGHeader::clear() {
  fileSize = 0;
  markers.clear();
  imageHeight = imageWidth = components = 0;
  jfifVersion.clear();
  densityUnit.clear();
  densityX = densityY = thumbnailWidth = thumbnailHeight = 0;
  app13Identifier.clear();
  app13Length = 0;
  comment.clear();
}

TJPEGHeader::Marker TJPEGHeader::marker(int code) const {
  const auto it = markers.find(code);
  return it == markers.end() ? Marker{} : it->second;
}

void TJPEGHeader::setFilename(const QString& name) {
  m_filename = name;
  QFile file(name);
  if (file.exists() && file.open(QIODevice::ReadOnly)) read(file);
  else clear();
}

void TJPEGHeader::read(QIODevice& dev) {
  clear();
  const qint64 size = dev.size();
  if (readAt(dev, 0, 4) != QByteArray("\xFF\xD8\xFF\xE0", 4)) return;
  fileSize = size;
  auto recorded = [](int m) {
    for (int k : kMarkers)
      if (k == m) return true;
    return false;
  };
  qint64 offset = 0;
  while (offset < size) {
    const QByteArray b = readAt(dev, offset, 4);
    if (b.size() < 2 || uchar(b[0]) != 0xFF) break;
    offset += 4;
    const int m = uchar(b[1]);
    if (m == 0xD8 || m == 0xD9) {
      offset -= 2;
      markers[m] = {true, offset, 0};
      continue;
    }
    if (b.size() < 4) break;
    const int length = be16(b, 2);
    if (recorded(m)) markers[m] = {true, offset - 2, length};
    if (length < 2) break;  // a length that does not move forward ends the walk
    offset += length - 2;
  }
  if (const Marker sof = marker(0xC0); sof.found) {
    const QByteArray d = readAt(dev, sof.position + 2, 6);
    if (d.size() == 6) {
      imageHeight = be16(d, 1);
      imageWidth = be16(d, 3);
      components = uchar(d[5]);
    }
  }
  if (const Marker app0 = marker(0xE0); app0.found) {
    // length, "JFIF\0", major, minor, units, Xdensity, Ydensity, Xthumb, Ythumb
    const QByteArray d = readAt(dev, app0.position + 2, 12);
    if (d.size() == 12) {
      jfifVersion = QString::number(uchar(d[5])) + "." + QString::number(uchar(d[6]));
      const int unit = uchar(d[7]);
      densityUnit = unit == 1 ? "dpi" : unit == 2 ? "dpcm" : "";
      densityX = be16(d, 8);
      densityY = be16(d, 10);
    }
    const QByteArray t = readAt(dev, app0.position + 14, 2);
    if (t.size() == 2) {
      thumbnailWidth = uchar(t[0]);
      thumbnailHeight = uchar(t[1]);
    }
  }
  if (const Marker app13 = marker(0xED); app13.found) {
    app13Length = app13.length;
    app13Identifier = textUntil0(readAt(dev, app13.position + 2, std::min(15, std::max(0, app13.length - 2))));
  }
  if (const Marker com = marker(0xFE); com.found) {
    const int n = std::min(kCommentBuffer - 1, std::max(0, com.length - 2));
    comment = textUntil0(readAt(dev, com.position + 2, n));
  }
  if (size > 25) {
    const qint64 low = qint64(std::llround(0.75 * double(size)));
    // Backwards in blocks; a block overlaps the next by one byte so a pair across them is seen.
    constexpr qint64 kBlock = 64 * 1024;
    qint64 hi = size - 2;  // highest offset of an FF byte to test
    while (hi > low) {
      const qint64 lo = std::max(low + 1, hi - kBlock + 1);
      const QByteArray d = readAt(dev, lo, hi - lo + 2);
      bool found = false;
      for (qint64 pos = std::min(hi, lo + qint64(d.size()) - 2); pos >= lo; --pos) {
        const qint64 i = pos - lo;
        if (uchar(d[i]) == 0xFF && uchar(d[i + 1]) == 0xD9) {
          markers[0xD9] = {true, pos + 1, 0};
          found = true;
          break;
        }
      }
      if (found || d.size() < hi - lo + 2) break;
      hi = lo - 1;
    }
  }
}

}  // namespace vantorim::fileinfo
