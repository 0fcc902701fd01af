// Fuzzes the TrueType name reader on arbitrary bytes and checks the limits
// of the full name.

#include "core/formats/TTFInfo.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  vantorim::formats::TTTFInfo info;
  info.readFrom(buffer);
  if (info.fullName().size() > 80) std::abort();
  for (QChar c : info.fullName())
    if (c == u'/' || c == u':' || c.unicode() < 32) std::abort();
  return 0;
}
