#pragma once
// Builders for small TIFF/EXIF and JPEG byte sequences used by the picture tests.

#include <QByteArray>
#include <QString>

#include <vector>

namespace vantorim::test {

struct IfdEntry {
  quint16 tag;
  quint16 format;
  quint32 count;
  QByteArray value;  // in the builder's byte order
};

// TIFF data: "II"/"MM", IFD0 at offset 8 and, when given, an EXIF sub-directory
// (tag 8769 added to IFD0) and a second directory linked from IFD0.
class TiffBuilder {
public:
  explicit TiffBuilder(bool motorola = false) : m_mm(motorola) {}
  TiffBuilder& main(quint16 tag, quint16 format, quint32 count, const QByteArray& value) {
    m_ifd0.push_back({tag, format, count, value});
    return *this;
  }
  TiffBuilder& exif(quint16 tag, quint16 format, quint32 count, const QByteArray& value) {
    m_exif.push_back({tag, format, count, value});
    return *this;
  }
  TiffBuilder& next(quint16 tag, quint16 format, quint32 count, const QByteArray& value) {
    m_next.push_back({tag, format, count, value});
    return *this;
  }
  TiffBuilder& padding(int bytes) {
    m_padding = bytes;
    return *this;
  }

  QByteArray u16(quint32 v) const {
    QByteArray b(2, 0);
    b[m_mm ? 0 : 1] = char(v >> 8 & 0xFF);
    b[m_mm ? 1 : 0] = char(v & 0xFF);
    return b;
  }
  QByteArray u32(quint32 v) const {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i) b[m_mm ? 3 - i : i] = char(v >> (8 * i) & 0xFF);
    return b;
  }
  QByteArray rational(qint32 n, qint32 d) const { return u32(quint32(n)) + u32(quint32(d)); }
  static QByteArray ascii(const char* s) { return QByteArray(s) + '\0'; }

  QByteArray build() const {
    QByteArray out = m_mm ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
    out += u32(8);
    std::vector<IfdEntry> ifd0 = m_ifd0;
    if (!m_exif.empty()) ifd0.push_back({0x8769, 4, 1, u32(0)});  // patched below
    const qint64 ifd0Size = dirSize(ifd0);
    const qint64 exifAt = 8 + ifd0Size;
    const qint64 nextAt = exifAt + (m_exif.empty() ? 0 : dirSize(m_exif)) + m_padding;
    if (!m_exif.empty()) ifd0.back().value = u32(quint32(exifAt));
    out += directory(ifd0, 8, m_next.empty() ? 0 : nextAt);
    if (!m_exif.empty()) out += directory(m_exif, exifAt, 0);
    out += QByteArray(m_padding, '\0');
    if (!m_next.empty()) out += directory(m_next, nextAt, 0);
    return out;
  }

private:
  static qint64 dirSize(const std::vector<IfdEntry>& e) {
    qint64 n = 2 + 12 * qint64(e.size()) + 4;
    for (const auto& x : e)
      if (x.value.size() > 4) n += x.value.size();
    return n;
  }
  QByteArray directory(const std::vector<IfdEntry>& entries, qint64 at, qint64 link) const {
    QByteArray dir = u16(quint32(entries.size()));
    QByteArray data;
    qint64 dataAt = at + 2 + 12 * qint64(entries.size()) + 4;
    for (const auto& e : entries) {
      dir += u16(e.tag) + u16(e.format) + u32(e.count);
      if (e.value.size() <= 4) {
        dir += e.value + QByteArray(4 - e.value.size(), '\0');
      } else {
        dir += u32(quint32(dataAt + data.size()));
        data += e.value;
      }
    }
    return dir + u32(quint32(link)) + data;
  }

  bool m_mm;
  int m_padding = 0;
  std::vector<IfdEntry> m_ifd0, m_exif, m_next;
};

// One JPEG segment: FF, marker, length, payload.
inline QByteArray segment(int marker, const QByteArray& payload) {
  const int len = int(payload.size()) + 2;
  QByteArray s;
  s.append(char(0xFF)).append(char(marker)).append(char(len >> 8)).append(char(len & 0xFF));
  return s + payload;
}

inline QByteArray exifSegment(const QByteArray& tiff) {
  return segment(0xE1, QByteArray("Exif\0\0", 6) + tiff);
}

inline QByteArray jfifSegment(int major = 1, int minor = 2, int unit = 1, int dx = 72, int dy = 72,
                              int tw = 0, int th = 0) {
  QByteArray p("JFIF\0", 5);
  p.append(char(major)).append(char(minor)).append(char(unit));
  p.append(char(dx >> 8)).append(char(dx & 0xFF)).append(char(dy >> 8)).append(char(dy & 0xFF));
  p.append(char(tw)).append(char(th));
  p += QByteArray(tw * th * 3, '\x10');
  return segment(0xE0, p);
}

// A frame header, a scan header and some entropy-coded bytes with a stuffed FF 00.
inline QByteArray frameAndScan(int width = 16, int height = 8) {
  QByteArray sof;
  sof.append(char(8)).append(char(height >> 8)).append(char(height & 0xFF));
  sof.append(char(width >> 8)).append(char(width & 0xFF)).append(char(1));
  sof.append("\x01\x11\x00", 3);
  QByteArray s = segment(0xDB, QByteArray(65, '\x01')) + segment(0xC0, sof);
  s += segment(0xDA, QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
  s += QByteArray("\x12\x34\xFF\x00\x56\x78\x9A\xBC\xDE\xF0\x11\x22", 12);
  s += QByteArray("\xFF\xD9", 2);
  return s;
}

inline QByteArray jpeg(const QByteArray& segments) { return QByteArray("\xFF\xD8", 2) + segments; }

}  // namespace vantorim::test
