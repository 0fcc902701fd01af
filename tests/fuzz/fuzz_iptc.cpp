// libFuzzer target: IPTC datasets of a Photoshop resource block, and the block built back.

#include "core/fileinfo/IptcData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorim::fileinfo;
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  TIPTCdata d;
  d.parse(bytes);
  TIPTCdata::textLines(bytes);
  d.creationDate();
  d.setLanguage(TIPTCdata::kEnglish);
  TIPTCdata back;
  back.parse(d.buildBlock());
  return 0;
}
