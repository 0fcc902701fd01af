#pragma once
// Writing icons as icon files (one image per file, the colour depth chosen
// from the pixels) and as bitmap files, and the numbered names they get.

#include "core/formats/IconImage.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace vantorim::formats {

// Colours are 0x00RRGGBB here.
const std::vector<uint32_t>& standard16Colors();
// The 20 static colours of the standard 256-colour system palette: its
// first ten and its last ten entries.
const std::vector<uint32_t>& staticSystemColors();

struct IconDepth {
  int bitsPerPixel = 1;  // 1, 4, 8, 24 or 32
  // The palette written: 2, 16 or 256 entries; empty for 24 and 32 bits.
  std::vector<uint32_t> palette;
};

// The depth class of an icon's colour image and its palette.
IconDepth classifyIconDepth(const IconImage& image);

// The complete icon file of one image.
QByteArray encodeIconFile(const IconImage& image);
// The icon drawn at (0, 0) on a white bitmap of its size, as a 24-bit bitmap file.
QByteArray encodeBitmapFile(const IconImage& image);

// Writes the bytes to a new or replaced file; on failure nothing is left behind.
// A file name of 3 characters or fewer is refused.
bool writeIconFile(const QString& path, const IconImage& image, QString& error);
bool writeBitmapFile(const QString& path, const IconImage& image, QString& error);

// folder/<n>.<extension> for the first n counting up from `index` whose file
// does not exist yet. `folder` ends without a slash.
QString firstFreeNumberedPath(const QString& folder, int index, const QString& extension);

}  // namespace vantorim::formats
