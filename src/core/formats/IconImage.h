#pragma once
// One icon as the system keeps it: a colour image and a 1-bit mask, in
// plain buffers so that core needs no GUI library.

#include <QString>

#include <cstdint>
#include <vector>

namespace vantorim::formats {

struct IconImage {
  int width = 0;
  int height = 0;
  // 0xAARRGGBB per pixel, rows top-down. The alpha byte is the image's own:
  // zero for images of 24 bits and fewer.
  std::vector<uint32_t> color;
  // One byte per pixel, rows top-down: 1 where the mask bit is set
  // (the screen shows through), 0 where the colour pixel is drawn.
  std::vector<uint8_t> mask;
  // Bits per pixel of the image the icon was read from.
  int sourceBitsPerPixel = 0;

  bool isValid() const {
    return width > 0 && height > 0 && color.size() == size_t(width) * size_t(height) &&
           mask.size() == color.size();
  }
  uint32_t pixel(int x, int y) const { return color[size_t(y) * size_t(width) + size_t(x)]; }
  bool masked(int x, int y) const { return mask[size_t(y) * size_t(width) + size_t(x)] != 0; }
};

// An icon found in a file: which file, which place in it and the image the
// 32 x 32 large icon shows.
struct ExtractedIcon {
  QString sourceFile;
  int index = 0;           // 0-based position among the file's icons
  QString resourceName;    // "#<id>" or the resource's name; empty for icon files
  IconImage image;
  // Sizes of all images of the group ("WxH@bpp"), for listing.
  std::vector<QString> groupImages;
};

}  // namespace vantorim::formats
