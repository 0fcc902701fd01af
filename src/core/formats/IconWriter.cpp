#include "core/formats/IconWriter.h"

#include "core/formats/ByteSource.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <unordered_map>

namespace vantorim::formats {

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kFreePaletteEntries = 236;  // entries 10 to 245

int rowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

bool saveBytes(const QString& path, const QByteArray& bytes, QString& error) {
  if (path.size() <= 3) {
    error = QStringLiteral("file name too short: %1").arg(path);
    return false;
  }
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
    error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
    return false;
  }
  return true;
}

}  // namespace

const std::vector<uint32_t>& standard16Colors() {
  static const std::vector<uint32_t> c{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                       0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                       0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return c;
}

const std::vector<uint32_t>& staticSystemColors() {
  static const std::vector<uint32_t> c{
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
      0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return c;
}

IconDepth classifyIconDepth(const IconImage& image) {
  const auto& std16 = standard16Colors();
  const auto& statics = staticSystemColors();
  int depth = 1;
  std::vector<uint32_t> collected;
  std::unordered_map<uint32_t, bool> known;  // static and collected colours
  for (uint32_t s : statics) known[s] = true;
  for (uint32_t px : image.color) {
    if (px >> 24) {
      depth = 32;
      break;
    }
    const uint32_t rgb = px & 0xFFFFFF;
    if (rgb == kBlack || rgb == kWhite) continue;
    if (depth == 1) depth = 4;
    if (std::find(std16.begin(), std16.end(), rgb) != std16.end()) continue;
    if (depth == 4) depth = 8;
    if (known.count(rgb)) continue;
    if (int(collected.size()) == kFreePaletteEntries) {
      depth = 24;
      break;
    }
    collected.push_back(rgb);
    known[rgb] = true;
  }
  IconDepth d;
  d.bitsPerPixel = depth;
  if (depth == 1) d.palette = {kBlack, kWhite};
  if (depth == 4) d.palette = std16;
  if (depth == 8) {
    d.palette.assign(256, kBlack);
    std::copy(statics.begin(), statics.begin() + 10, d.palette.begin());
    std::copy(collected.begin(), collected.end(), d.palette.begin() + 10);
    std::copy(statics.begin() + 10, statics.end(), d.palette.begin() + 246);
  }
  return d;
}

QByteArray encodeIconFile(const IconImage& image) {
  if (!image.isValid()) return {};
  const IconDepth depth = classifyIconDepth(image);
  const int w = image.width;
  const int h = image.height;
  const int bits = depth.bitsPerPixel;
  const int stride = rowBytes(w, bits);
  const int maskStride = rowBytes(w, 1);
  const int paletteSize = int(depth.palette.size());
  const uint32_t colorBytes = uint32_t(stride) * uint32_t(h);
  const uint32_t imageBytes = 40 + 4 * uint32_t(paletteSize) + colorBytes + uint32_t(maskStride) * uint32_t(h);

  QByteArray out(22 + qsizetype(imageBytes), '\0');
  putLe16(out, 0, 0);
  putLe16(out, 2, 1);
  putLe16(out, 4, 1);
  out[6] = char(w & 0xFF);
  out[7] = char(h & 0xFF);
  out[8] = char(bits == 1 ? 2 : bits == 4 ? 16 : 0);
  out[9] = 0;
  putLe16(out, 10, 1);
  putLe16(out, 12, uint32_t(bits));
  putLe32(out, 14, imageBytes);
  putLe32(out, 18, 22);

  const qsizetype hdr = 22;
  putLe32(out, hdr, 40);
  putLe32(out, hdr + 4, uint32_t(w));
  // Twice the real height: the low byte alone would give 0 for 256-pixel icons.
  putLe32(out, hdr + 8, uint32_t(2 * h));
  putLe16(out, hdr + 12, 1);
  putLe16(out, hdr + 14, uint32_t(bits));
  putLe32(out, hdr + 16, 0);
  putLe32(out, hdr + 20, colorBytes);
  putLe32(out, hdr + 32, uint32_t(paletteSize));
  putLe32(out, hdr + 36, uint32_t(paletteSize));
  qsizetype at = hdr + 40;
  for (uint32_t c : depth.palette) {
    out[at] = char(c & 0xFF);
    out[at + 1] = char((c >> 8) & 0xFF);
    out[at + 2] = char((c >> 16) & 0xFF);
    out[at + 3] = 0;
    at += 4;
  }
  std::unordered_map<uint32_t, int> indexOf;
  for (int i = paletteSize - 1; i >= 0; --i) indexOf[depth.palette[size_t(i)]] = i;

  const qsizetype colorAt = at;
  const qsizetype maskAt = colorAt + qsizetype(colorBytes);
  for (int row = 0; row < h; ++row) {
    const int y = h - 1 - row;  // bottom-up
    char* line = out.data() + colorAt + qsizetype(stride) * row;
    char* mline = out.data() + maskAt + qsizetype(maskStride) * row;
    for (int x = 0; x < w; ++x) {
      const uint32_t px = image.pixel(x, y);
      const uint32_t rgb = px & 0xFFFFFF;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const auto it = indexOf.find(rgb);
          const int idx = it == indexOf.end() ? 0 : it->second;
          const int perByte = 8 / bits;
          const int shift = 8 - bits * (x % perByte + 1);
          line[x / perByte] = char(uint8_t(line[x / perByte]) | uint8_t(idx << shift));
          break;
        }
        case 24:
          line[3 * x] = char(rgb & 0xFF);
          line[3 * x + 1] = char((rgb >> 8) & 0xFF);
          line[3 * x + 2] = char((rgb >> 16) & 0xFF);
          break;
        default:
          line[4 * x] = char(px & 0xFF);
          line[4 * x + 1] = char((px >> 8) & 0xFF);
          line[4 * x + 2] = char((px >> 16) & 0xFF);
          line[4 * x + 3] = char((px >> 24) & 0xFF);
          break;
      }
      if (image.masked(x, y)) mline[x / 8] = char(uint8_t(mline[x / 8]) | uint8_t(0x80 >> (x % 8)));
    }
  }
  return out;
}

QByteArray encodeBitmapFile(const IconImage& image) {
  if (!image.isValid()) return {};
  const int w = image.width;
  const int h = image.height;
  const int stride = rowBytes(w, 24);
  const uint32_t pixelBytes = uint32_t(stride) * uint32_t(h);
  QByteArray out(54 + qsizetype(pixelBytes), '\0');
  out[0] = 'B';
  out[1] = 'M';
  putLe32(out, 2, 54 + pixelBytes);
  putLe32(out, 10, 54);
  putLe32(out, 14, 40);
  putLe32(out, 18, uint32_t(w));
  putLe32(out, 22, uint32_t(h));
  putLe16(out, 26, 1);
  putLe16(out, 28, 24);
  putLe32(out, 34, pixelBytes);
  putLe32(out, 38, 2835);  // 72 dots per inch
  putLe32(out, 42, 2835);
  const bool alphaImage = std::any_of(image.color.begin(), image.color.end(), [](uint32_t p) { return p >> 24; });
  for (int row = 0; row < h; ++row) {
    const int y = h - 1 - row;
    char* line = out.data() + 54 + qsizetype(stride) * row;
    for (int x = 0; x < w; ++x) {
      const uint32_t px = image.pixel(x, y);
      uint32_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
      const uint32_t a = px >> 24;
      if (alphaImage) {
        // Blended over the white background.
        r = (r * a + 255 * (255 - a)) / 255;
        g = (g * a + 255 * (255 - a)) / 255;
        b = (b * a + 255 * (255 - a)) / 255;
      } else if (image.masked(x, y)) {
        // Mask bit set: the white background, inverted by the colour bits.
        r ^= 0xFF;
        g ^= 0xFF;
        b ^= 0xFF;
      }
      line[3 * x] = char(b);
      line[3 * x + 1] = char(g);
      line[3 * x + 2] = char(r);
    }
  }
  return out;
}

bool writeIconFile(const QString& path, const IconImage& image, QString& error) {
  if (!image.isValid()) {
    error = QStringLiteral("the icon has no image");
    return false;
  }
  return saveBytes(path, encodeIconFile(image), error);
}

bool writeBitmapFile(const QString& path, const IconImage& image, QString& error) {
  if (!image.isValid()) {
    error = QStringLiteral("the icon has no image");
    return false;
  }
  return saveBytes(path, encodeBitmapFile(image), error);
}

QString firstFreeNumberedPath(const QString& folder, int index, const QString& extension) {
  for (int n = index;; ++n) {
    const QString p = QStringLiteral("%1/%2.%3").arg(folder).arg(n).arg(extension);
    if (!QFileInfo::exists(p)) return p;
  }
}

}  // namespace vantorim::formats
