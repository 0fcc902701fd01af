// Fuzzes the bitmap header and palette reader.

#include "core/formats/BitmapInfo.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto r = vantorim::formats::readBitmapInfo(buffer);
  if (int(r.palette.size()) != r.header.paletteEntryCount() || r.palette.size() > 256) std::abort();
  if (r.header.maxColorsText().isEmpty()) std::abort();
  return 0;
}
