// The mount table parser: never crashes on any text; every entry has an absolute mount point.
#include "core/platform/Volumes.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const auto& entry : vantorim::platform::parseMountInfo(bytes)) {
    if (!entry.mountPoint.startsWith('/')) std::abort();
    (void)vantorim::platform::classifyMount(entry.fsType, entry.source, false);
  }
  return 0;
}
