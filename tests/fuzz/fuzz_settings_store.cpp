// The settings store parser: never crashes, and what it writes back parses to
// the same text again.
#include "core/app/Settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto first = vantorim::app::SettingsStore::normalizedText(bytes);
  if (!first) return 0;
  const auto second = vantorim::app::SettingsStore::normalizedText(*first);
  if (!second || *second != *first) std::abort();
  return 0;
}
