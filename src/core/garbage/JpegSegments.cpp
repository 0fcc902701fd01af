#include "core/garbage/JpegSegments.h"

#include <QByteArray>

#include <algorithm>

namespace vantorim::garbage {

namespace {
constexpr qint64 kBlock = 64 * 1024;

bool readAt(QIODevice& device, qint64 offset, char* buffer, qint64 len) {
  if (!device.seek(offset)) return false;
  qint64 got = 0;
  while (got < len) {
    const qint64 n = device.read(buffer + got, len - got);
    if (n <= 0) return false;
    got += n;
  }
  return true;
}
}  // namespace

qint64 threeQuartersRounded(qint64 size) {
  // 3·size = 4q + r exactly; r = 2 is the tie.
  const qint64 q = size / 4 * 3 + (size % 4) * 3 / 4;
  const qint64 r = (size % 4) * 3 % 4;
  if (r == 3 || (r == 2 && (q % 2) != 0)) return q + 1;
  return q;
}

std::optional<qint64> findImageEnd(QIODevice& device, qint64 size) {
  if (size <= kSmallestJpeg) return std::nullopt;
  const qint64 lowest = threeQuartersRounded(size) + 1;  // lowest marker position
  qint64 high = size;  // bytes [low, high) are examined per block, top down
  QByteArray buf;
  while (high - 1 > lowest) {
    const qint64 low = std::max(lowest, high - kBlock);
    buf.resize(high - low);
    if (!readAt(device, low, buf.data(), high - low)) return std::nullopt;
    for (qint64 p = high - 2; p >= low; --p) {
      if (static_cast<quint8>(buf[p - low]) == 0xFF && static_cast<quint8>(buf[p - low + 1]) == 0xD9)
        return p + 2;
    }
    // The next block ends one byte into this one, so a marker across the
    // boundary is seen.
    high = low + 1;
  }
  return std::nullopt;
}

SegmentScan findSegment(QIODevice& device, qint64 size, std::initializer_list<quint8> markers,
                        JpegSegment* found) {
  const qint64 limit = size / 10;  // positions 0 .. limit-1
  QByteArray buf;
  for (qint64 start = 0; start < limit; start += kBlock) {
    const qint64 end = std::min(limit, start + kBlock);  // marker positions [start, end)
    const qint64 want = std::min(size, end + 1) - start;
    buf.resize(want);
    if (!readAt(device, start, buf.data(), want)) return SegmentScan::NotFound;
    for (qint64 i = start; i < end && i + 1 < size; ++i) {
      if (static_cast<quint8>(buf[i - start]) != 0xFF) continue;
      const quint8 code = static_cast<quint8>(buf[i - start + 1]);
      if (std::find(markers.begin(), markers.end(), code) == markers.end()) continue;
      char len[2];
      if (i + 4 > size || !readAt(device, i + 2, len, 2)) return SegmentScan::Truncated;
      const qint64 L = (qint64(quint8(len[0])) << 8) | quint8(len[1]);
      if (i + L + 2 > size) return SegmentScan::Truncated;
      if (found) *found = {i, L};
      return SegmentScan::Found;
    }
  }
  return SegmentScan::NotFound;
}

}  // namespace vantorim::garbage
