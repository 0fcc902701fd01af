// Fuzzes the JPEG segment rules: the end-of-image search and the removal of
// application and comment segments, run on the bytes in memory until nothing
// more is found. Checks that every reported segment lies inside the data.

#include "core/garbage/JpegSegments.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace vantorim::garbage;

namespace {

void removeAll(QByteArray bytes, std::initializer_list<quint8> markers, bool repeat) {
  for (;;) {
    QBuffer buf(&bytes);
    buf.open(QIODevice::ReadOnly);
    JpegSegment seg;
    if (findSegment(buf, bytes.size(), markers, &seg) != SegmentScan::Found) return;
    if (seg.offset < 0 || seg.offset + seg.total() > bytes.size() || seg.total() < 2) std::abort();
    buf.close();
    bytes.remove(seg.offset, seg.total());
    if (!repeat) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  {
    QBuffer buf(&bytes);
    buf.open(QIODevice::ReadOnly);
    if (const auto end = findImageEnd(buf, bytes.size())) {
      if (*end < 2 || *end > bytes.size() || quint8(bytes[*end - 1]) != 0xD9 ||
          quint8(bytes[*end - 2]) != 0xFF)
        std::abort();
    }
  }
  removeAll(bytes, kApplicationMarkers, true);
  removeAll(bytes, {kCommentMarker}, false);
  return 0;
}
