// Fuzzes the ID3 version 1 tag: parse the last 128 bytes, build them again
// and check that the built tag parses back to the same fields.

#include "core/formats/ID3Tag.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  vantorim::formats::TID3Tag tag;
  tag.parse(bytes.size() >= 128 ? bytes.right(128) : bytes);
  const QByteArray built = tag.build();
  if (built.size() != 128) std::abort();
  vantorim::formats::TID3Tag again;
  again.parse(built);
  if (!tag.tagPresent()) return 0;
  if (again.title() != tag.title() || again.artist() != tag.artist() || again.album() != tag.album() ||
      again.year() != tag.year() || again.comment() != tag.comment() || again.track() != tag.track() ||
      again.noTrack() != tag.noTrack() || again.genre() != tag.genre())
    std::abort();
  return 0;
}
