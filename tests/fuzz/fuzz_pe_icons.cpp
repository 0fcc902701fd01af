// Fuzzes the icon reader of programs and libraries (PE resources) and writes
// every icon found, checking that the icon file reads back.

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
  const auto r = vantorim::formats::readPeIcons(buffer);
  for (const auto& icon : r.icons) {
    if (!icon.image.isValid()) std::abort();
    const QByteArray ico = vantorim::formats::encodeIconFile(icon.image);
    const auto back = vantorim::formats::decodeIconBitmap(ico.mid(22));
    if (!back || back->width != icon.image.width || back->mask != icon.image.mask) std::abort();
  }
  return 0;
}
