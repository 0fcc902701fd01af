#pragma once
// The file header, information header (versions 3, 4 and 5) and palette of
// a Windows bitmap file, as the bitmap page shows them.

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <vector>

namespace vantorim::formats {

struct BitmapPaletteEntry {
  uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

struct BitmapHeader {
  uint16_t type = 0;
  uint32_t fileSize = 0;
  uint16_t reserved1 = 0, reserved2 = 0;
  uint32_t pixelDataOffset = 0;
  uint32_t headerSize = 0;
  int32_t width = 0, height = 0;
  uint16_t planes = 0, bitsPerPixel = 0;
  uint32_t compression = 0, imageSize = 0;
  int32_t xPixelsPerMeter = 0, yPixelsPerMeter = 0;
  uint32_t colorsUsed = 0, colorsImportant = 0;
  // Only read when the header is larger than 40 bytes.
  uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0, colorSpaceType = 0;
  // Fewer bytes than the headers need: the missing values stay zero.
  bool truncated = false;

  // "3 ", "4 " or "5 " for header sizes 40, 108 and 124; empty otherwise.
  QString headerVersionText() const;
  // 2 raised to the bits per pixel, as decimal text (not limited).
  QString maxColorsText() const;
  // 2 raised to the bits per pixel, at most 256.
  int paletteEntryCount() const;
};

struct BitmapInfoResult {
  BitmapHeader header;
  // paletteEntryCount() entries from offset 14 + header size; entries past
  // the end of the file stay zero.
  std::vector<BitmapPaletteEntry> palette;
};

BitmapInfoResult readBitmapInfo(QIODevice& file);

// Reads a file; false with `error` set when it cannot be opened.
bool readBitmapInfoFile(const QString& path, BitmapInfoResult& result, QString& error);

// The palette cell under a point of the 150 x 150 palette drawing, or -1.
int paletteCellAt(int entryCount, int x, int y);

}  // namespace vantorim::formats
