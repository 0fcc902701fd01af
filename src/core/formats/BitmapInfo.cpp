#include "core/formats/BitmapInfo.h"

#include "core/formats/ByteSource.h"

#include <QFile>

namespace vantorim::formats {

QString BitmapHeader::headerVersionText() const {
  switch (headerSize) {
    case 40: return QStringLiteral("3 ");
    case 108: return QStringLiteral("4 ");
    case 124: return QStringLiteral("5 ");
    default: return {};
  }
}

QString BitmapHeader::maxColorsText() const {
  // Decimal digits of 2^bitsPerPixel, least significant first.
  std::vector<uint8_t> digits{1};
  for (int i = 0; i < bitsPerPixel; ++i) {
    int carry = 0;
    for (auto& d : digits) {
      const int v = d * 2 + carry;
      d = uint8_t(v % 10);
      carry = v / 10;
    }
    if (carry) digits.push_back(uint8_t(carry));
  }
  QString s;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) s.append(QChar(u'0' + *it));
  return s;
}

int BitmapHeader::paletteEntryCount() const { return bitsPerPixel >= 8 ? 256 : 1 << bitsPerPixel; }

BitmapInfoResult readBitmapInfo(QIODevice& file) {
  BitmapInfoResult r;
  BitmapHeader& h = r.header;
  // 14 bytes of file header and up to 124 of information header; a short
  // file gives what is there.
  QByteArray b = file.read(14 + 124);
  if (b.size() < 14 + 124) {
    h.truncated = true;
    b.append(QByteArray(14 + 124 - b.size(), '\0'));
  }
  h.type = le16(b, 0);
  h.fileSize = le32(b, 2);
  h.reserved1 = le16(b, 6);
  h.reserved2 = le16(b, 8);
  h.pixelDataOffset = le32(b, 10);
  h.headerSize = le32(b, 14);
  h.width = int32_t(le32(b, 18));
  h.height = int32_t(le32(b, 22));
  h.planes = le16(b, 26);
  h.bitsPerPixel = le16(b, 28);
  h.compression = le32(b, 30);
  h.imageSize = le32(b, 34);
  h.xPixelsPerMeter = int32_t(le32(b, 38));
  h.yPixelsPerMeter = int32_t(le32(b, 42));
  h.colorsUsed = le32(b, 46);
  h.colorsImportant = le32(b, 50);
  if (h.headerSize > 40) {
    h.redMask = le32(b, 54);
    h.greenMask = le32(b, 58);
    h.blueMask = le32(b, 62);
    h.alphaMask = le32(b, 66);
    h.colorSpaceType = le32(b, 70);
  }
  const int count = h.paletteEntryCount();
  r.palette.resize(size_t(count));
  const qint64 at = 14 + qint64(h.headerSize);
  if (file.seek(at)) {
    const QByteArray p = file.read(qint64(count) * 4);
    for (qsizetype i = 0; i + 3 < p.size(); i += 4)
      r.palette[size_t(i / 4)] = {uint8_t(p[i]), uint8_t(p[i + 1]), uint8_t(p[i + 2]), uint8_t(p[i + 3])};
  }
  return r;
}

bool readBitmapInfoFile(const QString& path, BitmapInfoResult& result, QString& error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot open %1: %2").arg(path, f.errorString());
    return false;
  }
  result = readBitmapInfo(f);
  return true;
}

int paletteCellAt(int entryCount, int x, int y) {
  switch (entryCount) {
    case 2:
      if (y < 4 || y > 147 || x < 4 || x > 147) return -1;
      return x < 76 ? 0 : 1;
    case 16:
      for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
          if (x >= 36 * c - 32 && x < 36 * c + 2 && y >= 36 * r - 32 && y < 36 * r + 2)
            return 4 * (r - 1) + (c - 1);
      return -1;
    case 256:
      for (int r = 1; r <= 16; ++r)
        for (int c = 1; c <= 16; ++c)
          if (x >= 9 * c - 5 && x < 9 * c + 2 && y >= 9 * r - 5 && y < 9 * r + 2)
            return 16 * (r - 1) + (c - 1);
      return -1;
    default: return -1;
  }
}

}  // namespace vantorim::formats
