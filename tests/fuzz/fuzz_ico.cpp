// Fuzzes the icon file reader and the bitmap writer on what it finds.

#include "core/formats/IconReader.h"
#include "core/formats/IconWriter.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto r = vantorim::formats::readIcoFile(buffer);
  if (r.icons.size() > 1) std::abort();
  for (const auto& icon : r.icons) {
    if (!icon.image.isValid()) std::abort();
    if (vantorim::formats::encodeBitmapFile(icon.image).size() < 54) std::abort();
    const QByteArray ico = vantorim::formats::encodeIconFile(icon.image);
    const auto back = vantorim::formats::decodeIconBitmap(ico.mid(22));
    if (!back || back->color.size() != icon.image.color.size()) std::abort();
  }
  return 0;
}
