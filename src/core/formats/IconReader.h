#pragma once
// Icons of Windows programs and libraries (PE32 and PE32+ resources) and of
// icon files. Hostile input is expected: every offset, count and size is
// checked and resource directories are walked with bounded depth and visits.

#include "core/formats/IconImage.h"

#include <QByteArray>
#include <QIODevice>

#include <optional>
#include <vector>

namespace vantorim::formats {

struct IconReadResult {
  std::vector<ExtractedIcon> icons;
  // Icons listed in the file whose image could not be decoded (for example
  // PNG-compressed images, or damaged data); they are skipped.
  int skipped = 0;
  QString error;  // set when the file is no program, library or icon file
};

// One entry of an icon group or icon file directory.
struct IconDirEntry {
  int width = 0;   // 256 for a stored 0
  int height = 0;
  int colorCount = 0;
  int planes = 0;
  int bitCount = 0;
  uint32_t bytes = 0;
};

// The entry the 32 x 32 large icon shows: the size nearest 32 x 32 (larger
// before smaller on a tie), then the most colours, then the first. Entries
// flagged unusable are passed over. Returns -1 when none is usable.
int chooseLargeIconEntry(const std::vector<IconDirEntry>& entries, const std::vector<bool>& usable);

// Decodes one icon image (a device-independent bitmap of double height
// holding colour bits and mask); nothing for PNG or damaged data.
std::optional<IconImage> decodeIconBitmap(const QByteArray& data);

IconReadResult readPeIcons(QIODevice& file);
IconReadResult readIcoFile(QIODevice& file);
// By content: "MZ" programs and libraries, otherwise icon files.
IconReadResult readIconsFromFile(const QString& path);

}  // namespace vantorim::formats
