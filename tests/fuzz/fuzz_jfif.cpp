// libFuzzer target: the JFIF header walk and end-of-image search.

#include "core/fileinfo/JpegHeader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buf(&bytes);
  buf.open(QIODevice::ReadOnly);
  vantorim::fileinfo::TJPEGHeader h;
  h.read(buf);
  return 0;
}
