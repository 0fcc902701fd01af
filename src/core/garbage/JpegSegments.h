#pragma once
// The byte-level rules of the JPEG tester on any readable device: where the
// image data end, and where application or comment segments start near the
// beginning of the file. Files are read in blocks, never whole.

#include <QIODevice>
#include <QtGlobal>

#include <initializer_list>
#include <optional>

namespace vantorim::garbage {

// Files of this size or less are damaged and never changed.
constexpr qint64 kSmallestJpeg = 25;

// size × 0.75 rounded to the nearest integer, ties to even.
qint64 threeQuartersRounded(qint64 size);

// The end of the image data (the position after the end-of-image marker
// 0xFF 0xD9), searched from the end of the file down to the last quarter:
// positions size − 2 down to threeQuartersRounded(size) + 1. Empty when the
// file is too small or no marker stands there.
std::optional<qint64> findImageEnd(QIODevice& device, qint64 size);

struct JpegSegment {
  qint64 offset = 0;  // position of the 0xFF marker byte
  qint64 length = 0;  // the length field: two length bytes and the payload
  qint64 total() const { return length + 2; }
};

enum class SegmentScan { Found, NotFound, Truncated };

// Scans the positions 0 .. ⌊size × 0.1⌋ − 1 for 0xFF followed by one of the
// marker codes. Truncated when the first one found would reach past the end
// of the file (or its length field does): nothing may be removed then.
SegmentScan findSegment(QIODevice& device, qint64 size, std::initializer_list<quint8> markers,
                        JpegSegment* found);

// Marker codes removed as "entries of graphic programs": APP1, APP2, APP12,
// APP13 and APP14. APP0 (JFIF) is never among them.
inline constexpr std::initializer_list<quint8> kApplicationMarkers = {0xE1, 0xE2, 0xEC, 0xED, 0xEE};
inline constexpr quint8 kCommentMarker = 0xFE;

}  // namespace vantorim::garbage
